// ical: the holidays of a span of years as an iCalendar file, with --zmanim also the sunrise and sunset of every
// day at a place, with --shabbat candle lighting, havdalah and the fasts' times there, with --omer each evening's
// count at its nightfall there, with --parsha the weekly portion, with --daf the daf yomi and with --dates the
// people's dates.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "calendar/clock.h"
#include "calendar/gregorian.h"
#include "cli/arguments.h"
#include "cli/binary_stdout.h"
#include "cli/commands.h"
#include "cli/dates_of_run.h"
#include "cli/ical_events.h"
#include "cli/ical_file.h"
#include "cli/ical_writer.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/place_options.h"
#include "zmanim/day_zmanim.h"

namespace {

constexpr int kDefaultYears = 5;  // without --from and --to: the current year and the next four
constexpr long long kSecondsPerDay = 86400;
constexpr DayNumber kDayNumberOf1970 = 2440588;  // 1 January 1970, where SOURCE_DATE_EPOCH and time() count from
constexpr int kMaxRemindMinutes = 1440;          // a reminder at most a day before the time

// The options as given on the command line.
struct IcalOptions {
    std::optional<std::string> observance;
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::optional<std::string> output;
    PlaceOptions place;
    bool zmanim = false;
    bool shabbat = false;
    bool omer = false;
    bool parsha = false;
    bool daf = false;
    bool dates = false;
    std::optional<std::string> remind;
    GivenOptions given;  // for --candles and --havdalah
};

// Reads the options into options. Returns 0, or the exit status of the error it reported.
int ReadIcalOptions(const Arguments& args, IcalOptions& options) {
    static constexpr Option kOptions[] = {
        {"--from", Takes::Value, {}, {}},      {"--to", Takes::Value, {}, {}},
        {"--output", Takes::Value, {}, "-o"},  {"--zmanim", Takes::Nothing, {}, {}},
        {"--shabbat", Takes::Nothing, {}, {}}, {"--remind", Takes::Value, {}, {}},
        {"--omer", Takes::Nothing, {}, {}},    {"--parsha", Takes::Nothing, {}, {}},
        {"--daf", Takes::Nothing, {}, {}},     {"--dates", Takes::Nothing, {}, {}},
    };
    GivenOptions& given = options.given;
    if (const int status =
            ReadOptions(args, {"ical", {kObservanceOption, kOptions, kPlaceOptions, kShabbatOptions}}, given);
        status != 0) {
        return status;
    }
    options.observance = given.Value("--observance");
    options.from = given.Value("--from");
    options.to = given.Value("--to");
    options.output = given.Value("--output");
    options.place = PlaceOptionsOf(given);
    options.zmanim = given.Has("--zmanim");
    options.shabbat = given.Has("--shabbat");
    options.omer = given.Has("--omer");
    options.parsha = given.Has("--parsha");
    options.daf = given.Has("--daf");
    options.dates = given.Has("--dates");
    options.remind = given.Value("--remind");
    return 0;
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
    request.shabbat = options.shabbat;
    request.omer = options.omer;
    request.parsha = options.parsha;
    request.daf = options.daf;
    request.dates = options.dates;
    // A yahrzeit begins at sunset the evening before: at the place given or saved, as the Shabbat times are.
    request.yahrzeitEvenings = options.dates && (HasPlace(options.place) || saved.Get() != nullptr);
    if (!request.HasTimesAtPlace() && HasPlace(options.place)) {
        return UsageError("ical: a place is used only with --zmanim, --shabbat, --omer or --dates");
    }
    if (!options.shabbat &&
        (options.given.Has("--candles") || options.given.Has("--havdalah") || (options.remind && !options.dates))) {
        return UsageError("ical: --candles, --havdalah and --remind go only with --shabbat");
    }
    if (options.remind) {
        const std::optional<int> minutes = ParseCount(*options.remind);
        if (!minutes || *minutes > kMaxRemindMinutes) {
            return UsageError("ical: --remind needs minutes before candle lighting or a yahrzeit from 0 to " +
                              std::to_string(kMaxRemindMinutes) + ", not " + Quote(*options.remind));
        }
        if (!options.shabbat && !request.yahrzeitEvenings) {
            return UsageError(
                "ical: --remind with --dates needs a place for the yahrzeits' evenings: give --zip CODE, "
                "--city NAME, or --lat and --lon");
        }
        request.remindMinutes = minutes;
    }
    if (request.HasTimesAtPlace()) {
        if (const int status = ResolvePlace(options.place, PlaceUse::Show, "ical", saved, request.location);
            status != 0) {
            return status;
        }
    }
    if (options.shabbat) {
        ShabbatSettings settings = saved.Shabbat();
        if (const int status = SetShabbatOptions(options.given, "ical", settings); status != 0) {
            return status;
        }
        request.rules = settings.RulesAt(request.location.city());
    }
    if (options.dates) {
        // Read before anything is written: a file that cannot be read ends the run with nothing written.
        DatesOfRun run;
        if (const int status = ReadDates("ical", run); status != 0) {
            return status;
        }
        for (const PersonDate* date : DatesOf(run.contents)) {
            request.people.push_back(*date);
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

}  // namespace

int RunIcalCommand(const Arguments& args) {
    IcalOptions options;
    if (const int status = ReadIcalOptions(args, options); status != 0) {
        return status;
    }
    IcalRequest request;
    if (const int status = ResolveIcalRequest(options, ReadLocalClock().year, request); status != 0) {
        return status;
    }
    const std::string stamp = TimeStamp();
    if (stamp.empty()) {
        const char* fixed = std::getenv("SOURCE_DATE_EPOCH");
        return UsageError("SOURCE_DATE_EPOCH must be a number of seconds since 1970, not " +
                          Quote(fixed != nullptr ? fixed : ""));
    }
    if (request.output) {
        std::string error;
        if (!WriteCalendarFile(
                *request.output, [&](CalendarSink& sink) { return WriteCalendar(request, stamp, sink); }, error)) {
            return NotFound("cannot write " + Quote(*request.output) + ": " + error);
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
