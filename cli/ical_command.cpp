// ical: the holidays of a span of years as an iCalendar file, with --zmanim also the sunrise and sunset of every
// day at a place.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "calendar/clock.h"
#include "calendar/gregorian.h"
#include "cli/arguments.h"
#include "cli/binary_stdout.h"
#include "cli/commands.h"
#include "cli/encoding.h"
#include "cli/host_zone_name.h"
#include "cli/ical_writer.h"
#include "cli/output.h"
#include "cli/place_options.h"
#include "holidays/holiday_table.h"
#include "holidays/holiday_text.h"
#include "location/location.h"
#include "zmanim/day_zmanim.h"
#include "zmanim/host_zone.h"
#include "zmanim/solar.h"
#include "zmanim/zmanim_text.h"

namespace {

constexpr int kDefaultYears = 5;  // without --from and --to: the current year and the next four
constexpr std::size_t kFlushSize = 256 * 1024;
constexpr long long kSecondsPerDay = 86400;
constexpr double kMinutesPerDay = 1440.0;
constexpr DayNumber kDayNumberOf1970 = 2440588;  // 1 January 1970, where SOURCE_DATE_EPOCH and time() count from
constexpr char kProductId[] = "-//Kestrelon//kestrelon-cli//EN";
constexpr char kUidDomain[] = "@kestrelon";

// The options as given on the command line.
struct IcalOptions {
    std::optional<std::string> observance;
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::optional<std::string> output;
    PlaceOptions place;
    bool zmanim = false;
};

// What to write, once the options are checked.
struct IcalRequest {
    Observance observance = Observance::Diaspora;
    int from = 0;
    int to = 0;
    bool zmanim = false;
    Location location;  // with zmanim only
    std::optional<std::string> output;
};

// Reads the options into options; on a bad argument writes why into reason and returns false.
bool ReadIcalOptions(const Arguments& args, IcalOptions& options, std::string& reason) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--zmanim") {
            options.zmanim = true;
            continue;
        }
        std::optional<std::string>* slot = nullptr;
        if (name == "--observance") {
            slot = &options.observance;
        } else if (name == "--from") {
            slot = &options.from;
        } else if (name == "--to") {
            slot = &options.to;
        } else if (name == "-o" || name == "--output") {
            slot = &options.output;
        } else if (name == "--zip") {
            slot = &options.place.zip;
        } else if (name == "--city") {
            slot = &options.place.city;
        } else if (name == "--lat") {
            slot = &options.place.latitude;
        } else if (name == "--lon") {
            slot = &options.place.longitude;
        } else if (name == "--elevation") {
            slot = &options.place.elevation;
        } else if (name == "--units") {
            slot = &options.place.units;
        } else {
            reason = "ical: unknown option " + Quote(name);
            return false;
        }
        if (i + 1 >= args.size()) {
            reason = "ical: " + name + " needs a value";
            return false;
        }
        if (slot->has_value()) {
            reason = "ical: " + name + " given twice";
            return false;
        }
        *slot = args[++i];
    }
    return true;
}

std::optional<int> ParseYear(const std::string& text) {
    if (text.size() != 4) {
        return std::nullopt;
    }
    int year = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        year = year * 10 + (c - '0');
    }
    if (year < kFirstSupportedYear || year > kLastSupportedYear) {
        return std::nullopt;
    }
    return year;
}

bool HasPlace(const PlaceOptions& place) {
    return place.NamesAPlace() || place.elevation || place.units;
}

// The observance, the span and the place of the options. The span defaults to the current year and the next
// four; --from alone starts it, --to alone ends it. Returns 0, or the exit status of the error it reported.
int ResolveIcalRequest(const IcalOptions& options, int currentYear, IcalRequest& request) {
    // Without --observance and without a place the saved ones apply, as for the other commands.
    SavedSettings saved;
    if (const int status = ResolveObservance(options.observance, saved, request.observance); status != 0) {
        return status;
    }
    const std::optional<int> from = options.from ? ParseYear(*options.from) : std::nullopt;
    if (options.from && !from) {
        return UsageError("--from must be a year from 1900 to 2099, not " + Quote(*options.from));
    }
    const std::optional<int> to = options.to ? ParseYear(*options.to) : std::nullopt;
    if (options.to && !to) {
        return UsageError("--to must be a year from 1900 to 2099, not " + Quote(*options.to));
    }
    const int thisYear = std::min(std::max(currentYear, kFirstSupportedYear), kLastSupportedYear);
    request.from = from ? *from : (to ? std::min(thisYear, *to) : thisYear);
    request.to = to ? *to : std::min(request.from + kDefaultYears - 1, kLastSupportedYear);
    if (request.from > request.to) {
        return UsageError("--from must not be after --to");
    }
    request.zmanim = options.zmanim;
    if (!options.zmanim && HasPlace(options.place)) {
        return UsageError("ical: a place is used only with --zmanim");
    }
    if (options.zmanim) {
        if (const int status = ResolvePlace(options.place, PlaceUse::Show, "ical", saved, request.location);
            status != 0) {
            return status;
        }
    }
    request.output = options.output;
    return 0;
}

// DTSTAMP: the time of the run in UTC, or SOURCE_DATE_EPOCH (seconds since 1970) when it is set, so that two runs
// can give the same file. Empty when SOURCE_DATE_EPOCH is not such a number.
std::string TimeStamp() {
    long long seconds = 0;
    if (const char* fixed = std::getenv("SOURCE_DATE_EPOCH"); fixed != nullptr) {
        const std::string text = fixed;
        if (text.empty() || text.size() > 11 || text.find_first_not_of("0123456789") != std::string::npos) {
            return {};
        }
        seconds = std::stoll(text);
    } else {
        seconds = static_cast<long long>(std::time(nullptr));
    }
    return IcalDateTime(CivilTimeOfSeconds(kDayNumberOf1970 * kSecondsPerDay + seconds), true);
}

// How the times of the zmanim are written.
enum class ZoneKind {
    Zip,   // a ZIP place: its own VTIMEZONE from the fixed offset and the US rule
    Host,  // the computer's zone under its name, with a VTIMEZONE of its changes in the span
    Utc,   // the computer's zone has no name the program can tell: times in UTC
};
struct EventZone {
    ZoneKind kind = ZoneKind::Utc;
    std::string tzid;
    ZoneRule rule{};
};

EventZone EventZoneOf(const Location& location) {
    EventZone zone;
    zone.rule = location.zoneRule();
    if (!zone.rule.useHostZone) {
        char tzid[64];
        std::snprintf(tzid, sizeof tzid, "Kestrelon/UTC%+03d%s", zone.rule.offsetHours,
                      zone.rule.observesDst ? "/US-DST" : "");
        zone.kind = ZoneKind::Zip;
        zone.tzid = tzid;
        return zone;
    }
    zone.tzid = HostZoneName();
    zone.kind = zone.tzid.empty() ? ZoneKind::Utc : ZoneKind::Host;
    return zone;
}

std::optional<int> HostOffsetAt(long long utcSeconds) {
    CivilTime local{};
    if (!HostUtcToLocal(CivilTimeOfSeconds(utcSeconds), local)) {
        return std::nullopt;
    }
    return static_cast<int>(CivilTimeSeconds(local) - utcSeconds);
}

// The changes of the computer's zone from two days before the span to two days after it, found by reading its
// offset once a day and narrowing each change down to the second; the first entry is the offset at the start.
// Nothing when the zone cannot convert an instant of the span.
std::optional<std::vector<ZoneChange>> HostZoneChanges(int fromYear, int toYear) {
    const long long start = (GregorianToDayNumber(1, 1, fromYear) - 2) * kSecondsPerDay;
    const long long end = (GregorianToDayNumber(31, 12, toYear) + 2) * kSecondsPerDay;
    std::optional<int> offset = HostOffsetAt(start);
    if (!offset) {
        return std::nullopt;
    }
    std::vector<ZoneChange> changes{{CivilTimeOfSeconds(start + *offset), *offset, *offset}};
    for (long long t = start; t < end; t += kSecondsPerDay) {
        const std::optional<int> next = HostOffsetAt(t + kSecondsPerDay);
        if (!next) {
            return std::nullopt;
        }
        if (*next == *offset) {
            continue;
        }
        // The offset is *offset at low and *next at high; one change lies between.
        long long low = t;
        long long high = t + kSecondsPerDay;
        while (high - low > 1) {
            const long long middle = low + (high - low) / 2;
            const std::optional<int> there = HostOffsetAt(middle);
            if (!there) {
                return std::nullopt;
            }
            (*there == *offset ? low : high) = middle;
        }
        changes.push_back({CivilTimeOfSeconds(high + *offset), *offset, *next});
        offset = next;
    }
    return changes;
}

// The description as paragraphs: the lines holding one blank (the text view's empty lines) left empty, and no
// line end after the last paragraph. "Purim -- 14 Adar\n \nCelebrates ...\n \n" is
// "Purim -- 14 Adar\n\nCelebrates ...".
std::string PlainParagraphs(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line == " ") {
            line = {};
        }
        out.append(line.data(), line.size());
        out += '\n';
    }
    while (!out.empty() && out.back() == '\n') {
        out.pop_back();
    }
    return out;
}

std::string TextLine(std::string_view name, std::string_view windows1252Value) {
    std::string line(name);
    line += ':';
    AppendEscapedText(line, Utf8FromWindows1252(windows1252Value));
    std::string out;
    AppendContentLine(out, line);
    return out;
}

// The SUMMARY and DESCRIPTION lines of every code, folded once for the run.
struct HolidayLines {
    std::string summary[kHolidayCodeCount];
    std::string description[kHolidayCodeCount];  // empty for the codes without one
};

void FillHolidayLines(Observance observance, HolidayLines& lines) {
    std::vector<char> text(kHolidayDescriptionSize);
    for (int number = 1; number < kHolidayCodeCount; ++number) {
        const auto code = static_cast<HolidayCode>(number);
        lines.summary[number] = TextLine("SUMMARY", HolidayName(code, observance));
        const std::size_t length = HolidayDescription(code, text.data(), text.size());
        const std::string paragraphs = PlainParagraphs(std::string_view(text.data(), length));
        if (!paragraphs.empty()) {
            lines.description[number] = TextLine("DESCRIPTION", paragraphs);
        }
    }
}

// Standard output or a file; text is written out whenever kFlushSize of it has gathered.
class CalendarSink {
  public:
    explicit CalendarSink(std::FILE* file) : file_(file) { text_.reserve(kFlushSize + 4096); }
    std::string& Text() { return text_; }
    void MaybeFlush() {
        if (text_.size() >= kFlushSize) {
            Flush();
        }
    }
    // True when everything reached the file.
    bool Finish() {
        Flush();
        return ok_ && std::fflush(file_) == 0 && std::ferror(file_) == 0;
    }

  private:
    void Flush() {
        if (ok_ && !text_.empty() && std::fwrite(text_.data(), 1, text_.size(), file_) != text_.size()) {
            ok_ = false;
        }
        text_.clear();
    }
    std::FILE* file_;
    std::string text_;
    bool ok_ = true;
};

void WriteHolidays(const IcalRequest& request, const std::string& stamp, CalendarSink& sink) {
    HolidayLines lines;
    FillHolidayLines(request.observance, lines);
    const char* observanceName = IsDiaspora(request.observance) ? "diaspora" : "israel";
    const std::string stampLine = "DTSTAMP:" + stamp + "\r\n";
    const HolidayTable table = HolidayTableFor(request.observance);
    for (int i = 0; i < table.count; ++i) {
        const HolidayRow& row = table.rows[i];
        if (row.year < request.from || row.year > request.to) {
            continue;
        }
        const int number = CodeNumber(row.code);
        const std::string date = IcalDate(row.day, row.month, row.year);
        int endDay = 0, endMonth = 0, endYear = 0;
        DayNumberToGregorian(row.dayNumber + 1, endDay, endMonth, endYear);
        std::string& out = sink.Text();
        out += "BEGIN:VEVENT\r\nUID:";
        out += date;
        out += '-';
        out += std::to_string(number);
        out += '-';
        out += observanceName;
        out += kUidDomain;
        out += "\r\n";
        out += stampLine;
        out += "DTSTART;VALUE=DATE:" + date + "\r\n";
        out += "DTEND;VALUE=DATE:" + IcalDate(endDay, endMonth, endYear) + "\r\n";
        out += lines.summary[number];
        out += lines.description[number];
        out += "CATEGORIES:Holiday\r\nTRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
        sink.MaybeFlush();
    }
}

// The UTC instant of minutesUt minutes after 0h UT of day, truncated to the minute as the program shows its
// times; nothing when the minutes are not a number or lie beyond the next or previous day.
std::optional<CivilTime> UtcMinuteOf(double minutesUt, DayNumber day) {
    if (!std::isfinite(minutesUt)) {
        return std::nullopt;
    }
    if (minutesUt >= kMinutesPerDay) {
        minutesUt -= kMinutesPerDay;
        ++day;
    } else if (minutesUt < 0) {
        minutesUt += kMinutesPerDay;
        --day;
    }
    if (minutesUt < 0 || minutesUt >= kMinutesPerDay) {
        return std::nullopt;
    }
    const UtClock clock = SplitUtMinutes(minutesUt);
    CivilTime time{};
    DayNumberToGregorian(day, time.day, time.month, time.year);
    time.hour = clock.hour;
    time.minute = clock.minute;
    return time;
}

// "zip10001", "city100016", or the packed position "pos4045N07400W"; part of the UIDs of the zmanim, so that the
// same place gives the same UIDs.
std::string PlaceKey(const Location& location) {
    char key[48];
    if (location.city() > 0) {
        std::snprintf(key, sizeof key, "%s%d", location.isZipCode() ? "zip" : "city",
                      static_cast<int>(location.city()));
        return key;
    }
    const UnpackedAngle latitude = unpackAngle(location.latitude());
    const UnpackedAngle longitude = unpackAngle(location.longitude());
    std::snprintf(key, sizeof key, "pos%02d%02d%c%03d%02d%c", latitude.degrees, latitude.minutes,
                  latitude.negative ? 'S' : 'N', longitude.degrees, longitude.minutes, longitude.negative ? 'E' : 'W');
    return key;
}

void WriteZmanim(const IcalRequest& request, const EventZone& zone, const std::string& stamp, CalendarSink& sink) {
    const ZmanimPlace place = ZmanimPlaceOf(request.location);
    const std::string key = PlaceKey(request.location);
    char label[kPlaceLabelSize];
    FormatPlaceLabel(request.location, LabelStyle::Clipboard, label, sizeof label);
    const std::string locationLine = label[0] != '\0' ? TextLine("LOCATION", label) : std::string();
    char geo[64];
    std::snprintf(geo, sizeof geo, "GEO:%.6f;%.6f\r\n", place.latitude, -place.longitude);
    const std::string startName = zone.kind == ZoneKind::Utc ? "DTSTART:" : "DTSTART;TZID=" + zone.tzid + ":";

    const DayNumber first = GregorianToDayNumber(1, 1, request.from);
    const DayNumber last = GregorianToDayNumber(31, 12, request.to);
    for (DayNumber day = first; day <= last; ++day) {
        int d = 0, m = 0, y = 0;
        DayNumberToGregorian(day, d, m, y);
        const double jd = julianDay(y, m, d);
        const struct {
            const char* name;
            const char* summary;
            std::optional<double> minutes;
        } events[] = {
            {"sunrise", "Sunrise", sunriseUt(jd, place.latitude, place.longitude, place.elevationMetres)},
            {"sunset", "Sunset", sunsetUt(jd, place.latitude, place.longitude, place.elevationMetres)},
        };
        for (const auto& event : events) {
            if (!event.minutes) {
                continue;  // a polar day or night
            }
            const std::optional<CivilTime> utc = UtcMinuteOf(*event.minutes, day);
            if (!utc) {
                continue;
            }
            CivilTime start = *utc;
            if (zone.kind == ZoneKind::Zip) {
                start = FixedZoneToLocal(*utc, zone.rule.offsetHours, zone.rule.observesDst);
            } else if (zone.kind == ZoneKind::Host && !HostUtcToLocal(*utc, start)) {
                continue;
            }
            std::string& out = sink.Text();
            out += "BEGIN:VEVENT\r\n";
            AppendContentLine(out, "UID:" + IcalDate(d, m, y) + "-" + event.name + "-" + key + kUidDomain);
            out += "DTSTAMP:" + stamp + "\r\n";
            AppendContentLine(out, startName + IcalDateTime(start, zone.kind == ZoneKind::Utc));
            out += "DURATION:PT1M\r\nSUMMARY:";
            out += event.summary;
            out += "\r\n";
            out += locationLine;
            out += geo;
            out += "CATEGORIES:Zmanim\r\nTRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
        }
        sink.MaybeFlush();
    }
}

// The whole calendar into sink. False when it could not be written.
bool WriteCalendar(const IcalRequest& request, const std::string& stamp, CalendarSink& sink) {
    std::string& out = sink.Text();
    out += "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    AppendContentLine(out, std::string("PRODID:") + kProductId);
    out += "CALSCALE:GREGORIAN\r\nMETHOD:PUBLISH\r\n";
    std::string name = IsDiaspora(request.observance) ? "Kestrelon holidays (Diaspora)" : "Kestrelon holidays (Israel)";
    EventZone zone;
    if (request.zmanim) {
        char label[kPlaceLabelSize];
        FormatPlaceLabel(request.location, LabelStyle::Clipboard, label, sizeof label);
        name += label[0] != '\0' ? std::string(", sunrise and sunset at ") + label : ", sunrise and sunset";
        zone = EventZoneOf(request.location);
    }
    out += TextLine("X-WR-CALNAME", name);
    if (request.zmanim) {
        if (zone.kind == ZoneKind::Zip) {
            AppendUsRuleTimezone(out, zone.tzid, zone.rule.offsetHours, zone.rule.observesDst);
        } else if (zone.kind == ZoneKind::Host) {
            const std::optional<std::vector<ZoneChange>> changes = HostZoneChanges(request.from, request.to);
            if (changes) {
                AppendChangesTimezone(out, zone.tzid, *changes);
            } else {
                zone.kind = ZoneKind::Utc;
            }
        }
    }
    WriteHolidays(request, stamp, sink);
    if (request.zmanim) {
        WriteZmanim(request, zone, stamp, sink);
    }
    sink.Text() += "END:VCALENDAR\r\n";
    return sink.Finish();
}

// Into a temporary file beside path, then renamed over it, so that a failed run leaves an earlier file whole.
bool WriteCalendarFile(const IcalRequest& request, const std::string& stamp, const std::string& path) {
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    CalendarSink sink(file);
    const bool written = WriteCalendar(request, stamp, sink);
    const bool closed = std::fclose(file) == 0;
    std::error_code error;
    if (written && closed) {
        std::filesystem::rename(temporary, path, error);
        if (!error) {
            return true;
        }
    }
    std::filesystem::remove(temporary, error);
    return false;
}

}  // namespace

int RunIcalCommand(const Arguments& args) {
    IcalOptions options;
    std::string reason;
    if (!ReadIcalOptions(args, options, reason)) {
        return UsageError(reason);
    }
    IcalRequest request;
    if (const int status = ResolveIcalRequest(options, ReadLocalClock().year, request); status != 0) {
        return status;
    }
    const std::string stamp = TimeStamp();
    if (stamp.empty()) {
        return UsageError("SOURCE_DATE_EPOCH must be a number of seconds since 1970");
    }
    if (request.output) {
        if (!WriteCalendarFile(request, stamp, *request.output)) {
            std::fprintf(stderr, "kestrelon-cli: cannot write %s\n", request.output->c_str());
            return 1;
        }
        return 0;
    }
    UseBinaryStdout();
    CalendarSink sink(stdout);
    if (!WriteCalendar(request, stamp, sink)) {
        std::fprintf(stderr, "kestrelon-cli: cannot write the output\n");
        return 1;
    }
    return 0;
}
