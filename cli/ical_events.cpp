#include "cli/ical_events.h"

#include <cstdio>
#include <string_view>
#include <vector>

#include "calendar/gregorian.h"
#include "cli/encoding.h"
#include "cli/ical_writer.h"
#include "cli/ical_zones.h"
#include "holidays/holiday_table.h"
#include "holidays/holiday_text.h"
#include "zmanim/day_zmanim.h"
#include "zmanim/local_time.h"
#include "zmanim/solar.h"
#include "zmanim/zmanim_text.h"

namespace {

constexpr char kProductId[] = "-//Kestrelon//kestrelon-cli//EN";
constexpr char kUidDomain[] = "@kestrelon";

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

void WriteHolidays(const IcalRequest& request, const std::string& stamp, CalendarSink& sink) {
    HolidayLines lines;
    FillHolidayLines(request.observance, lines);
    const char* observanceName = IsDiaspora(request.observance) ? "diaspora" : "israel";
    const std::string stampLine = "DTSTAMP:" + stamp + "\r\n";
    const HolidayTable table = HolidayTableFor(request.observance);
    for (int i = 0; i < table.count; ++i) {
        const HolidayRow& row = table.rows[i];
        // A day's holidays as its text shows them: each once, under the name that text gives it.
        if (row.year < request.from || row.year > request.to || !HolidayShownInDayText(row.code, request.observance)) {
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
    const std::string startName = zone.tzid.empty() ? "DTSTART:" : "DTSTART;TZID=" + zone.tzid + ":";

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
            const std::optional<long long> instant = EventInstant(*event.minutes, day);
            const std::optional<CivilTime> start = instant ? EventTime(zone, WholeMinute(*instant)) : std::nullopt;
            if (!start) {
                continue;
            }
            std::string& out = sink.Text();
            out += "BEGIN:VEVENT\r\n";
            AppendContentLine(out, "UID:" + IcalDate(d, m, y) + "-" + event.name + "-" + key + kUidDomain);
            out += "DTSTAMP:" + stamp + "\r\n";
            AppendContentLine(out, startName + IcalDateTime(*start, zone.tzid.empty()));
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

}  // namespace

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
        AppendEventZone(out, zone, request.from, request.to);
    }
    WriteHolidays(request, stamp, sink);
    if (request.zmanim) {
        WriteZmanim(request, zone, stamp, sink);
    }
    sink.Text() += "END:VCALENDAR\r\n";
    return sink.Finish();
}
