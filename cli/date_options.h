// The days and years the listing commands take: --from and --to (years) and --date (a day, else today), read and
// refused in the same words by every command:
//
//   daf: --from must be a year from 1923 to 2099, not '1900'
//   parsha: --from must not be after --to
//   shabbat: --date '2024-02-30' is of the form YYYY-MM-DD, but no such day exists: February 2024 has days 1 to 29
//   omer: today is outside the calendar: dates must lie between 1900-01-01 and 2099-12-31
//
// command is the name the messages begin with ("daf"), or nullptr for the commands whose messages have always
// begun with the option (holidays).
#pragma once

#include "calendar/clock.h"
#include "cli/arguments.h"
#include "cli/options.h"

// --from and --to, each four digits from firstYear to 2099. A side not given is the range's end, or, with
// oneYearAlone, the other side's year (shabbat --from 2025 lists 2025). Returns 0, or the exit status of the error
// it reported.
struct YearSpan {
    int from;
    int to;
};
int TakeYearSpan(const GivenOptions& given, const char* command, int firstYear, bool oneYearAlone, YearSpan& span);

// The day --date gives, else the date of now (the computer's clock, read once by the caller); either within
// 1900..2099. Returns 0, or the exit status of the error it reported.
int TakeDateOrToday(const GivenOptions& given, const char* command, const LocalDateTime& now, Date& date);
