// The Hebrew calendar: years, months and their conversion to and from DayNumber.
//
// Months are numbered from the start of the year: 1 Tishrei .. 12 Elul, 6 Adar in a regular year, 13 Adar I and
// 14 Adar II in a leap year. Every length is derived from the day numbers of two neighbouring New Years.
#pragma once

#include <cstdint>

#include "calendar/gregorian.h"

inline constexpr int kFirstHebrewYear = 5700;  // 1 Tishrei 5700 is day 2429521, 14 September 1939
inline constexpr int kLastHebrewYear = 5838;   // the last year whose length the program knows

inline constexpr int kTishrei = 1;
inline constexpr int kCheshvan = 2;
inline constexpr int kKislev = 3;
inline constexpr int kTevet = 4;
inline constexpr int kShevat = 5;
inline constexpr int kAdar = 6;
inline constexpr int kNisan = 7;
inline constexpr int kIyar = 8;
inline constexpr int kSivan = 9;
inline constexpr int kTammuz = 10;
inline constexpr int kAv = 11;
inline constexpr int kElul = 12;
inline constexpr int kAdarI = 13;
inline constexpr int kAdarII = 14;

// True exactly when year mod 19 is one of 0, 3, 6, 8, 11, 14, 17.
constexpr bool IsHebrewLeapYear(int year) {
    int r = year % 19;
    if (r < 0) {
        r += 19;
    }
    return r == 0 || r == 3 || r == 6 || r == 8 || r == 11 || r == 14 || r == 17;
}

namespace hebrew_detail {

using day_number_detail::FloorDiv;

// The molad arithmetic, the one in the program (New Years here, every month's molad in calendar/molad.h). Time is
// counted in parts: 1080 to the hour, 18 to the minute. The mean month is 29 days, 12 hours and 793 parts.
inline constexpr std::int64_t kPartsPerHour = 1080;
inline constexpr std::int64_t kPartsPerDay = 24 * kPartsPerHour;
inline constexpr std::int64_t kMeanMonthParts = 29 * kPartsPerDay + 12 * kPartsPerHour + 793;  // 765433

// Day count 347998 is 1 Tishrei of year 1, a Monday. Its molad, Monday 5 hours and 204 parts after 6 pm of Sunday
// evening, is 876 parts before the midnight that begins that Monday: Sunday 11:11 pm and 6 parts.
inline constexpr std::int64_t kEpochDayCount = 347998;
inline constexpr std::int64_t kFirstMoladParts = 5 * kPartsPerHour + 204 - 6 * kPartsPerHour;  // -876

// Months from Tishrei of year 1 to Tishrei of the year: 235 in every 19 years.
constexpr std::int64_t MonthsBeforeYear(std::int64_t year) {
    return FloorDiv(235 * year - 234, 19);
}

// The molad of the month that begins `months` months after Tishrei of year 1, in parts from the midnight that
// begins day count kEpochDayCount. For |months| up to 2^35 the product stays below 2^56.
constexpr std::int64_t MoladParts(std::int64_t months) {
    return kFirstMoladParts + kMeanMonthParts * months;
}

// Days from the epoch to the day of the molad of Tishrei of the year, a molad at noon or later counting as the next
// day, with the postponement when that day is a Sunday, Wednesday or Friday.
constexpr std::int64_t ElapsedDays(std::int64_t year) {
    std::int64_t days = FloorDiv(MoladParts(MonthsBeforeYear(year)) + 12 * kPartsPerHour, kPartsPerDay);
    if ((3 * (days + 1)) % 7 < 3) {
        days += 1;
    }
    return days;
}

// The remaining postponements: a year may be neither 356 nor, after a leap year, 382 days long.
constexpr std::int64_t NewYearDelay(std::int64_t year) {
    const std::int64_t thisYear = ElapsedDays(year);
    if (ElapsedDays(year + 1) - thisYear == 356) {
        return 2;
    }
    if (thisYear - ElapsedDays(year - 1) == 382) {
        return 1;
    }
    return 0;
}

// Day count of 1 Tishrei of any year, in 64 bits.
constexpr std::int64_t NewYearDayCount(std::int64_t year) {
    return kEpochDayCount + ElapsedDays(year) + NewYearDelay(year);
}

}  // namespace hebrew_detail

// The Hebrew years the calendar covers: from year 1, whose 1 Tishrei is day 347998 (the calendar's first day), to
// the year of kLastDayNumber. Functions taking a Hebrew year take a year outside them as the nearer end.
inline constexpr int kEarliestHebrewYear = 1;
inline constexpr int kLatestHebrewYear = 1003749;

constexpr int ClampHebrewYear(int year) {
    return year < kEarliestHebrewYear ? kEarliestHebrewYear : year > kLatestHebrewYear ? kLatestHebrewYear : year;
}

// Day number of 1 Tishrei of the year: 5700 gives 2429521, 5768 gives 2454357 (13 September 2007).
constexpr DayNumber HebrewNewYearDayNumber(int year) {
    return static_cast<DayNumber>(hebrew_detail::NewYearDayCount(ClampHebrewYear(year)));
}

// 353, 354, 355, 383, 384 or 385.
constexpr int HebrewYearLength(int year) {
    const int y = ClampHebrewYear(year);
    return static_cast<int>(hebrew_detail::NewYearDayCount(y + 1) - hebrew_detail::NewYearDayCount(y));
}

// 29 or 30; 0 for a month outside 1..14. Any year (see kEarliestHebrewYear).
int DaysInHebrewMonth(int month, int year);

// The months of the year in the order they follow each other: 12 of them in a regular year, 13 in a leap year.
struct HebrewMonthSequence {
    const int* months;
    int count;
};
HebrewMonthSequence HebrewMonthOrder(int year);

// The month's place in the year's order, 0 for Tishrei; -1 when the month does not occur in the year (Adar, 6, in a
// leap year; Adar I and II, 13 and 14, in a regular year; a number outside 1..14).
int HebrewMonthPosition(int month, int year);

// The month must occur in the year (callers map Adar first). A month that does not occur counts as Tishrei, so the
// result is always a day of that year's range or near it. Takes any integers: a day outside the month counts on
// from the month's first day, the year is taken within kEarliestHebrewYear..kLatestHebrewYear, and the result is
// kept within kFirstDayNumber..kLastDayNumber.
DayNumber HebrewToDayNumber(int day, int month, int year);

// Writes the Hebrew date of day n. Days before 1 Tishrei of year 1 are taken as that day, days after
// kLastDayNumber as that day, so the year is always one of kEarliestHebrewYear..kLatestHebrewYear.
void DayNumberToHebrew(DayNumber n, int& day, int& month, int& year);

inline int HebrewWeekday(int day, int month, int year) {
    return WeekdayOf(HebrewToDayNumber(day, month, year));
}

inline int FirstWeekdayOfHebrewMonth(int month, int year) {
    return HebrewWeekday(1, month, year);
}

static_assert(HebrewNewYearDayNumber(kFirstHebrewYear) == 2429521);
static_assert(HebrewNewYearDayNumber(5768) == 2454357);
static_assert(HebrewNewYearDayNumber(5839) == 2480285);
static_assert(HebrewNewYearDayNumber(kEarliestHebrewYear) == 347998);
static_assert(HebrewNewYearDayNumber(kLatestHebrewYear) <= kLastDayNumber &&
              hebrew_detail::NewYearDayCount(kLatestHebrewYear + 1) > kLastDayNumber);
