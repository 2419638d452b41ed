// today, holidays and day: the calendar and the holiday tables on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "calendar/clock.h"
#include "calendar/hebrew.h"
#include "calendar/month_names.h"
#include "cli/binary_stdout.h"
#include "cli/commands.h"
#include "holidays/calendar_cursor.h"
#include "holidays/holiday_table.h"
#include "holidays/holiday_text.h"

namespace {

constexpr std::size_t kPageTextSize = 20000;
constexpr std::size_t kDateLineSize = 64;
constexpr char kRangeMessage[] = "dates must lie between 1900-01-01 and 2099-12-31";

// Digits only, without sign or blanks; false when the text is not a number of at most maxDigits digits.
bool ParseDigits(const std::string& text, std::size_t maxDigits, int& value) {
    if (text.empty() || text.size() > maxDigits) {
        return false;
    }
    int result = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        result = result * 10 + (c - '0');
    }
    value = result;
    return true;
}

}  // namespace

bool ParseObservance(const std::string& text, Observance& observance) {
    if (text == "israel") {
        observance = Observance::Israel;
        return true;
    }
    if (text == "diaspora") {
        observance = Observance::Diaspora;
        return true;
    }
    return false;
}

namespace {

// YYYY-MM-DD; false when the text is not of that form or names no day of the calendar.
bool ParseDate(const std::string& text, int& day, int& month, int& year) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return false;
    }
    if (!ParseDigits(text.substr(0, 4), 4, year) || !ParseDigits(text.substr(5, 2), 2, month) ||
        !ParseDigits(text.substr(8, 2), 2, day)) {
        return false;
    }
    return month >= 1 && month <= 12 && day >= 1 && day <= DaysInGregorianMonth(month, year);
}

void WriteAll(const char* text, std::size_t length) {
    std::fwrite(text, 1, length, stdout);
}

// The date line, the Hebrew date line when asked, and the holiday text of the cursor's day without markers.
void WriteDay(const CalendarCursor& cursor, Observance observance, bool withGregorianLine) {
    char line[kDateLineSize];
    if (withGregorianLine) {
        const std::size_t length =
            FormatDateLine(GregorianMonthName(cursor.Month()), cursor.Day(), cursor.Year(), line, sizeof line);
        WriteAll(line, length);
        WriteAll("\n", 1);
    }
    int day = 0, month = 0, year = 0, weekday = 0;
    cursor.GetHebrewDate(&day, &month, &year, &weekday);
    const std::size_t length = FormatDateLine(HebrewMonthName(month), day, year, line, sizeof line);
    WriteAll(line, length);
    WriteAll("\n", 1);
    char text[kPageTextSize];
    WriteAll(text, BuildHolidayText(day, month, year, observance, text, sizeof text, false));
}

// 0 when everything written reached standard output; otherwise one line on stderr and 1.
int FinishOutput() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fprintf(stderr, "kestrelon-cli: cannot write the output\n");
        return 1;
    }
    return 0;
}

// Appends the decimal digits of a non-negative value.
char* AppendNumber(char* out, int value) {
    char digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (count > 0) {
        *out++ = digits[--count];
    }
    return out;
}

}  // namespace

int RunTodayCommand(const Arguments& args) {
    if (!args.empty()) {
        return UsageError("unexpected argument '" + args[0] + "' (see kestrelon-cli --help)");
    }
    CalendarCursor cursor;
    cursor.SetToToday(ReadLocalClock());
    const DayNumber today = cursor.CursorDayNumber();
    if (today < kFirstSupportedDay || today > kLastSupportedDay) {
        return UsageError(std::string("today is outside the calendar: ") + kRangeMessage);
    }
    UseBinaryStdout();
    WriteDay(cursor, Observance::Diaspora, true);
    return FinishOutput();
}

int RunHolidaysCommand(const Arguments& args) {
    Observance observance{};
    bool haveObservance = false;
    int from = kFirstSupportedYear;
    int to = kLastSupportedYear;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (option != "--observance" && option != "--from" && option != "--to") {
            return UsageError("unknown option '" + option + "' for holidays");
        }
        if (i + 1 >= args.size()) {
            return UsageError(option + " needs a value");
        }
        const std::string& value = args[i + 1];
        if (option == "--observance") {
            if (!ParseObservance(value, observance)) {
                return UsageError("--observance must be israel or diaspora, not '" + value + "'");
            }
            haveObservance = true;
            continue;
        }
        int year = 0;
        if (!ParseDigits(value, 4, year) || year < kFirstSupportedYear || year > kLastSupportedYear) {
            return UsageError(option + " must be a year from 1900 to 2099, not '" + value + "'");
        }
        (option == "--from" ? from : to) = year;
    }
    if (!haveObservance) {
        return UsageError("holidays needs --observance israel|diaspora");
    }
    if (from > to) {
        return UsageError("--from must not be after --to");
    }

    // Rows are formatted into one large block and written a block at a time.
    UseBinaryStdout();
    const HolidayTable table = HolidayTableFor(observance);
    constexpr std::size_t kBlockSize = 64 * 1024;
    constexpr std::size_t kLongestRow = 32;  // "31,12,2099,60,2488069\n" is 22 characters
    std::vector<char> block(kBlockSize);
    char* const start = block.data();
    char* out = start;
    for (int i = 0; i < table.count; ++i) {
        const HolidayRow& row = table.rows[i];
        if (row.year < from || row.year > to) {
            continue;
        }
        if (static_cast<std::size_t>(out - start) > kBlockSize - kLongestRow) {
            WriteAll(start, static_cast<std::size_t>(out - start));
            out = start;
        }
        out = AppendNumber(out, row.day);
        *out++ = ',';
        out = AppendNumber(out, row.month);
        *out++ = ',';
        out = AppendNumber(out, row.year);
        *out++ = ',';
        out = AppendNumber(out, CodeNumber(row.code));
        *out++ = ',';
        out = AppendNumber(out, row.dayNumber);
        *out++ = '\n';
    }
    WriteAll(start, static_cast<std::size_t>(out - start));
    return FinishOutput();
}

int RunDayCommand(const Arguments& args) {
    int day = 0, month = 0, year = 0;
    Observance observance = Observance::Diaspora;
    bool haveDate = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--observance") {
            if (i + 1 >= args.size()) {
                return UsageError("--observance needs a value");
            }
            if (!ParseObservance(args[i + 1], observance)) {
                return UsageError("--observance must be israel or diaspora, not '" + args[i + 1] + "'");
            }
            ++i;
        } else if (!haveDate && arg.compare(0, 1, "-") != 0) {
            if (!ParseDate(arg, day, month, year)) {
                return UsageError("'" + arg + "' is not a date of the form YYYY-MM-DD");
            }
            haveDate = true;
        } else {
            return UsageError("unexpected argument '" + arg + "' for day");
        }
    }
    if (!haveDate) {
        return UsageError("day needs a date YYYY-MM-DD");
    }
    if (year < kFirstSupportedYear || year > kLastSupportedYear) {
        return UsageError(kRangeMessage);
    }
    CalendarCursor cursor;
    cursor.SetGregorianDate(day, month, year);
    UseBinaryStdout();
    WriteDay(cursor, observance, false);
    return FinishOutput();
}
