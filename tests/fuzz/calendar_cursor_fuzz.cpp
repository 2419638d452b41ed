// The calendar cursor driven by its setters with any integers (never SetToToday): the date it was set to comes
// back when it is a date of the calendar, and whatever it was set to, its day number is a day of the calendar and
// its Hebrew date a date of the Hebrew calendar.
//
// Input: a series of steps, each an operation byte and three 32-bit integers. Odd operation bytes fold the integers
// into the years of the holiday tables first.
#include <string>

#include "calendar/calendar_cursor.h"
#include "calendar/hebrew.h"
#include "holidays/holiday_table.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

constexpr int kMaxSteps = 64;

enum Operation {
    kSetGregorianDate,
    kSetGregorianDay,
    kSetGregorianMonth,
    kSetGregorianYear,
    kSetFromDayNumber,
    kSetHebrewDate,
    kSetHebrewDay,
    kSetHebrewMonth,
    kSetHebrewYear,
    kMonthMarks,
    kOperations,
};

std::string Date(int day, int month, int year) {
    return std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year);
}

bool IsGregorianDate(int day, int month, int year) {
    return year >= -1000000 && year <= 1000000 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInGregorianMonth(month, year);
}

// Adar of a year: Adar II in a leap year, plain Adar otherwise (as the cursor maps it).
int MapAdar(int month, int year) {
    if (IsHebrewLeapYear(year) && month == kAdar) {
        return kAdarII;
    }
    if (!IsHebrewLeapYear(year) && (month == kAdarI || month == kAdarII)) {
        return kAdar;
    }
    return month;
}

void CheckInvariants(const CalendarCursor& cursor, const std::string& step) {
    const std::string label = step + " left " + Date(cursor.Day(), cursor.Month(), cursor.Year());
    const DayNumber n = cursor.CursorDayNumber();
    FUZZ_CHECK(n >= kFirstDayNumber && n <= kLastDayNumber, label + " at day " + std::to_string(n));
    int day = 0, month = 0, year = 0, weekday = -1;
    cursor.GetHebrewDate(&day, &month, &year, &weekday);
    FUZZ_CHECK(year >= kEarliestHebrewYear && year <= kLatestHebrewYear, label);
    FUZZ_CHECK(day >= 1 && day <= DaysInHebrewMonth(month, year), label + ", Hebrew " + Date(day, month, year));
    FUZZ_CHECK(weekday == WeekdayOf(n), label);
    FUZZ_CHECK(cursor.HebrewDay() == day && cursor.HebrewMonth() == month && cursor.HebrewYear() == year, label);
    const int length = cursor.GregorianMonthLength();
    FUZZ_CHECK(length == 0 || (length >= 28 && length <= 31), label);
    const int first = cursor.GregorianMonthFirstWeekday();
    FUZZ_CHECK(first >= 0 && first <= 6, label);
    const int hebrewFirst = cursor.HebrewMonthFirstWeekday();
    FUZZ_CHECK(hebrewFirst >= 0 && hebrewFirst <= 6, label);
    if (IsGregorianDate(cursor.Day(), cursor.Month(), cursor.Year())) {
        int d = 0, m = 0, y = 0, w = 0;
        DayNumberToGregorian(n, d, m, y);
        cursor.GetGregorianDate(&d, &m, &y, &w);
        FUZZ_CHECK(d == cursor.Day() && m == cursor.Month() && y == cursor.Year() && w == WeekdayOf(n), label);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    CalendarCursor cursor(HasHoliday);
    for (int step = 0; step < kMaxSteps && !input.Empty(); ++step) {
        const std::uint8_t operation = input.Byte();
        std::int32_t a = input.Int32();
        std::int32_t b = input.Int32();
        std::int32_t c = input.Int32();
        if ((operation & 1) != 0) {
            a = static_cast<std::int32_t>(FoldInto(a, 1, 31));
            b = static_cast<std::int32_t>(FoldInto(b, 1, 14));
            c = static_cast<std::int32_t>(FoldInto(c, 1900, 5860));
        }
        const std::string label = "step " + std::to_string(step) + " (operation " +
                                  std::to_string((operation >> 1) % kOperations) + " with " + Date(a, b, c) + ")";
        switch ((operation >> 1) % kOperations) {
            case kSetGregorianDate:
                cursor.SetGregorianDate(a, b, c);
                if (IsGregorianDate(a, b, c)) {
                    FUZZ_CHECK(cursor.Day() == a && cursor.Month() == b && cursor.Year() == c, label);
                    FUZZ_CHECK(cursor.CursorDayNumber() == GregorianToDayNumber(a, b, c), label);
                }
                break;
            case kSetGregorianDay:
                cursor.SetGregorianDay(a);
                break;
            case kSetGregorianMonth:
                cursor.SetGregorianMonth(b);
                break;
            case kSetGregorianYear:
                cursor.SetGregorianYear(c);
                break;
            case kSetFromDayNumber:
                cursor.SetFromDayNumber(a);
                if (a >= kFirstDayNumber && a <= kLastDayNumber) {
                    FUZZ_CHECK(cursor.CursorDayNumber() == a, label);
                }
                break;
            case kSetHebrewDate: {
                cursor.SetHebrewDate(a, b, c);
                const int month = MapAdar(b, c);
                const int length = DaysInHebrewMonth(month, c);
                if (c >= kEarliestHebrewYear && c < kLatestHebrewYear && length > 0 && a >= 1) {
                    const int day = a < length ? a : length;
                    FUZZ_CHECK(
                        cursor.HebrewDay() == day && cursor.HebrewMonth() == month && cursor.HebrewYear() == c,
                        label + " gave Hebrew " + Date(cursor.HebrewDay(), cursor.HebrewMonth(), cursor.HebrewYear()));
                }
                break;
            }
            case kSetHebrewDay:
                cursor.SetHebrewDay(a);
                break;
            case kSetHebrewMonth:
                cursor.SetHebrewMonth(b);
                break;
            case kSetHebrewYear:
                cursor.SetHebrewYear(c);
                break;
            case kMonthMarks: {
                // Bit i marks day i of the month; there is no day 0 and none past the month's length.
                const std::uint32_t gregorian = cursor.GregorianMonthMarks(static_cast<Observance>(a));
                const int length = cursor.GregorianMonthLength();
                FUZZ_CHECK((gregorian & 1u) == 0 && (length >= 31 || (gregorian >> (length + 1)) == 0), label);
                const std::uint32_t hebrew = cursor.HebrewMonthMarks(static_cast<Observance>(a));
                FUZZ_CHECK((hebrew & 1u) == 0 && (hebrew >> (cursor.HebrewMonthLength() + 1)) == 0, label);
                break;
            }
        }
        CheckInvariants(cursor, label);
    }
    return 0;
}
