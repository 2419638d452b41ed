// Day numbers and the Gregorian calendar.
//
// Every date in the program is reduced to a DayNumber, the Julian Day Number of a civil day; the Gregorian and
// Hebrew calendars only ever meet through it.
//
// The calendar covers the days of the Gregorian years -1000000 to 1000000, kFirstDayNumber..kLastDayNumber. The
// functions that make a day number keep it within them, so a day number plus or minus a few thousand days never
// leaves 32 bits; every 32-bit day number still converts to a date.
#pragma once

#include <cstdint>

using DayNumber = std::int32_t;

// 1 January 1601 is day 2305814; 1 January 1900 is day 2415021, a Monday; 31 December 2099 is day 2488069.
inline constexpr DayNumber kDayNumberOf1601 = 2305814;
inline constexpr DayNumber kFirstSupportedDay = 2415021;
inline constexpr DayNumber kLastSupportedDay = 2488069;
inline constexpr int kFirstSupportedYear = 1900;
inline constexpr int kLastSupportedYear = 2099;

constexpr bool IsGregorianLeapYear(int year) {
    if (year % 400 == 0) {
        return true;
    }
    if (year % 100 == 0) {
        return false;
    }
    return year % 4 == 0;
}

namespace day_number_detail {

// Division rounding toward minus infinity: FloorDiv(-1, 4) is -1.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// The day count of a proleptic Gregorian date in 64 bits; for any int arguments every term stays below 2^41.
constexpr std::int64_t GregorianDayCount(int day, int month, int year) {
    constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const std::int64_t c = static_cast<std::int64_t>(year) - 1601;
    const std::int64_t leapDays = FloorDiv(c, 4) - FloorDiv(c, 100) + FloorDiv(c, 400);
    const std::int64_t before = (month >= 1 && month <= 12) ? kDaysBefore[month - 1] : 0;
    std::int64_t n = 365 * c + leapDays + before + day - 1;
    if (IsGregorianLeapYear(year) && month >= 3) {
        n += 1;
    }
    return n + kDayNumberOf1601;
}

}  // namespace day_number_detail

// 1 January -1000000 is day -363521440; 31 December 1000000 is day 366963925.
inline constexpr DayNumber kFirstDayNumber = -363521440;
inline constexpr DayNumber kLastDayNumber = 366963925;

// A 64-bit day count kept within kFirstDayNumber..kLastDayNumber.
constexpr DayNumber ClampDayNumber(std::int64_t n) {
    return static_cast<DayNumber>(n < kFirstDayNumber ? kFirstDayNumber : n > kLastDayNumber ? kLastDayNumber : n);
}

// 28..31; 0 when the month is not 1..12.
constexpr int DaysInGregorianMonth(int month, int year) {
    constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    if (month == 2 && IsGregorianLeapYear(year)) {
        return 29;
    }
    return kLengths[month - 1];
}

// Weekday 0 = Sunday .. 6 = Saturday. The one place the weekday is computed: (n + 1) mod 7, kept in 0..6 for
// day numbers below zero too.
constexpr int WeekdayOf(DayNumber n) {
    const int r = static_cast<int>((static_cast<std::int64_t>(n) + 1) % 7);
    return r < 0 ? r + 7 : r;
}

// Exact over the whole proleptic calendar: GregorianToDayNumber(1, 1, 1900) is 2415021, (1, 1, 1600) is 2305448.
// Takes any integers: neither day nor month is validated (a day beyond the month counts on into the next months, a
// month outside 1..12 counts no days before it), and a result outside kFirstDayNumber..kLastDayNumber is clamped
// to the nearer end.
constexpr DayNumber GregorianToDayNumber(int day, int month, int year) {
    return ClampDayNumber(day_number_detail::GregorianDayCount(day, month, year));
}

// Writes the Gregorian date of day n. A closed formula over the proleptic calendar, so every 32-bit day number has
// a defined date (years -5884323 to 5874898); the program itself only asks about 1900..2099.
void DayNumberToGregorian(DayNumber n, int& day, int& month, int& year);

constexpr int GregorianWeekday(int day, int month, int year) {
    return WeekdayOf(GregorianToDayNumber(day, month, year));
}

constexpr int FirstWeekdayOfGregorianMonth(int month, int year) {
    return GregorianWeekday(1, month, year);
}

static_assert(GregorianToDayNumber(1, 1, 1601) == kDayNumberOf1601);
static_assert(GregorianToDayNumber(1, 1, 1600) == 2305448);
static_assert(day_number_detail::GregorianDayCount(1, 1, -1000000) == kFirstDayNumber);
static_assert(day_number_detail::GregorianDayCount(31, 12, 1000000) == kLastDayNumber);
static_assert(GregorianToDayNumber(1, 1, 1000001) == kLastDayNumber);
static_assert(GregorianToDayNumber(1, 1, 1900) == kFirstSupportedDay);
static_assert(GregorianToDayNumber(31, 12, 2099) == kLastSupportedDay);
static_assert(WeekdayOf(kFirstSupportedDay) == 1);
