#include "cli/date_options.h"

#include <optional>
#include <string>

#include "calendar/gregorian.h"
#include "cli/output.h"

namespace {

std::string Prefix(const char* command) {
    return command != nullptr ? std::string(command) + ": " : std::string();
}

// The year an option gives, when it is given.
int TakeYear(const GivenOptions& given,
             const char* command,
             const char* option,
             int firstYear,
             std::optional<int>& year) {
    const std::optional<std::string> value = given.Value(option);
    if (!value) {
        return 0;
    }
    year = value->size() == 4 ? ParseCount(*value) : std::nullopt;
    if (!year || *year < firstYear || *year > kLastSupportedYear) {
        return UsageError(Prefix(command) + option + " must be a year from " + std::to_string(firstYear) + " to " +
                          std::to_string(kLastSupportedYear) + ", not " + Quote(*value));
    }
    return 0;
}

}  // namespace

int TakeYearSpan(const GivenOptions& given, const char* command, int firstYear, bool oneYearAlone, YearSpan& span) {
    std::optional<int> from;
    std::optional<int> to;
    if (const int status = TakeYear(given, command, "--from", firstYear, from); status != 0) {
        return status;
    }
    if (const int status = TakeYear(given, command, "--to", firstYear, to); status != 0) {
        return status;
    }
    span.from = from.value_or(oneYearAlone && to ? *to : firstYear);
    span.to = to.value_or(oneYearAlone && from ? *from : kLastSupportedYear);
    if (span.from > span.to) {
        return UsageError(Prefix(command) + "--from must not be after --to");
    }
    return 0;
}

int TakeDateOrToday(const GivenOptions& given, const char* command, const LocalDateTime& now, Date& date) {
    if (const std::optional<std::string> text = given.Value("--date")) {
        std::string why;
        const std::optional<Date> parsed = ParseDate(*text, why);
        if (!parsed) {
            return UsageError(Prefix(command) + "--date " + Quote(*text) + " " + why);
        }
        if (!InSupportedYears(*parsed)) {
            return UsageError(Prefix(command) + "--date " + Quote(*text) + " is not a date of 1900 to 2099");
        }
        date = *parsed;
        return 0;
    }
    date = Date{now.day, now.month, now.year};
    if (!InSupportedYears(date)) {
        return UsageError(Prefix(command) +
                          "today is outside the calendar: dates must lie between 1900-01-01 and 2099-12-31");
    }
    return 0;
}
