#include "cli/ical_writer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "calendar/gregorian.h"

namespace {

constexpr std::size_t kFoldOctets = 75;
constexpr int kSecondsPerHour = 3600;
constexpr long long kLargestOffsetSeconds = 24 * 3600 - 1;
// The longest UTF-8 sequence has three continuation bytes: a fold backs up at most so far to a character's start.
constexpr std::size_t kMostContinuationBytes = 3;

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// "+0200", "-0500", "-045602": hours and minutes, and the seconds when there are any. The hours have two digits,
// 00 to 23: an offset beyond 23:59:59 either way is written as that.
std::string UtcOffsetText(int seconds) {
    const char sign = seconds < 0 ? '-' : '+';
    const int magnitude = static_cast<int>(std::min(std::llabs(seconds), kLargestOffsetSeconds));
    char text[16];
    if (magnitude % 60 == 0) {
        std::snprintf(text, sizeof text, "%c%02d%02d", sign, magnitude / 3600, magnitude / 60 % 60);
    } else {
        std::snprintf(text, sizeof text, "%c%02d%02d%02d", sign, magnitude / 3600, magnitude / 60 % 60, magnitude % 60);
    }
    return text;
}

enum class SundayOf { First, Second, Last };

// The date of the first, second or last Sunday of a month.
int SundayDay(int month, int year, SundayOf which) {
    if (which == SundayOf::Last) {
        const int lastDay = DaysInGregorianMonth(month, year);
        return lastDay - GregorianWeekday(lastDay, month, year);
    }
    const int first = 1 + (7 - FirstWeekdayOfGregorianMonth(month, year)) % 7;
    return which == SundayOf::First ? first : first + 7;
}

struct UsRuleChange {
    const char* component;  // "DAYLIGHT" or "STANDARD"
    int month;
    SundayOf sunday;
    const char* byDay;  // the same Sunday as an RRULE BYDAY
    int firstYear;
    int lastYear;  // 0: every year from firstYear on
    int offsetBeforeHours;
    int offsetAfterHours;
};

// 02:00 local time of the change's Sunday in year.
CivilTime UsRuleOnset(const UsRuleChange& change, int year) {
    return {year, change.month, SundayDay(change.month, year, change.sunday), 2, 0, 0};
}

void AppendObservance(std::string& out,
                      const char* component,
                      const CivilTime& onset,
                      int offsetBeforeSeconds,
                      int offsetAfterSeconds,
                      const std::string& rule) {
    out += "BEGIN:";
    out += component;
    out += "\r\n";
    AppendContentLine(out, "DTSTART:" + IcalDateTime(onset, false));
    if (!rule.empty()) {
        AppendContentLine(out, "RRULE:" + rule);
    }
    AppendContentLine(out, "TZOFFSETFROM:" + UtcOffsetText(offsetBeforeSeconds));
    AppendContentLine(out, "TZOFFSETTO:" + UtcOffsetText(offsetAfterSeconds));
    out += "END:";
    out += component;
    out += "\r\n";
}

void BeginTimezone(std::string& out, std::string_view tzid) {
    out += "BEGIN:VTIMEZONE\r\n";
    std::string line = "TZID:";
    line += tzid;
    AppendContentLine(out, line);
}

}  // namespace

void AppendEscapedText(std::string& out, std::string_view value) {
    for (const char c : value) {
        switch (c) {
            case '\\':
            case ',':
            case ';':
                out += '\\';
                out += c;
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                break;
            default:
                out += c;
        }
    }
}

void AppendContentLine(std::string& out, std::string_view line) {
    std::size_t room = kFoldOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > room - kMostContinuationBytes && IsUtf8Continuation(line[cut])) {
            --cut;
        }
        if (IsUtf8Continuation(line[cut])) {
            cut = room;  // not UTF-8 here: no character starts within reach, so the line is cut by octets
        }
        out.append(line.data(), cut);
        out += "\r\n ";
        line.remove_prefix(cut);
        room = kFoldOctets - 1;  // the blank that starts a continuation line counts
    }
    out.append(line.data(), line.size());
    out += "\r\n";
}

std::string IcalDate(int day, int month, int year) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
    return text;
}

std::string IcalDateTime(const CivilTime& time, bool utc) {
    char text[24];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02d%s", time.year, time.month, time.day, time.hour,
                  time.minute, time.second, utc ? "Z" : "");
    return text;
}

void AppendChangesTimezone(std::string& out, std::string_view tzid, const std::vector<ZoneChange>& changes) {
    BeginTimezone(out, tzid);
    for (const ZoneChange& change : changes) {
        const char* component = change.offsetAfterSeconds > change.offsetBeforeSeconds ? "DAYLIGHT" : "STANDARD";
        AppendObservance(out, component, change.onset, change.offsetBeforeSeconds, change.offsetAfterSeconds, {});
    }
    out += "END:VTIMEZONE\r\n";
}

void AppendUsRuleTimezone(std::string& out, std::string_view tzid, int offsetHours, bool observesDst) {
    BeginTimezone(out, tzid);
    const int standard = offsetHours * kSecondsPerHour;
    if (!observesDst) {
        AppendObservance(out, "STANDARD", {kFirstSupportedYear - 1, 12, 31, 0, 0, 0}, standard, standard, {});
        out += "END:VTIMEZONE\r\n";
        return;
    }
    // The rule to 2006 starts with the change back to standard time in October 1899, so that the first days of
    // 1900 lie after an onset.
    const int daylight = offsetHours + 1;
    const UsRuleChange changes[] = {
        {"STANDARD", 10, SundayOf::Last, "-1SU", kFirstSupportedYear - 1, 2006, daylight, offsetHours},
        {"DAYLIGHT", 4, SundayOf::First, "1SU", kFirstSupportedYear, 2006, offsetHours, daylight},
        {"STANDARD", 11, SundayOf::First, "1SU", 2007, 0, daylight, offsetHours},
        {"DAYLIGHT", 3, SundayOf::Second, "2SU", 2007, 0, offsetHours, daylight},
    };
    for (const UsRuleChange& change : changes) {
        std::string rule = "FREQ=YEARLY;BYMONTH=" + std::to_string(change.month) + ";BYDAY=" + change.byDay;
        if (change.lastYear != 0) {
            // UNTIL is the last onset in UTC: 02:00 local time less the offset before the change.
            const CivilTime last = UsRuleOnset(change, change.lastYear);
            CivilTime until = last;
            const int hour = last.hour - change.offsetBeforeHours;  // 02:00 at UTC-10..UTC+14 stays within a day
            until.hour = (hour + 24) % 24;
            if (hour >= 24 || hour < 0) {
                int day = 0, month = 0, year = 0;
                DayNumberToGregorian(GregorianToDayNumber(last.day, last.month, last.year) + (hour < 0 ? -1 : 1), day,
                                     month, year);
                until.day = day;
                until.month = month;
                until.year = year;
            }
            rule += ";UNTIL=" + IcalDateTime(until, true);
        }
        AppendObservance(out, change.component, UsRuleOnset(change, change.firstYear),
                         change.offsetBeforeHours * kSecondsPerHour, change.offsetAfterHours * kSecondsPerHour, rule);
    }
    out += "END:VTIMEZONE\r\n";
}
