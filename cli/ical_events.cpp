#include "cli/ical_events.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "app/shabbat_times.h"

#include "calendar/anniversary.h"
#include "calendar/gregorian.h"
#include "calendar/month_names.h"
#include "cli/ical_writer.h"
#include "cli/ical_zones.h"
#include "holidays/daf_yomi.h"
#include "holidays/holiday_table.h"
#include "holidays/holiday_text.h"
#include "holidays/omer.h"
#include "holidays/parsha.h"
#include "location/encoding.h"
#include "zmanim/day_zmanim.h"
#include "zmanim/evening_times.h"
#include "zmanim/local_time.h"
#include "zmanim/solar.h"
#include "zmanim/zmanim_text.h"

namespace {

constexpr char kProductId[] = "-//Kestrelon//kestrelon-cli//EN";
constexpr char kUidDomain[] = "@kestrelon";
constexpr std::size_t kOmerTextSize = 96;  // "Today is 48 days, which is 6 weeks and 6 days of the Omer" is 57

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

// What every timed event at the place shares: its zone, the start of its DTSTART line, the key of its UIDs, its
// LOCATION and GEO lines.
struct PlaceEvents {
    EventZone zone;
    std::string stampLine;
    std::string startName;
    std::string key;
    std::string locationLine;  // empty for a place without a label
    std::string geoLine;
    ZmanimPlace place;
};

PlaceEvents PlaceEventsOf(const IcalRequest& request, const EventZone& zone, const std::string& stamp) {
    PlaceEvents events;
    events.zone = zone;
    events.place = ZmanimPlaceOf(request.location);
    events.key = PlaceKey(request.location);
    char label[kPlaceLabelSize];
    FormatPlaceLabel(request.location, LabelStyle::Clipboard, label, sizeof label);
    events.locationLine = label[0] != '\0' ? TextLine("LOCATION", label) : std::string();
    char geo[64];
    std::snprintf(geo, sizeof geo, "GEO:%.6f;%.6f\r\n", events.place.latitude, -events.place.longitude);
    events.geoLine = geo;
    events.stampLine = "DTSTAMP:" + stamp + "\r\n";
    events.startName = zone.tzid.empty() ? "DTSTART:" : "DTSTART;TZID=" + zone.tzid + ":";
    return events;
}

// A minute-long event at the UT instant (truncated to its minute), on the place's clock. extraLines go after its
// GEO, components (a VALARM) at its end. Nothing when the zone cannot convert the instant.
void AppendTimedEvent(std::string& out,
                      const PlaceEvents& at,
                      const std::string& uid,
                      long long instant,
                      std::string_view summaryLine,
                      std::string_view category,
                      std::string_view extraLines = {},
                      std::string_view components = {}) {
    const std::optional<CivilTime> start = EventTime(at.zone, WholeMinute(instant));
    if (!start) {
        return;
    }
    out += "BEGIN:VEVENT\r\n";
    AppendContentLine(out, "UID:" + uid + kUidDomain);
    out += at.stampLine;
    AppendContentLine(out, at.startName + IcalDateTime(*start, at.zone.tzid.empty()));
    out += "DURATION:PT1M\r\n";
    out += summaryLine;
    out += at.locationLine;
    out += at.geoLine;
    out += extraLines;
    out += "CATEGORIES:";
    out += category;
    out += "\r\nTRANSP:TRANSPARENT\r\n";
    out += components;
    out += "END:VEVENT\r\n";
}

std::string DateOf(DayNumber day) {
    int d = 0, m = 0, y = 0;
    DayNumberToGregorian(day, d, m, y);
    return IcalDate(d, m, y);
}

void WriteZmanim(const IcalRequest& request, const PlaceEvents& at, CalendarSink& sink) {
    const DayNumber first = GregorianToDayNumber(1, 1, request.from);
    const DayNumber last = GregorianToDayNumber(31, 12, request.to);
    for (DayNumber day = first; day <= last; ++day) {
        int d = 0, m = 0, y = 0;
        DayNumberToGregorian(day, d, m, y);
        const double jd = julianDay(y, m, d);
        const ZmanimPlace& place = at.place;
        const struct {
            const char* name;
            const char* summary;
            std::optional<double> minutes;
        } events[] = {
            {"sunrise", "SUMMARY:Sunrise\r\n", sunriseUt(jd, place.latitude, place.longitude, place.elevationMetres)},
            {"sunset", "SUMMARY:Sunset\r\n", sunsetUt(jd, place.latitude, place.longitude, place.elevationMetres)},
        };
        for (const auto& event : events) {
            if (!event.minutes) {
                continue;  // a polar day or night
            }
            if (const std::optional<long long> instant = EventInstant(*event.minutes, day)) {
                AppendTimedEvent(sink.Text(), at, IcalDate(d, m, y) + "-" + event.name + "-" + at.key, *instant,
                                 event.summary, "Zmanim");
            }
        }
        sink.MaybeFlush();
    }
}

// Candle lighting, havdalah and the fasts' beginnings and ends, the times `shabbat --csv` lists for the span; a
// time that does not happen (a polar day or night, a night too light for nightfall) is left out.
void WriteShabbatTimes(const IcalRequest& request, const PlaceEvents& at, CalendarSink& sink) {
    const std::string observanceKey = IsDiaspora(request.observance) ? "diaspora" : "israel";
    const std::string trigger =
        request.remindMinutes ? "TRIGGER:-PT" + std::to_string(*request.remindMinutes) + "M\r\n" : std::string();
    for (int year = request.from; year <= request.to; ++year) {
        const std::vector<ShabbatTime> times =
            ShabbatTimes(GregorianToDayNumber(1, 1, year), GregorianToDayNumber(31, 12, year), request.observance,
                         at.place, request.rules);
        for (const ShabbatTime& time : times) {
            if (!time.instant) {
                continue;
            }
            std::string summary = std::string(ShabbatTimeKindName(time.kind)) + ": ";
            AppendShabbatTimeOccasion(summary, time, request.observance);
            const bool fast = time.kind == ShabbatTimeKind::FastBegins || time.kind == ShabbatTimeKind::FastEnds;
            std::string extra;
            if (time.moment == DayMoment::NightfallCandles) {
                extra =
                    TextLine("DESCRIPTION", "Not before nightfall (this time), when the day of rest before it ends.");
            }
            std::string alarm;
            if (request.remindMinutes && time.kind == ShabbatTimeKind::Candles) {
                alarm = "BEGIN:VALARM\r\nACTION:DISPLAY\r\n" + trigger + TextLine("DESCRIPTION", summary) +
                        "END:VALARM\r\n";
            }
            AppendTimedEvent(sink.Text(), at,
                             DateOf(time.date) + "-" + ShabbatTimeKey(time.kind) + "-" + at.key + "-" + observanceKey,
                             *time.instant, TextLine("SUMMARY", summary), fast ? "Fasts" : "Shabbat and festivals",
                             extra, alarm);
        }
        sink.MaybeFlush();
    }
}

// Each evening of the Omer at its nightfall: the evening of 15 Nisan (the first count) to that of 4 Sivan, an
// evening without nightfall (a summer night too light for it) left out.
void WriteOmer(const IcalRequest& request, const PlaceEvents& at, CalendarSink& sink) {
    const DayNumber first = GregorianToDayNumber(1, 1, request.from);
    const DayNumber last = GregorianToDayNumber(31, 12, request.to);
    char text[kOmerTextSize];
    for (DayNumber evening = first; evening <= last; ++evening) {
        const int count = OmerCount(evening + 1);
        if (count == 0) {
            continue;
        }
        const std::optional<double> minutes = NightfallMinutes(evening, at.place);
        const std::optional<long long> instant = minutes ? EventInstant(*minutes, evening) : std::nullopt;
        if (!instant) {
            continue;
        }
        FormatOmerText(count, text, sizeof text);
        AppendTimedEvent(sink.Text(), at, DateOf(evening) + "-omer-" + at.key, *instant,
                         "SUMMARY:Omer " + std::to_string(count) + "\r\n", "Omer", TextLine("DESCRIPTION", text));
        sink.MaybeFlush();
    }
}

// An all-day event of one day.
void AppendDayEvent(std::string& out,
                    DayNumber day,
                    const std::string& uid,
                    const std::string& stampLine,
                    std::string_view summaryLine,
                    std::string_view category) {
    out += "BEGIN:VEVENT\r\n";
    AppendContentLine(out, "UID:" + uid + kUidDomain);
    out += stampLine;
    out += "DTSTART;VALUE=DATE:" + DateOf(day) + "\r\n";
    out += "DTEND;VALUE=DATE:" + DateOf(day + 1) + "\r\n";
    out += summaryLine;
    out += "CATEGORIES:";
    out += category;
    out += "\r\nTRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
}

// The weekly portion of every Saturday of the span. A Shabbat that is a festival day has none: the holiday events
// name that day already.
void WritePortions(const IcalRequest& request, const std::string& stamp, CalendarSink& sink) {
    const std::string observanceKey = IsDiaspora(request.observance) ? "diaspora" : "israel";
    const std::string stampLine = "DTSTAMP:" + stamp + "\r\n";
    const DayNumber last = GregorianToDayNumber(31, 12, request.to);
    char name[kWeeklyPortionNameSize];
    for (DayNumber n = GregorianToDayNumber(1, 1, request.from);;) {
        const WeeklyPortion reading = PortionOfShabbat(n, request.observance);
        if (reading.shabbat > last) {
            break;
        }
        n = reading.shabbat + 7;
        if (reading.first == Portion::None) {
            continue;
        }
        WeeklyPortionName(reading, request.observance, name, sizeof name);
        AppendDayEvent(sink.Text(), reading.shabbat, DateOf(reading.shabbat) + "-parsha-" + observanceKey, stampLine,
                       TextLine("SUMMARY", std::string("Torah portion: ") + name), "Torah portion");
        sink.MaybeFlush();
    }
}

// The daf yomi of every day of the span from the first cycle's first day.
void WriteDafYomi(const IcalRequest& request, const std::string& stamp, CalendarSink& sink) {
    const std::string stampLine = "DTSTAMP:" + stamp + "\r\n";
    const DayNumber last = GregorianToDayNumber(31, 12, request.to);
    for (DayNumber day = std::max(GregorianToDayNumber(1, 1, request.from), kFirstDafYomiDay); day <= last; ++day) {
        const DafYomi daf = *DafYomiOn(day);
        const std::string summary =
            "Daf yomi: " + std::string(TractateName(daf.tractate)) + " " + std::to_string(daf.page);
        AppendDayEvent(sink.Text(), day, DateOf(day) + "-daf", stampLine, TextLine("SUMMARY", summary), "Daf yomi");
        sink.MaybeFlush();
    }
}

// "Date: March 5, 1990, after sunset (Adar 9, 5750)", or the Hebrew date alone when that was given.
std::string PersonDateDescription(const PersonDate& date) {
    char line[64];
    std::string text = "Date: ";
    if (date.civilDay) {
        int d = 0, m = 0, y = 0;
        DayNumberToGregorian(*date.civilDay, d, m, y);
        text += std::string(line, FormatDateLine(GregorianMonthName(m), d, y, line, sizeof line)) +
                (date.afterSunset ? ", after sunset (" : " (");
    }
    const HebrewDate hebrew = HebrewDateOf(date);
    text +=
        std::string(line, FormatDateLine(HebrewMonthName(hebrew.month), hebrew.day, hebrew.year, line, sizeof line));
    return date.civilDay ? text + ")" : text;
}

// The part of a date's UIDs that tells its people apart: the Hebrew date of the event and the name's bytes, each but
// a letter or digit as %XX, so that two names never give the same key. "h57501209-Sarah%20bat%20Avraham".
std::string PersonDateKey(const PersonDate& date) {
    const HebrewDate hebrew = HebrewDateOf(date);
    char key[32];
    std::snprintf(key, sizeof key, "h%04d%02d%02d-", hebrew.year, hebrew.month, hebrew.day);
    std::string out = key;
    for (const char c : date.name) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) {
            out += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            out += escaped;
        }
    }
    return out;
}

// A text line of a UTF-8 value.
std::string Utf8TextLine(std::string_view name, std::string_view utf8Value) {
    std::string line(name);
    line += ':';
    AppendEscapedText(line, utf8Value);
    std::string out;
    AppendContentLine(out, line);
    return out;
}

// Every yearly day of each person's date in the span as an all-day event; with a place (at), a yahrzeit's start at
// sunset the evening before as a timed event too, with a reminder when asked.
void WritePeopleDates(const IcalRequest& request, const std::string& stamp, const PlaceEvents* at, CalendarSink& sink) {
    const std::string stampLine = "DTSTAMP:" + stamp + "\r\n";
    const DayNumber first = GregorianToDayNumber(1, 1, request.from);
    const DayNumber last = GregorianToDayNumber(31, 12, request.to);
    const std::string trigger =
        request.remindMinutes ? "TRIGGER:-PT" + std::to_string(*request.remindMinutes) + "M\r\n" : std::string();
    for (const PersonDate& date : request.people) {
        const std::string key = PersonDateKey(date);
        const std::string kind = PersonDateKindName(date.kind);
        const std::string description = Utf8TextLine("DESCRIPTION", PersonDateDescription(date));
        for (const YearlyOccurrence& occurrence :
             YearlyOccurrencesIn(HebrewDateOf(date), date.kind, date.adar, first, last)) {
            const std::string summary = PersonDateTitle(date, occurrence.hebrewYear);
            std::string& out = sink.Text();
            AppendDayEvent(out, occurrence.day, DateOf(occurrence.day) + "-" + kind + "-" + key, stampLine,
                           Utf8TextLine("SUMMARY", summary) + description, "People's dates");
            const DayNumber evening = occurrence.day - 1;
            if (at == nullptr || date.kind != PersonDateKind::Yahrzeit || evening < first) {
                continue;
            }
            int d = 0, m = 0, y = 0;
            DayNumberToGregorian(evening, d, m, y);
            const std::optional<double> sunset =
                sunsetUt(julianDay(y, m, d), at->place.latitude, at->place.longitude, at->place.elevationMetres);
            const std::optional<long long> instant = sunset ? EventInstant(*sunset, evening) : std::nullopt;
            if (!instant) {
                continue;  // a polar day or night
            }
            const std::string begins =
                "Yahrzeit begins: " + date.name + " (" + std::to_string(occurrence.hebrewYear) + ")";
            const std::string alarm = request.remindMinutes ? "BEGIN:VALARM\r\nACTION:DISPLAY\r\n" + trigger +
                                                                  Utf8TextLine("DESCRIPTION", begins) + "END:VALARM\r\n"
                                                            : std::string();
            AppendTimedEvent(out, *at, DateOf(evening) + "-yahrzeit-evening-" + key + "-" + at->key, *instant,
                             Utf8TextLine("SUMMARY", begins), "People's dates", description, alarm);
        }
        sink.MaybeFlush();
    }
}

// The calendar's name: the holidays, then what else it holds, the times at the place last. "Kestrelon holidays
// (Diaspora), sunrise and sunset at New York, NY 10001".
std::string CalendarName(const IcalRequest& request) {
    std::string name = IsDiaspora(request.observance) ? "Kestrelon holidays (Diaspora)" : "Kestrelon holidays (Israel)";
    if (request.parsha) {
        name += ", Torah portions";
    }
    if (request.daf) {
        name += ", daf yomi";
    }
    if (request.dates) {
        name += ", people's dates";
    }
    if (!request.HasTimesAtPlace()) {
        return name;
    }
    if (request.zmanim) {
        name += ", sunrise and sunset";
    }
    if (request.shabbat) {
        name += ", candle lighting, havdalah and fasts";
    }
    if (request.omer) {
        name += ", the Omer";
    }
    if (request.yahrzeitEvenings) {
        name += ", the yahrzeits' evenings";
    }
    char label[kPlaceLabelSize];
    FormatPlaceLabel(request.location, LabelStyle::Clipboard, label, sizeof label);
    return label[0] != '\0' ? name + " at " + label : name;
}

}  // namespace

bool WriteCalendar(const IcalRequest& request, const std::string& stamp, CalendarSink& sink) {
    std::string& out = sink.Text();
    out += "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    AppendContentLine(out, std::string("PRODID:") + kProductId);
    out += "CALSCALE:GREGORIAN\r\nMETHOD:PUBLISH\r\n";
    out += TextLine("X-WR-CALNAME", CalendarName(request));
    EventZone zone;
    if (request.HasTimesAtPlace()) {
        zone = EventZoneOf(request.location);
        AppendEventZone(out, zone, request.from, request.to);
    }
    WriteHolidays(request, stamp, sink);
    std::optional<PlaceEvents> at;
    if (request.HasTimesAtPlace()) {
        at = PlaceEventsOf(request, zone, stamp);
        if (request.zmanim) {
            WriteZmanim(request, *at, sink);
        }
        if (request.shabbat) {
            WriteShabbatTimes(request, *at, sink);
        }
        if (request.omer) {
            WriteOmer(request, *at, sink);
        }
    }
    if (request.parsha) {
        WritePortions(request, stamp, sink);
    }
    if (request.daf) {
        WriteDafYomi(request, stamp, sink);
    }
    if (request.dates) {
        WritePeopleDates(request, stamp, request.yahrzeitEvenings ? &*at : nullptr, sink);
    }
    sink.Text() += "END:VCALENDAR\r\n";
    return sink.Finish();
}
