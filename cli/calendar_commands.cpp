// today, holidays and day: the calendar and the holiday tables on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "calendar/calendar_cursor.h"
#include "calendar/clock.h"
#include "calendar/hebrew.h"
#include "calendar/month_names.h"
#include "cli/arguments.h"
#include "cli/binary_stdout.h"
#include "cli/commands.h"
#include "cli/date_options.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/place_options.h"
#include "cli/reading_text.h"
#include "cli/saved_settings.h"
#include "holidays/holiday_table.h"
#include "holidays/holiday_text.h"
#include "holidays/parsha.h"

namespace {

constexpr std::size_t kPageTextSize = 20000;
constexpr std::size_t kDateLineSize = 64;
constexpr char kRangeMessage[] = "dates must lie between 1900-01-01 and 2099-12-31";

void WriteAll(const char* text, std::size_t length) {
    std::fwrite(text, 1, length, stdout);
}

// The Gregorian date line when asked, the Hebrew date line, and the day's holiday text without markers as "Copy
// Holiday" copies it. A day without holidays has no such text (the window's hint, "No holiday today" and "Click on
// the calendar ...", speaks of today and of the window): its date lines stand alone.
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
    if (!HolidayTextNamesAHoliday(day, month, year, observance)) {
        return;
    }
    char text[kPageTextSize];
    WriteText(stdout, std::string_view(text, BuildHolidayText(day, month, year, observance, text, sizeof text, false)));
}

// --parsha, which adds the reading of the Shabbat of the day's week to day and the bare form.
constexpr Option kParshaOption[] = {{"--parsha", Takes::Nothing, {}, {}}};

// The line --parsha adds: "Torah portion: Pekudei (Shabbat, March 16, 2024)", the day itself when it is a Saturday,
// else the Saturday after it.
void WriteReading(DayNumber day, Observance observance) {
    const WeeklyPortion reading = PortionOfShabbat(day, observance);
    char name[kWeeklyPortionNameSize];
    const std::size_t nameLength = WeeklyPortionName(reading, observance, name, sizeof name);
    int gregorianDay = 0, month = 0, year = 0;
    DayNumberToGregorian(reading.shabbat, gregorianDay, month, year);
    char date[kDateLineSize];
    const std::size_t dateLength = FormatDateLine(GregorianMonthName(month), gregorianDay, year, date, sizeof date);
    WriteText(stdout, std::string(ReadingLabel(reading)) + std::string(name, nameLength) + " (Shabbat, " +
                          std::string(date, dateLength) + ")\n");
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

// The holiday rows of the years as CSV lines day,month,year,code,dayNumber[,name], formatted into one large block
// and written a block at a time. A name is written without quotes: no name holds a comma or a quote.
void WriteHolidayRows(Observance observance, int from, int to, bool withNames) {
    const HolidayTable table = HolidayTableFor(observance);
    constexpr std::size_t kBlockSize = 64 * 1024;
    constexpr std::size_t kLongestRow = 80;  // "31,12,2099,60,2488069,Shmini Atzeret / Simchat Torah\n" is 53
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
        if (withNames) {
            const std::string_view name = HolidayName(row.code, observance);
            *out++ = ',';
            out = std::copy(name.begin(), name.end(), out);
        }
        *out++ = '\n';
    }
    WriteAll(start, static_cast<std::size_t>(out - start));
}

}  // namespace

int RunTodayCommand(const Arguments& args) {
    GivenOptions given;
    if (const int status =
            ReadOptions(args, {{}, {kObservanceOption, kParshaOption}, 0, {"--help", "--version"}}, given);
        status != 0) {
        return status;
    }
    CalendarCursor cursor(HasHoliday);
    cursor.SetToToday(ReadLocalClock());
    const DayNumber today = cursor.CursorDayNumber();
    if (today < kFirstSupportedDay || today > kLastSupportedDay) {
        return UsageError(std::string("today is outside the calendar: ") + kRangeMessage);
    }
    SavedSettings saved;
    Observance observance{};
    if (const int status = ResolveObservance(given.Value("--observance"), saved, observance); status != 0) {
        return status;
    }
    UseBinaryStdout();
    WriteDay(cursor, observance, true);
    if (given.Has("--parsha")) {
        WriteReading(today, observance);
    }
    return FinishOutput();
}

int RunHolidaysCommand(const Arguments& args) {
    static constexpr Option kOptions[] = {
        {"--from", Takes::Value, {}, {}}, {"--to", Takes::Value, {}, {}}, {"--names", Takes::Nothing, {}, {}}};
    GivenOptions given;
    if (const int status = ReadOptions(args, {"holidays", {kObservanceOption, kOptions}}, given); status != 0) {
        return status;
    }
    YearSpan years{};
    if (const int status = TakeYearSpan(given, nullptr, kFirstSupportedYear, false, years); status != 0) {
        return status;
    }
    SavedSettings saved;
    Observance observance{};
    if (const int status = ResolveObservance(given.Value("--observance"), saved, observance); status != 0) {
        return status;
    }
    UseBinaryStdout();
    WriteHolidayRows(observance, years.from, years.to, given.Has("--names"));
    return FinishOutput();
}

int RunDayCommand(const Arguments& args) {
    GivenOptions given;
    if (const int status = ReadOptions(args, {"day", {kObservanceOption, kParshaOption}, 1}, given); status != 0) {
        return status;
    }
    if (given.Operands().empty()) {
        return UsageError("day needs a date YYYY-MM-DD");
    }
    const std::string& text = given.Operands()[0];
    std::string reason;
    const std::optional<Date> date = ParseDate(text, reason);
    if (!date) {
        return UsageError("day: " + Quote(text) + " " + reason);
    }
    if (!InSupportedYears(*date)) {
        return UsageError(kRangeMessage);
    }
    SavedSettings saved;
    Observance observance{};
    if (const int status = ResolveObservance(given.Value("--observance"), saved, observance); status != 0) {
        return status;
    }
    CalendarCursor cursor(HasHoliday);
    cursor.SetGregorianDate(date->day, date->month, date->year);
    UseBinaryStdout();
    WriteDay(cursor, observance, false);
    if (given.Has("--parsha")) {
        WriteReading(cursor.CursorDayNumber(), observance);
    }
    return FinishOutput();
}
