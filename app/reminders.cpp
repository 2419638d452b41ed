#include "app/reminders.h"

#include <algorithm>

#include "app/shabbat_times.h"
#include "calendar/anniversary.h"
#include "holidays/holiday_text.h"
#include "holidays/omer.h"
#include "location/encoding.h"
#include "zmanim/day_zmanim.h"
#include "zmanim/evening_times.h"
#include "zmanim/zmanim_text.h"

namespace {

constexpr long long kSecondsPerMinute = 60;
constexpr long long kSecondsPerDay = 86400;
constexpr int kDaysAhead = 2;
constexpr std::size_t kTextSize = 200;

DayNumber DayOfInstant(long long instant) {
    const CivilTime time = CivilTimeOfSeconds(instant);
    return GregorianToDayNumber(time.day, time.month, time.year);
}

// The moment's clock on the place's clock ("4:12 PM"); nothing when the zone cannot show it.
std::optional<std::string> ClockText(long long instant, const ReminderSources& sources) {
    const std::optional<CivilTime> local = LocalTimeOf(instant, sources.location.zoneRule(), sources.toHost);
    if (!local) {
        return std::nullopt;
    }
    char text[kTextSize];
    FormatZmanTime(true, local->hour, local->minute, text, sizeof text);
    return std::string(text);
}

// The first local midnight after the instant on the place's clock.
std::optional<long long> LocalMidnightAfter(long long instant, const ReminderSources& sources) {
    const std::optional<CivilTime> local = LocalTimeOf(instant, sources.location.zoneRule(), sources.toHost);
    if (!local) {
        return std::nullopt;
    }
    const long long intoDay = (local->hour * 60LL + local->minute) * kSecondsPerMinute + local->second;
    return instant - intoDay + kSecondsPerDay;
}

std::optional<long long> InstantOfMinutes(const std::optional<double>& minutesUt, DayNumber day) {
    if (!minutesUt) {
        return std::nullopt;
    }
    return EventInstant(*minutesUt, day);
}

class Collector {
  public:
    Collector(long long now, const ReminderSources& sources) : now_(now), sources_(sources) {}

    // Keeps the notice when it is still worth showing and falls due within the days ahead.
    void Add(ReminderKind kind, DayNumber day, long long at, long long until, std::string key, std::string what) {
        const long long due = at - sources_.settings.RuleOf(kind).minutesBefore * kSecondsPerMinute;
        if (until <= now_ || due > now_ + kDaysAhead * kSecondsPerDay) {
            return;
        }
        const std::optional<std::string> clock = ClockText(at, sources_);
        if (!clock) {
            return;
        }
        reminders_.push_back({kind, day, due, at, until, std::move(key), std::move(what), *clock});
    }

    std::vector<Reminder> Sorted() {
        std::stable_sort(reminders_.begin(), reminders_.end(),
                         [](const Reminder& a, const Reminder& b) { return a.due < b.due; });
        return std::move(reminders_);
    }

  private:
    long long now_;
    const ReminderSources& sources_;
    std::vector<Reminder> reminders_;
};

std::string Key(const char* kind, DayNumber day) {
    return std::string(kind) + " " + std::to_string(day);
}

void AddShabbatTimes(Collector& out, DayNumber first, DayNumber last, const ReminderSources& sources) {
    const bool candles = sources.settings.RuleOf(ReminderKind::CandleLighting).on;
    const bool fasts = sources.settings.RuleOf(ReminderKind::Fast).on;
    if (!candles && !fasts) {
        return;
    }
    const Observance observance = sources.location.holiday();
    for (const ShabbatTime& time :
         ShabbatTimes(first, last, observance, ZmanimPlaceOf(sources.location), sources.rules)) {
        if (!time.instant) {
            continue;
        }
        if (candles && time.kind == ShabbatTimeKind::Candles) {
            std::string what = "Candle lighting for ";
            AppendShabbatTimeOccasion(what, time, observance);
            what += time.moment == DayMoment::NightfallCandles ? " not before" : " at";
            out.Add(ReminderKind::CandleLighting, time.date, *time.instant, *time.instant, Key("candles", time.date),
                    Utf8FromWindows1252(what));
        } else if (fasts && time.kind == ShabbatTimeKind::FastBegins) {
            // Tisha B'Av begins on the evening before its day.
            const DayNumber fastDay = time.moment == DayMoment::Sunset ? time.date + 1 : time.date;
            std::string what(HolidayName(time.occasion, observance));
            what += " begins at";
            out.Add(ReminderKind::Fast, fastDay, *time.instant, *time.instant, Key("fast", fastDay),
                    Utf8FromWindows1252(what));
        }
    }
}

const char* DateWords(PersonDateKind kind) {
    switch (kind) {
        case PersonDateKind::Yahrzeit:
            return "Yahrzeit of ";
        case PersonDateKind::Birthday:
            return "Hebrew birthday of ";
        case PersonDateKind::Anniversary:
            return "Anniversary of ";
        case PersonDateKind::Other:
            break;
    }
    return "";
}

void AddPeopleDates(Collector& out, DayNumber first, DayNumber last, const ReminderSources& sources) {
    if (!sources.settings.RuleOf(ReminderKind::PersonDate).on) {
        return;
    }
    const EveningTimes evenings(ZmanimPlaceOf(sources.location));
    for (const PersonDate& date : sources.dates) {
        for (const YearlyOccurrence& occurrence :
             YearlyOccurrencesIn(HebrewDateOf(date), date.kind, date.adar, first, last)) {
            const DayNumber day = occurrence.day;
            const std::vector<std::optional<double>> sunsets = evenings.On(EveningTimes::Event::Sunset, {day - 1, day});
            const std::optional<long long> begins = InstantOfMinutes(sunsets[0], day - 1);
            if (!begins) {
                continue;
            }
            const std::optional<long long> ends = InstantOfMinutes(sunsets[1], day);
            // The name as the file keeps it, in UTF-8: two names the program's own letters cannot tell apart
            // (Hebrew ones) are two notices.
            out.Add(ReminderKind::PersonDate, day, *begins, ends.value_or(*begins + kSecondsPerDay),
                    Key("date", day) + " " + PersonDateKindName(date.kind) + " " + date.name,
                    DateWords(date.kind) + date.name);
        }
    }
}

void AddOmer(Collector& out, DayNumber first, DayNumber last, const ReminderSources& sources) {
    if (!sources.settings.RuleOf(ReminderKind::Omer).on) {
        return;
    }
    const ZmanimPlace place = ZmanimPlaceOf(sources.location);
    for (DayNumber evening = first; evening <= last; ++evening) {
        char count[kTextSize];
        if (FormatOmerText(OmerCount(evening + 1), count, sizeof count) == 0) {
            continue;
        }
        const std::optional<long long> nightfall = InstantOfMinutes(NightfallMinutes(evening, place), evening);
        if (!nightfall) {
            continue;
        }
        const std::optional<long long> midnight = LocalMidnightAfter(*nightfall, sources);
        if (!midnight) {
            continue;
        }
        out.Add(ReminderKind::Omer, evening, *nightfall, *midnight, Key("omer", evening), Utf8FromWindows1252(count));
    }
}

}  // namespace

std::vector<Reminder> RemindersAround(long long now, const ReminderSources& sources) {
    const DayNumber today = DayOfInstant(now);
    // A day's moments fall within a day of its 0h UT at any longitude; a date begins on the evening before.
    const DayNumber first = std::max(today - 1, kFirstSupportedDay);
    const DayNumber last = std::min(today + kDaysAhead + 1, kLastSupportedDay);
    Collector out(now, sources);
    if (first <= last) {
        AddShabbatTimes(out, first, last, sources);
        AddPeopleDates(out, first, std::min(last + 1, kLastSupportedDay), sources);
        AddOmer(out, first, last, sources);
    }
    return out.Sorted();
}

bool ShownReminders::Has(const Reminder& reminder) const {
    return keys.count(reminder.key) != 0 || (earlierRunsThrough && reminder.due <= *earlierRunsThrough);
}

std::vector<Reminder> RemindersToShow(const std::vector<Reminder>& reminders,
                                      long long now,
                                      const ShownReminders& shown) {
    std::vector<Reminder> due;
    for (const Reminder& reminder : reminders) {
        if (reminder.due <= now && now < reminder.until && !shown.Has(reminder)) {
            due.push_back(reminder);
        }
    }
    return due;
}

std::optional<long long> NextReminderDue(const std::vector<Reminder>& reminders,
                                         long long now,
                                         const ShownReminders& shown) {
    std::optional<long long> next;
    for (const Reminder& reminder : reminders) {
        if (reminder.due > now && !shown.Has(reminder) && (!next || reminder.due < *next)) {
            next = reminder.due;
        }
    }
    return next;
}

std::string ReminderText(const Reminder& reminder, long long now) {
    const long long left = reminder.at - now;
    switch (reminder.kind) {
        case ReminderKind::CandleLighting:
        case ReminderKind::Fast: {
            std::string text = reminder.what + " " + reminder.clock;
            if (left <= 0) {
                return text;
            }
            const long long minutes = (left + kSecondsPerMinute - 1) / kSecondsPerMinute;
            return text + " (in " + std::to_string(minutes) + (minutes == 1 ? " minute)" : " minutes)");
        }
        case ReminderKind::PersonDate:
            return reminder.what + (left >= 0 ? " begins this evening at " : " began at sunset, ") + reminder.clock;
        case ReminderKind::Omer:
            return "Omer tonight, from nightfall at " + reminder.clock + ": " + reminder.what;
    }
    return reminder.what;
}
