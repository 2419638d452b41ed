// Reading the command line's values (numbers, dates, the observance) and quoting them back in error messages.
#pragma once

#include <optional>
#include <string>

#include "calendar/observance.h"

// An argument as an error message repeats it: in single quotes, cut after its first kQuotedLength bytes (never in
// the middle of a UTF-8 character) with "..." to show the cut, its control characters escaped ("\n"), so that the
// message stays one line.
inline constexpr std::size_t kQuotedLength = 60;
std::string Quote(const std::string& argument);

// A whole number of one to nine digits, without sign or blanks, so that it fits an int.
std::optional<int> ParseCount(const std::string& text);

struct Date {
    int day;
    int month;
    int year;
};

// YYYY-MM-DD naming a day of the Gregorian calendar (any year 0000..9999; the caller checks its own range). Empty
// with reason set when the text is not of that form ("is not a date of the form YYYY-MM-DD") or names no day ("is of
// the form YYYY-MM-DD, but no such day exists: February 2023 has days 1 to 28"); reason follows the quoted text in a
// message.
std::optional<Date> ParseDate(const std::string& text, std::string& reason);
bool InSupportedYears(const Date& date);

// "israel" or "diaspora", as --observance takes them and `place` shows them.
std::optional<Observance> ParseObservance(const std::string& text);
const char* ObservanceName(Observance observance);
