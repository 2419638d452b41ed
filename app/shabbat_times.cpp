#include "app/shabbat_times.h"

#include <array>
#include <cstddef>
#include <limits>
#include <utility>

#include "holidays/holiday_text.h"
#include "zmanim/evening_times.h"
#include "zmanim/local_time.h"

namespace {

constexpr int kSunday = 0;
constexpr int kSaturday = 6;
constexpr int kDaysPerWeek = 7;
// Festivals and fasts that run on past a week's Saturday end within this many days (two festival days after
// Shabbat, or Tisha B'Av on Sunday).
constexpr int kDaysPastTheWeek = 3;

// The sun's event a moment is taken from under the rules, and the minutes after it (before it when negative): candle
// lighting is sunset less the candle-lighting minutes (at New York, 40:45N 74:00W, on Friday 18 October 2024 sunset
// is 22:10 UT, 6:10 PM EDT, and candles 18 minutes before it at 5:52 PM), havdalah nightfall or the havdalah minutes
// after sunset.
struct Timing {
    EveningTimes::Event event;
    int minutesAfter;
};

Timing TimingOf(DayMoment moment, const ShabbatRules& rules) {
    switch (moment) {
        case DayMoment::CandleLighting:
            return {EveningTimes::Event::Sunset, -rules.candleLightingMinutes};
        case DayMoment::Havdalah:
            if (rules.havdalahMinutesAfterSunset) {
                return {EveningTimes::Event::Sunset, *rules.havdalahMinutesAfterSunset};
            }
            return {EveningTimes::Event::Nightfall, 0};
        case DayMoment::Sunset:
            return {EveningTimes::Event::Sunset, 0};
        case DayMoment::NightfallCandles:
        case DayMoment::Nightfall:
            return {EveningTimes::Event::Nightfall, 0};
        case DayMoment::Dawn:
            return {EveningTimes::Event::Dawn, 0};
    }
    return {EveningTimes::Event::Nightfall, 0};
}

// The order within a day: by the minutes, a time that does not happen after the others, but dawn before them.
double OrderInDay(const ShabbatTime& time) {
    if (time.minutesUt) {
        return *time.minutesUt;
    }
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    return time.moment == DayMoment::Dawn ? -kInfinity : kInfinity;
}

}  // namespace

std::vector<ShabbatTime> ShabbatTimes(DayNumber first,
                                      DayNumber last,
                                      Observance observance,
                                      const ZmanimPlace& place,
                                      const ShabbatRules& rules) {
    const std::vector<ShabbatDayTime> days = ShabbatDayTimes(first, last, observance);
    // Each of the sun's events for all the days it times at once, which is sooner than day by day.
    constexpr std::size_t kEvents = 3;
    const auto index = [](EveningTimes::Event event) { return static_cast<std::size_t>(event); };
    std::array<std::vector<DayNumber>, kEvents> eventDays;
    for (const ShabbatDayTime& day : days) {
        eventDays[index(TimingOf(day.moment, rules).event)].push_back(day.day);
    }
    const EveningTimes evenings(place);
    std::array<std::vector<std::optional<double>>, kEvents> eventMinutes;
    for (const auto event : {EveningTimes::Event::Dawn, EveningTimes::Event::Sunset, EveningTimes::Event::Nightfall}) {
        eventMinutes[index(event)] = evenings.On(event, eventDays[index(event)]);
    }
    std::array<std::size_t, kEvents> taken{};
    std::vector<ShabbatTime> times;
    times.reserve(days.size());
    for (const ShabbatDayTime& day : days) {
        const Timing timing = TimingOf(day.moment, rules);
        const std::size_t event = index(timing.event);
        std::optional<double> minutes = eventMinutes[event][taken[event]++];
        if (minutes && timing.minutesAfter != 0) {
            *minutes += timing.minutesAfter;
        }
        ShabbatTime time{day.day, day.kind, day.moment, day.occasion, minutes, std::nullopt};
        if (time.minutesUt) {
            time.instant = EventInstant(*time.minutesUt, day.day);
        }
        times.push_back(time);
    }
    // The days come in date order, each with its few times: each time goes after the earlier ones of its day.
    for (std::size_t i = 1; i < times.size(); ++i) {
        for (std::size_t j = i;
             j > 0 && times[j - 1].date == times[j].date && OrderInDay(times[j]) < OrderInDay(times[j - 1]); --j) {
            std::swap(times[j - 1], times[j]);
        }
    }
    return times;
}

std::vector<ShabbatTime> ShabbatWeekTimes(DayNumber day,
                                          Observance observance,
                                          const ZmanimPlace& place,
                                          const ShabbatRules& rules) {
    const DayNumber sunday = day - (WeekdayOf(day) - kSunday);
    const DayNumber saturday = sunday + kDaysPerWeek - 1;
    std::vector<ShabbatTime> times = ShabbatTimes(sunday, saturday + kDaysPastTheWeek, observance, place, rules);
    // The week's own times, then those that close what is still open at its end.
    bool openFestival = false;
    bool openFast = false;
    std::size_t kept = 0;
    for (; kept < times.size(); ++kept) {
        const ShabbatTime& time = times[kept];
        if (time.date > saturday && !openFestival && !openFast) {
            break;
        }
        switch (time.kind) {
            case ShabbatTimeKind::Candles:
                openFestival = true;
                break;
            case ShabbatTimeKind::Havdalah:
                openFestival = false;
                break;
            case ShabbatTimeKind::FastBegins:
                openFast = true;
                break;
            case ShabbatTimeKind::FastEnds:
                openFast = false;
                break;
        }
    }
    times.resize(kept);
    return times;
}

const char* ShabbatTimeKey(ShabbatTimeKind kind) {
    switch (kind) {
        case ShabbatTimeKind::Candles:
            return "candles";
        case ShabbatTimeKind::Havdalah:
            return "havdalah";
        case ShabbatTimeKind::FastBegins:
            return "fast-begins";
        case ShabbatTimeKind::FastEnds:
            return "fast-ends";
    }
    return "";
}

const char* ShabbatTimeKindName(ShabbatTimeKind kind) {
    switch (kind) {
        case ShabbatTimeKind::Candles:
            return "Candle lighting";
        case ShabbatTimeKind::Havdalah:
            return "Havdalah";
        case ShabbatTimeKind::FastBegins:
            return "Fast begins";
        case ShabbatTimeKind::FastEnds:
            return "Fast ends";
    }
    return "";
}

ShabbatTimeOccasion OccasionOf(const ShabbatTime& time, Observance observance) {
    const bool havdalah = time.kind == ShabbatTimeKind::Havdalah;
    ShabbatTimeOccasion occasion{"", "Shabbat", havdalah ? " ends" : ""};
    if (time.occasion != HolidayCode::None) {
        // A festival's candles on Friday evening, or its havdalah on Saturday evening, are Shabbat's too.
        const bool shabbatToo = (time.kind == ShabbatTimeKind::Candles && WeekdayOf(time.date + 1) == kSaturday) ||
                                (havdalah && WeekdayOf(time.date) == kSaturday);
        occasion.shabbatToo = shabbatToo ? "Shabbat, " : "";
        occasion.name = HolidayName(time.occasion, observance);
    }
    return occasion;
}

void AppendShabbatTimeOccasion(std::string& text, const ShabbatTime& time, Observance observance) {
    const ShabbatTimeOccasion occasion = OccasionOf(time, observance);
    text.append(occasion.shabbatToo).append(occasion.name).append(occasion.ends);
}

std::string ShabbatRulesText(const ShabbatRules& rules) {
    return "Candles " + std::to_string(rules.candleLightingMinutes) + " minutes before sunset, havdalah " +
           (rules.havdalahMinutesAfterSunset
                ? std::to_string(*rules.havdalahMinutesAfterSunset) + " minutes after sunset"
                : std::string("at nightfall")) +
           ".";
}
