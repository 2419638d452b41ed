// yahrzeit and birthday: the yearly days of a date in the Hebrew calendar over a span of Gregorian years.
#include <cstdio>
#include <optional>
#include <string>

#include "calendar/anniversary.h"
#include "calendar/gregorian.h"
#include "calendar/hebrew.h"
#include "calendar/text_buffer.h"
#include "cli/arguments.h"
#include "cli/binary_stdout.h"
#include "cli/commands.h"
#include "cli/date_options.h"
#include "cli/options.h"
#include "cli/output.h"

namespace {

constexpr std::size_t kLineSize = 32;  // "2099-12-31,5860\n" is 16

AdarChoice AdarChoiceNamed(const std::optional<std::string>& word) {
    if (word == "adar1") {
        return AdarChoice::AdarI;
    }
    if (word == "adar2") {
        return AdarChoice::AdarII;
    }
    if (word == "both") {
        return AdarChoice::Both;
    }
    return AdarChoice::Usual;
}

// "2025-08-01,5785\n".
void AppendLine(std::string& out, DayNumber day, int hebrewYear) {
    int dayOfMonth = 0, month = 0, year = 0;
    DayNumberToGregorian(day, dayOfMonth, month, year);
    char line[kLineSize];
    out.append(line, FormatText(line, sizeof line, "%04d-%02d-%02d,%d\n", year, month, dayOfMonth, hebrewYear));
}

// One line for each yearly day after the event's own year that falls in the Gregorian years, in date order.
std::string YearlyLines(const HebrewDate& event, PersonDateKind kind, AdarChoice adar, const YearSpan& years) {
    std::string out;
    for (const YearlyOccurrence& occurrence : YearlyOccurrencesIn(
             event, kind, adar, GregorianToDayNumber(1, 1, years.from), GregorianToDayNumber(31, 12, years.to))) {
        AppendLine(out, occurrence.day, occurrence.hebrewYear);
    }
    return out;
}

int RunYearlyCommand(const Arguments& args, const char* command, PersonDateKind kind) {
    static constexpr Option kOptions[] = {{"--after-sunset", Takes::Nothing, {}, {}},
                                          {"--adar", Takes::Word, "usual|adar1|adar2|both", {}},
                                          {"--from", Takes::Value, {}, {}},
                                          {"--to", Takes::Value, {}, {}}};
    GivenOptions given;
    if (const int status = ReadOptions(args, {command, {kOptions}, 1}, given); status != 0) {
        return status;
    }
    if (given.Operands().empty()) {
        return UsageError(std::string(command) + " needs a date YYYY-MM-DD");
    }
    const std::string& text = given.Operands()[0];
    std::string reason;
    const std::optional<Date> date = ParseDate(text, reason);
    if (!date) {
        return UsageError(std::string(command) + ": " + Quote(text) + " " + reason);
    }
    if (!InSupportedYears(*date)) {
        return UsageError(std::string(command) + ": " + Quote(text) + " is not a date of 1900 to 2099");
    }
    YearSpan years{};
    if (const int status = TakeYearSpan(given, command, kFirstSupportedYear, true, years); status != 0) {
        return status;
    }
    const HebrewDate event =
        EventHebrewDate(GregorianToDayNumber(date->day, date->month, date->year), given.Has("--after-sunset"));
    const std::string lines = YearlyLines(event, kind, AdarChoiceNamed(given.Value("--adar")), years);
    UseBinaryStdout();
    std::fwrite(lines.data(), 1, lines.size(), stdout);
    return FinishOutput();
}

}  // namespace

int RunYahrzeitCommand(const Arguments& args) {
    return RunYearlyCommand(args, "yahrzeit", PersonDateKind::Yahrzeit);
}

int RunBirthdayCommand(const Arguments& args) {
    return RunYearlyCommand(args, "birthday", PersonDateKind::Birthday);
}
