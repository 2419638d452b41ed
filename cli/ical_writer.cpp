#include "cli/ical_writer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::size_t kFoldOctets = 75;
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

void AppendObservance(std::string& out,
                      const char* component,
                      const CivilTime& onset,
                      int offsetBeforeSeconds,
                      int offsetAfterSeconds) {
    out += "BEGIN:";
    out += component;
    out += "\r\n";
    AppendContentLine(out, "DTSTART:" + IcalDateTime(onset, false));
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
        AppendObservance(out, component, change.onset, change.offsetBeforeSeconds, change.offsetAfterSeconds);
    }
    out += "END:VTIMEZONE\r\n";
}
