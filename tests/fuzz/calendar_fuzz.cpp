// The calendar conversions with any integers: inside the calendar every conversion goes back and forth, outside it
// every result is still a date of the calendar.
//
// Input: day number, Gregorian day, month, year, Hebrew day, month, year (each a 32-bit integer), taken both as
// they are and folded into the calendar's range.
#include <string>

#include "calendar/gregorian.h"
#include "calendar/hebrew.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

std::string Date(int day, int month, int year) {
    return std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year);
}

bool MonthOccurs(int month, int year) {
    const HebrewMonthSequence order = HebrewMonthOrder(year);
    for (int i = 0; i < order.count; ++i) {
        if (order.months[i] == month) {
            return true;
        }
    }
    return false;
}

void CheckDayNumber(DayNumber n) {
    const std::string label = "day " + std::to_string(n);
    int day = 0, month = 0, year = 0;
    DayNumberToGregorian(n, day, month, year);
    FUZZ_CHECK(month >= 1 && month <= 12 && day >= 1 && day <= DaysInGregorianMonth(month, year),
               label + " gave " + Date(day, month, year));
    // Every day of the calendar goes back to itself; the others to the nearer end of the calendar.
    FUZZ_CHECK(GregorianToDayNumber(day, month, year) == ClampDayNumber(n), label + " gave " + Date(day, month, year));
    const int weekday = WeekdayOf(n);
    FUZZ_CHECK(weekday >= 0 && weekday <= 6, label);
    FUZZ_CHECK(n >= kLastDayNumber || WeekdayOf(n + 1) == (weekday + 1) % 7, label);

    DayNumberToHebrew(n, day, month, year);
    FUZZ_CHECK(year >= kEarliestHebrewYear && year <= kLatestHebrewYear,
               label + " gave Hebrew year " + std::to_string(year));
    FUZZ_CHECK(MonthOccurs(month, year) && day >= 1 && day <= DaysInHebrewMonth(month, year),
               label + " gave Hebrew " + Date(day, month, year));
    const DayNumber calendarDay = n < HebrewNewYearDayNumber(kEarliestHebrewYear)
                                      ? HebrewNewYearDayNumber(kEarliestHebrewYear)
                                  : n > kLastDayNumber ? kLastDayNumber
                                                       : n;
    FUZZ_CHECK(HebrewToDayNumber(day, month, year) == calendarDay, label + " gave Hebrew " + Date(day, month, year));
}

void CheckGregorianDate(int day, int month, int year) {
    const std::string label = Date(day, month, year);
    const DayNumber n = GregorianToDayNumber(day, month, year);
    FUZZ_CHECK(n >= kFirstDayNumber && n <= kLastDayNumber, label + " is day " + std::to_string(n));
    const bool valid = month >= 1 && month <= 12 && day >= 1 && day <= DaysInGregorianMonth(month, year);
    if (valid && year >= -1000000 && year <= 1000000) {
        int d = 0, m = 0, y = 0;
        DayNumberToGregorian(n, d, m, y);
        FUZZ_CHECK(d == day && m == month && y == year, label + " came back as " + Date(d, m, y));
    }
}

void CheckHebrewDate(int day, int month, int year) {
    const std::string label = "Hebrew " + Date(day, month, year);
    const int length = HebrewYearLength(year);
    FUZZ_CHECK(length == 353 || length == 354 || length == 355 || length == 383 || length == 384 || length == 385,
               label + " has a year of " + std::to_string(length));
    FUZZ_CHECK(IsHebrewLeapYear(ClampHebrewYear(year)) == (length > 380), label);
    // 1 Tishrei never falls on a Sunday, Wednesday or Friday.
    const int newYearWeekday = WeekdayOf(HebrewNewYearDayNumber(year));
    FUZZ_CHECK(newYearWeekday != 0 && newYearWeekday != 3 && newYearWeekday != 5, label);

    const int monthLength = DaysInHebrewMonth(month, year);
    FUZZ_CHECK(month >= 1 && month <= 14 ? (monthLength == 29 || monthLength == 30) : monthLength == 0, label);

    const DayNumber n = HebrewToDayNumber(day, month, year);
    FUZZ_CHECK(n >= kFirstDayNumber && n <= kLastDayNumber, label + " is day " + std::to_string(n));

    if (year >= kEarliestHebrewYear && year <= kLatestHebrewYear && MonthOccurs(month, year) && day >= 1 &&
        day <= monthLength && n < kLastDayNumber) {
        int d = 0, m = 0, y = 0;
        DayNumberToHebrew(n, d, m, y);
        FUZZ_CHECK(d == day && m == month && y == year, label + " came back as " + Date(d, m, y));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::int32_t n = input.Int32();
    const std::int32_t day = input.Int32();
    const std::int32_t month = input.Int32();
    const std::int32_t year = input.Int32();
    const std::int32_t hebrewDay = input.Int32();
    const std::int32_t hebrewMonth = input.Int32();
    const std::int32_t hebrewYear = input.Int32();

    CheckDayNumber(n);
    CheckDayNumber(static_cast<DayNumber>(FoldInto(n, kFirstDayNumber, kLastDayNumber)));
    CheckGregorianDate(day, month, year);
    CheckGregorianDate(static_cast<int>(FoldInto(day, 1, 31)), static_cast<int>(FoldInto(month, 1, 12)),
                       static_cast<int>(FoldInto(year, -1000000, 1000000)));
    CheckHebrewDate(hebrewDay, hebrewMonth, hebrewYear);
    CheckHebrewDate(static_cast<int>(FoldInto(hebrewDay, 1, 30)), static_cast<int>(FoldInto(hebrewMonth, 1, 14)),
                    static_cast<int>(FoldInto(hebrewYear, kEarliestHebrewYear, kLatestHebrewYear)));
    return 0;
}
