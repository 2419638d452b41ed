// shabbat: candle lighting, havdalah and the fasts' times of a week, or of a span of years as CSV lines.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/shabbat_times.h"
#include "calendar/clock.h"
#include "calendar/gregorian.h"
#include "calendar/month_names.h"
#include "calendar/text_buffer.h"
#include "cli/arguments.h"
#include "cli/binary_stdout.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/place_options.h"
#include "cli/saved_settings.h"
#include "holidays/holiday_text.h"
#include "location/place_rules.h"
#include "zmanim/host_zone.h"
#include "zmanim/local_time.h"
#include "zmanim/zmanim_text.h"

namespace {

constexpr int kSaturday = 6;
constexpr std::size_t kBlockSize = 64 * 1024;
constexpr std::size_t kLongestLine = 64;  // "2099-12-31,fast-begins,-1234.5678\n" is 34
constexpr std::size_t kTimeSize = 16;

// What the command was asked for.
struct ShabbatRequest {
    DayNumber first = 0;  // a span of years, or the week of one day
    DayNumber last = 0;
    bool week = true;
    bool csv = false;
    bool ut = false;
    Observance observance = Observance::Diaspora;
    Location location;
    ShabbatRules rules;
};

const char* KindWord(ShabbatTimeKind kind) {
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

// The local clock time of a time on the place's clock: a ZIP place's own zone, any other the computer's.
std::optional<CivilTime> LocalClockOf(const ShabbatTime& time, const ZoneRule& zone) {
    if (!time.instant) {
        return std::nullopt;
    }
    return LocalTimeOf(*time.instant, zone, HostUtcToLocal);
}

char* AppendDigits(char* out, int value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return out + width;
}

// YYYY-MM-DD,KIND,TIME lines, TIME HH:MM on the place's clock, the minutes of UT with ut, or none; formatted into one
// block and written a block at a time.
void WriteCsv(const std::vector<ShabbatTime>& times, const ZoneRule& zone, bool ut) {
    std::vector<char> block(kBlockSize);
    char* const start = block.data();
    char* out = start;
    for (const ShabbatTime& time : times) {
        if (static_cast<std::size_t>(out - start) > kBlockSize - kLongestLine) {
            std::fwrite(start, 1, static_cast<std::size_t>(out - start), stdout);
            out = start;
        }
        int day = 0, month = 0, year = 0;
        DayNumberToGregorian(time.date, day, month, year);
        out = AppendDigits(out, year, 4);
        *out++ = '-';
        out = AppendDigits(out, month, 2);
        *out++ = '-';
        out = AppendDigits(out, day, 2);
        *out++ = ',';
        for (const char* kind = KindWord(time.kind); *kind != '\0'; ++kind) {
            *out++ = *kind;
        }
        *out++ = ',';
        const std::optional<CivilTime> local = ut ? std::nullopt : LocalClockOf(time, zone);
        if (ut && time.minutesUt) {
            out += FormatText(out, kLongestLine / 2, "%.4f", *time.minutesUt);
        } else if (local) {
            out = AppendDigits(out, local->hour, 2);
            *out++ = ':';
            out = AppendDigits(out, local->minute, 2);
        } else {
            for (const char c : {'n', 'o', 'n', 'e'}) {
                *out++ = c;
            }
        }
        *out++ = '\n';
    }
    std::fwrite(start, 1, static_cast<std::size_t>(out - start), stdout);
}

// "Fri, Oct 18, 2024"
std::string ShortDate(DayNumber n) {
    static constexpr const char* kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    int day = 0, month = 0, year = 0;
    DayNumberToGregorian(n, day, month, year);
    char text[kTimeSize * 2];
    FormatText(text, sizeof text, "%s, %.3s %d, %d", kWeekdays[WeekdayOf(n)], GregorianMonthName(month), day, year);
    return text;
}

// What a time is for: "Candle lighting: Shabbat", "Havdalah: Yom Kippur ends", "Fast begins: Tisha B'Av".
std::string Describe(const ShabbatTime& time, Observance observance) {
    const std::string occasion(time.occasion == HolidayCode::None ? std::string_view("Shabbat")
                                                                  : HolidayName(time.occasion, observance));
    switch (time.kind) {
        case ShabbatTimeKind::Candles: {
            const bool shabbatToo = time.occasion != HolidayCode::None && WeekdayOf(time.date + 1) == kSaturday;
            return std::string(time.moment == DayMoment::NightfallCandles ? "Candle lighting, not before: "
                                                                          : "Candle lighting: ") +
                   (shabbatToo ? "Shabbat, " : "") + occasion;
        }
        case ShabbatTimeKind::Havdalah: {
            const bool shabbatToo = time.occasion != HolidayCode::None && WeekdayOf(time.date) == kSaturday;
            return "Havdalah: " + std::string(shabbatToo ? "Shabbat, " : "") + occasion + " ends";
        }
        case ShabbatTimeKind::FastBegins:
            return "Fast begins: " + occasion;
        case ShabbatTimeKind::FastEnds:
            return "Fast ends: " + occasion;
    }
    return occasion;
}

std::string RulesText(const ShabbatRules& rules) {
    return "Candles " + std::to_string(rules.candleLightingMinutes) + " minutes before sunset, havdalah " +
           (rules.havdalahMinutesAfterSunset
                ? std::to_string(*rules.havdalahMinutesAfterSunset) + " minutes after sunset"
                : std::string("at nightfall")) +
           ".";
}

// A heading with the place and the span, a line for each time, and the rules the times follow.
void WriteReadable(const std::vector<ShabbatTime>& times, const ShabbatRequest& request) {
    char label[kPlaceLabelSize];
    FormatPlaceLabel(request.location, LabelStyle::Clipboard, label, sizeof label);
    const std::string place = label[0] != '\0'
                                  ? std::string(label)
                                  : PositionText({request.location.latitude(), request.location.longitude()});
    std::string text = "Shabbat and festival times at " + place + " (" +
                       (IsDiaspora(request.observance) ? "Diaspora" : "Israel") + ")\n";
    if (request.week) {
        text += "Week of " + ShortDate(request.first) + "\n";
    }
    text += "\n";
    const ZoneRule zone = request.location.zoneRule();
    for (const ShabbatTime& time : times) {
        const std::optional<CivilTime> local = LocalClockOf(time, zone);
        char clock[kTimeSize];
        FormatZmanTime(local.has_value(), local ? local->hour : 0, local ? local->minute : 0, clock, sizeof clock);
        char line[kTimeSize * 2];
        FormatText(line, sizeof line, "%-17s %8s  ", ShortDate(time.date).c_str(), clock);
        text += line + Describe(time, request.observance) + "\n";
    }
    if (times.empty()) {
        text += "No candle lighting, havdalah or fast in this span.\n";
    }
    text += "\n" + RulesText(request.rules) + "\n";
    WriteText(stdout, text);
}

// The year of --from or --to: four digits, 1900 to 2099. Returns 0, or the exit status of the error it reported.
int TakeYear(const std::optional<std::string>& value, const char* option, std::optional<int>& year) {
    if (!value) {
        return 0;
    }
    year = value->size() == 4 ? ParseCount(*value) : std::nullopt;
    if (!year || *year < kFirstSupportedYear || *year > kLastSupportedYear) {
        return UsageError(std::string("shabbat: ") + option + " must be a year from 1900 to 2099, not " +
                          Quote(*value));
    }
    return 0;
}

// The span: the years of --from and --to (either alone is one year), else the week of --date or of today.
int ResolveSpan(const GivenOptions& given, ShabbatRequest& request) {
    std::optional<int> from;
    std::optional<int> to;
    if (const int status = TakeYear(given.Value("--from"), "--from", from); status != 0) {
        return status;
    }
    if (const int status = TakeYear(given.Value("--to"), "--to", to); status != 0) {
        return status;
    }
    const std::optional<std::string> dateText = given.Value("--date");
    if (from || to) {
        if (dateText) {
            return UsageError("shabbat: --date goes with neither --from nor --to");
        }
        request.week = false;
        request.first = GregorianToDayNumber(1, 1, from.value_or(*to));
        request.last = GregorianToDayNumber(31, 12, to.value_or(*from));
        if (request.first > request.last) {
            return UsageError("shabbat: --from must not be after --to");
        }
        return 0;
    }
    const LocalDateTime today = ReadLocalClock();
    Date date{today.day, today.month, today.year};
    if (dateText) {
        std::string why;
        const std::optional<Date> parsed = ParseDate(*dateText, why);
        if (!parsed) {
            return UsageError("shabbat: --date " + Quote(*dateText) + " " + why);
        }
        if (!InSupportedYears(*parsed)) {
            return UsageError("shabbat: --date " + Quote(*dateText) + " is not a date of 1900 to 2099");
        }
        date = *parsed;
    } else if (!InSupportedYears(date)) {
        return UsageError("shabbat: today is outside the calendar: dates must lie between 1900-01-01 and 2099-12-31");
    }
    request.first = GregorianToDayNumber(date.day, date.month, date.year);
    request.first -= WeekdayOf(request.first);
    request.last = request.first + kSaturday;
    return 0;
}

}  // namespace

int RunShabbatCommand(const Arguments& args) {
    static constexpr Option kOptions[] = {
        {"--date", Takes::Value, {}, {}},  {"--from", Takes::Value, {}, {}}, {"--to", Takes::Value, {}, {}},
        {"--csv", Takes::Nothing, {}, {}}, {"--ut", Takes::Nothing, {}, {}},
    };
    GivenOptions given;
    if (const int status =
            ReadOptions(args, {"shabbat", {kOptions, kPlaceOptions, kObservanceOption, kShabbatOptions}}, given);
        status != 0) {
        return status;
    }
    ShabbatRequest request;
    request.csv = given.Has("--csv");
    request.ut = given.Has("--ut");
    if (request.ut && !request.csv) {
        return UsageError("shabbat: --ut goes only with --csv");
    }
    if (const int status = ResolveSpan(given, request); status != 0) {
        return status;
    }
    SavedSettings saved;
    if (const int status = ResolveObservance(given.Value("--observance"), saved, request.observance); status != 0) {
        return status;
    }
    if (const int status = ResolvePlace(PlaceOptionsOf(given), PlaceUse::Show, "shabbat", saved, request.location);
        status != 0) {
        return status;
    }
    ShabbatSettings settings = saved.Shabbat();
    if (const int status = SetShabbatOptions(given, "shabbat", settings); status != 0) {
        return status;
    }
    request.rules = settings.RulesAt(request.location.city());

    const ZmanimPlace place = ZmanimPlaceOf(request.location);
    const std::vector<ShabbatTime> times =
        request.week ? ShabbatWeekTimes(request.first, request.observance, place, request.rules)
                     : ShabbatTimes(request.first, request.last, request.observance, place, request.rules);
    UseBinaryStdout();
    if (request.csv) {
        WriteCsv(times, request.location.zoneRule(), request.ut);
    } else {
        WriteReadable(times, request);
    }
    return FinishOutput();
}
