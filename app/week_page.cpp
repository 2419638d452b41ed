#include "app/week_page.h"

#include <optional>
#include <string_view>
#include <vector>

#include "app/shabbat_times.h"
#include "calendar/anniversary.h"
#include "calendar/molad.h"
#include "calendar/month_names.h"
#include "calendar/text_buffer.h"
#include "holidays/daf_yomi.h"
#include "holidays/holiday_text.h"
#include "holidays/mevarchim.h"
#include "holidays/omer.h"
#include "holidays/parsha.h"
#include "location/encoding.h"
#include "location/place_rules.h"
#include "zmanim/all_zmanim.h"
#include "zmanim/current_time.h"
#include "zmanim/day_zmanim.h"
#include "zmanim/host_zone.h"
#include "zmanim/zmanim_text.h"

namespace {

constexpr std::size_t kLineSize = 200;
constexpr std::size_t kCurrentTimeSize = 200;
constexpr const char* kShortWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kWeekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

struct CivilDate {
    int day = 0;
    int month = 0;
    int year = 0;
};

CivilDate CivilDateOf(DayNumber n) {
    CivilDate date;
    DayNumberToGregorian(n, date.day, date.month, date.year);
    return date;
}

// "Fri, Aug 1"
std::string ShortDate(DayNumber n) {
    const CivilDate date = CivilDateOf(n);
    return std::string(kShortWeekdays[WeekdayOf(n)]) + ", " + std::string(GregorianMonthName(date.month), 3) + " " +
           std::to_string(date.day);
}

// "August 1, 2025"
std::string LongDate(DayNumber n) {
    const CivilDate date = CivilDateOf(n);
    char line[kLineSize];
    FormatDateLine(GregorianMonthName(date.month), date.day, date.year, line, sizeof line);
    return line;
}

// "5:52 PM", or "none" when the time does not happen or the clock cannot show it.
std::string ClockText(const std::optional<LocalClock>& clock) {
    if (!clock) {
        return "none";
    }
    char text[kLineSize];
    FormatZmanTime(true, clock->hour, clock->minute, text, sizeof text);
    return text;
}

// The week's Shabbat and what is read on it: "@Shabbat, August 2: Devarim", or on a festival its day's name.
void AppendPortion(std::string& text, DayNumber day, Observance observance) {
    const WeeklyPortion reading = PortionOfShabbat(day, observance);
    char name[kWeeklyPortionNameSize];
    WeeklyPortionName(reading, observance, name, sizeof name);
    const CivilDate date = CivilDateOf(reading.shabbat);
    text.append("@Shabbat, ").append(GregorianMonthName(date.month)) += ' ';
    text.append(std::to_string(date.day)).append(": ").append(name);
    text += reading.first == Portion::None ? ", no weekly portion\n" : "\n";
}

// A line for each date whose yearly day is the day ("Yahrzeit: Sarah (5785)"), then one for each yahrzeit whose day
// is the next, as it begins at sunset ("Yahrzeit of Sarah begins this evening"). The names are the file's UTF-8,
// shown in the program's Windows-1252.
void AppendPeopleDates(std::string& text, DayNumber day, const std::vector<PersonDate>& dates) {
    std::string evenings;
    for (const PersonDate& date : dates) {
        for (const YearlyOccurrence& occurrence :
             YearlyOccurrencesIn(HebrewDateOf(date), date.kind, date.adar, day, day + 1)) {
            if (occurrence.day == day) {
                text.append(Windows1252FromUtf8(PersonDateTitle(date, occurrence.hebrewYear))) += '\n';
            } else if (date.kind == PersonDateKind::Yahrzeit) {
                evenings.append("Yahrzeit of ").append(Windows1252FromUtf8(date.name)) += " begins this evening\n";
            }
        }
    }
    text += evenings;
}

// "Fri, Aug 1: Candle lighting 7:52 PM (Shabbat)", one line for each time of the week, then the rules.
void AppendWeekTimes(std::string& text,
                     DayNumber day,
                     Observance observance,
                     const ZmanimPlace& place,
                     const ShabbatRules& rules,
                     HostZoneConversion toHost) {
    for (const ShabbatTime& time : ShabbatWeekTimes(day, observance, place, rules)) {
        const std::optional<LocalClock> clock =
            time.minutesUt ? toLocalClock(*time.minutesUt, time.date, place.zone, toHost) : std::nullopt;
        text.append(ShortDate(time.date)).append(": ");
        text +=
            time.moment == DayMoment::NightfallCandles ? "Candle lighting not before" : ShabbatTimeKindName(time.kind);
        text.append(" ").append(ClockText(clock)) += " (";
        AppendShabbatTimeOccasion(text, time, observance);
        text += ")\n";
    }
    text.append(ShabbatRulesText(rules)) += '\n';
}

// The count of the selected day, said on the evening before it, and the count said on its own evening.
void AppendOmer(std::string& text, DayNumber day) {
    char count[kLineSize];
    if (FormatOmerText(OmerCount(day), count, sizeof count) > 0) {
        text.append("Omer, ").append(ShortDate(day)).append(" (counted the evening before): ").append(count) += '\n';
    }
    if (FormatOmerText(OmerCount(day + 1), count, sizeof count) > 0) {
        text.append("Omer, evening of ").append(ShortDate(day)).append(": ").append(count) += '\n';
    }
}

// On a Shabbat Mevarchim: the month blessed, its molad as announced and the days of its Rosh Chodesh.
void AppendMevarchim(std::string& text, DayNumber day) {
    const std::optional<ShabbatMevarchim> blessed = MevarchimOn(day);
    if (!blessed) {
        return;
    }
    char line[kLineSize];
    text.append("@Shabbat Mevarchim: ").append(HebrewMonthName(blessed->month)) += ' ';
    text.append(std::to_string(blessed->year)) += '\n';
    FormatMoladText(MoladOf(blessed->month, blessed->year), line, sizeof line);
    text.append("Molad: ").append(line) += '\n';
    FormatRoshChodeshText(*blessed, line, sizeof line);
    text.append(line) += '\n';
}

void AppendDaf(std::string& text, DayNumber day) {
    const std::optional<DafYomi> daf = DafYomiOn(day);
    text += "Daf yomi: ";
    if (daf) {
        text.append(TractateName(daf->tractate)).append(" ").append(std::to_string(daf->page)) += '\n';
    } else {
        text += "none (the first cycle began on " + LongDate(kFirstDafYomiDay) + ")\n";
    }
}

// "@Zmanim of Saturday, August 2, 2025", then "Dawn: 4:31 AM" in the order of the day.
void AppendZmanim(std::string& text, DayNumber day, const ZmanimPlace& place, HostZoneConversion toHost) {
    const CivilDate date = CivilDateOf(day);
    text.append("@Zmanim of ").append(kWeekdays[WeekdayOf(day)]).append(", ").append(LongDate(day)) += '\n';
    const AllZmanim all = allZmanim(date.day, date.month, date.year, place, toHost);
    for (const ZmanTime& time : all.times) {
        text.append(ZmanDisplayName(time.zman)).append(": ").append(ClockText(time.clock)) += '\n';
    }
}

// The text without the markers at the heads of its lines.
std::string WithoutMarkers(const std::string& text) {
    std::string plain;
    plain.reserve(text.size());
    bool lineStart = true;
    for (const char c : text) {
        if (!(lineStart && (c == '@' || c == '#'))) {
            plain += c;
        }
        lineStart = c == '\n';
    }
    return plain;
}

}  // namespace

std::string WeekPageTextOf(DayNumber day,
                           const Location& location,
                           const ShabbatRules& rules,
                           const PageClock& clock,
                           bool keepMarkers,
                           const std::vector<PersonDate>& dates) {
    const Observance observance = location.holiday();
    const ZmanimPlace place = ZmanimPlaceOf(location);
    char label[kPlaceLabelSize];
    FormatPlaceLabel(location, LabelStyle::Page, label, sizeof label);
    char today[kLineSize];
    FormatDateLine(GregorianMonthName(clock.today.month), clock.today.day, clock.today.year, today, sizeof today);

    std::string text;
    text.append("@").append(label[0] != '\0' ? label : PositionText({location.latitude(), location.longitude()}));
    text.append(IsDiaspora(observance) ? " (Diaspora)\n" : " (Israel)\n");
    text.append(clock.currentTime).append(", ").append(today) += '\n';
    AppendPortion(text, day, observance);
    AppendPeopleDates(text, day, dates);
    AppendWeekTimes(text, day, observance, place, rules, clock.toHost);
    AppendOmer(text, day);
    AppendMevarchim(text, day);
    AppendDaf(text, day);
    AppendZmanim(text, day, place, clock.toHost);
    return keepMarkers ? text : WithoutMarkers(text);
}

std::string weekPageText(const AppState& state, bool keepMarkers) {
    char currentTime[kCurrentTimeSize];
    FormatCurrentTime(currentTime, sizeof currentTime);
    const PageClock clock{currentTime, ReadLocalClock(), HostUtcToLocal};
    return WeekPageTextOf(state.cursor.CursorDayNumber(), state.location, state.shabbat.RulesAt(state.location.city()),
                          clock, keepMarkers, state.dates);
}
