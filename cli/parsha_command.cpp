// parsha: the weekly Torah portion of one Shabbat, or of every Shabbat of some years, one CSV line each.
#include <cstdio>
#include <optional>
#include <string>

#include "calendar/clock.h"
#include "calendar/gregorian.h"
#include "calendar/text_buffer.h"
#include "cli/arguments.h"
#include "cli/binary_stdout.h"
#include "cli/commands.h"
#include "cli/date_options.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/place_options.h"
#include "cli/saved_settings.h"
#include "holidays/parsha.h"

namespace {

// "2024-03-16,23,Pekudei", "2024-03-09,22-23,Vayakhel-Pekudei" or on a festival "2024-04-27,,CHM Passover V".
constexpr std::size_t kLineSize = 96;

std::size_t FormatReading(const WeeklyPortion& reading, Observance observance, char* line, std::size_t capacity) {
    int day = 0, month = 0, year = 0;
    DayNumberToGregorian(reading.shabbat, day, month, year);
    char numbers[8] = "";
    if (reading.second != Portion::None) {
        FormatText(numbers, sizeof numbers, "%d-%d", PortionNumber(reading.first), PortionNumber(reading.second));
    } else if (reading.first != Portion::None) {
        FormatText(numbers, sizeof numbers, "%d", PortionNumber(reading.first));
    }
    char name[kWeeklyPortionNameSize];
    WeeklyPortionName(reading, observance, name, sizeof name);
    return FormatText(line, capacity, "%04d-%02d-%02d,%s,%s\n", year, month, day, numbers, name);
}

// Every Saturday of the Gregorian years from..to.
void WriteYears(Observance observance, int from, int to) {
    std::string text;
    char line[kLineSize];
    for (const WeeklyPortion& reading :
         PortionsOfShabbatot(GregorianToDayNumber(1, 1, from), GregorianToDayNumber(31, 12, to), observance)) {
        text.append(line, FormatReading(reading, observance, line, sizeof line));
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace

int RunParshaCommand(const Arguments& args) {
    static constexpr Option kOptions[] = {
        {"--date", Takes::Value, {}, {}}, {"--from", Takes::Value, {}, {}}, {"--to", Takes::Value, {}, {}}};
    GivenOptions given;
    if (const int status = ReadOptions(args, {"parsha", {kObservanceOption, kOptions}, 0, {}, {kDateOrYears}}, given);
        status != 0) {
        return status;
    }
    const bool listing = given.Has("--from") || given.Has("--to");
    YearSpan years{};
    if (const int status = TakeYearSpan(given, "parsha", kFirstSupportedYear, false, years); status != 0) {
        return status;
    }
    Date date{};
    if (!listing) {
        if (const int status = TakeDateOrToday(given, "parsha", ReadLocalClock(), date); status != 0) {
            return status;
        }
    }
    SavedSettings saved;
    Observance observance{};
    if (const int status = ResolveObservance(given.Value("--observance"), saved, observance); status != 0) {
        return status;
    }
    UseBinaryStdout();
    if (listing) {
        WriteYears(observance, years.from, years.to);
    } else {
        char line[kLineSize];
        const WeeklyPortion reading =
            PortionOfShabbat(GregorianToDayNumber(date.day, date.month, date.year), observance);
        std::fwrite(line, 1, FormatReading(reading, observance, line, sizeof line), stdout);
    }
    return FinishOutput();
}
