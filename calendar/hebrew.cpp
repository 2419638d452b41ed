#include "calendar/hebrew.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kRegularOrder[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
constexpr int kLeapOrder[13] = {1, 2, 3, 4, 5, 13, 14, 7, 8, 9, 10, 11, 12};

// New Years of 5700..5840, so that every year of the supported range and the one after it has a length without
// recomputing the molad.
constexpr int kTableFirstYear = kFirstHebrewYear;
constexpr int kTableYears = kLastHebrewYear + 2 - kFirstHebrewYear + 1;

constexpr std::array<DayNumber, kTableYears> MakeNewYearTable() {
    std::array<DayNumber, kTableYears> table{};
    for (int i = 0; i < kTableYears; ++i) {
        table[static_cast<std::size_t>(i)] = HebrewNewYearDayNumber(kTableFirstYear + i);
    }
    return table;
}

constexpr std::array<DayNumber, kTableYears> kNewYearTable = MakeNewYearTable();

// 1 Tishrei of the year as a 64-bit day count; year is at most kLatestHebrewYear + 1, whose New Year lies past
// kLastDayNumber.
std::int64_t NewYear(int year) {
    const int i = year - kTableFirstYear;
    if (i >= 0 && i < kTableYears) {
        return kNewYearTable[static_cast<std::size_t>(i)];
    }
    return hebrew_detail::NewYearDayCount(year);
}

// 1 Tishrei of year 1; earlier days are outside the calendar.
constexpr DayNumber kHebrewEpochNewYear = HebrewNewYearDayNumber(kEarliestHebrewYear);

// Days of the year, from a year of kEarliestHebrewYear..kLatestHebrewYear.
int YearLength(int year) {
    return static_cast<int>(NewYear(year + 1) - NewYear(year));
}

// The year of day n, for n from kHebrewEpochNewYear to kLastDayNumber.
int HebrewYearOf(DayNumber n) {
    if (n >= kNewYearTable.front() && n < kNewYearTable.back()) {
        // The last New Year not after n.
        const auto it = std::upper_bound(kNewYearTable.begin(), kNewYearTable.end(), n);
        return kTableFirstYear + static_cast<int>(it - kNewYearTable.begin()) - 1;
    }
    // A mean year is 179876755 / 492480 days (235 months of 765433 / 25920 days in 19 years); the estimate is
    // within a year of the truth and is then corrected. The product stays below 2^49.
    const std::int64_t elapsed = static_cast<std::int64_t>(n) - kHebrewEpochNewYear;
    int year = ClampHebrewYear(static_cast<int>(elapsed * 492480 / 179876755) + 1);
    while (year > kEarliestHebrewYear && NewYear(year) > n) {
        --year;
    }
    while (year < kLatestHebrewYear && NewYear(year + 1) <= n) {
        ++year;
    }
    return year;
}

}  // namespace

int DaysInHebrewMonth(int month, int year) {
    switch (month) {
        case kTishrei:
        case kShevat:
        case kNisan:
        case kSivan:
        case kAv:
        case kAdarI:
            return 30;
        case kTevet:
        case kAdar:
        case kIyar:
        case kTammuz:
        case kElul:
        case kAdarII:
            return 29;
        case kCheshvan: {
            const int length = YearLength(ClampHebrewYear(year));
            return (length == 355 || length == 385) ? 30 : 29;
        }
        case kKislev: {
            const int length = YearLength(ClampHebrewYear(year));
            return (length == 353 || length == 383) ? 29 : 30;
        }
        default:
            return 0;
    }
}

HebrewMonthSequence HebrewMonthOrder(int year) {
    if (IsHebrewLeapYear(year)) {
        return {kLeapOrder, 13};
    }
    return {kRegularOrder, 12};
}

int HebrewMonthPosition(int month, int year) {
    const HebrewMonthSequence order = HebrewMonthOrder(year);
    for (int i = 0; i < order.count; ++i) {
        if (order.months[i] == month) {
            return i;
        }
    }
    return -1;
}

DayNumber HebrewToDayNumber(int day, int month, int year) {
    const int y = ClampHebrewYear(year);
    const HebrewMonthSequence order = HebrewMonthOrder(y);
    // In 64 bits: a New Year near kLastDayNumber plus any day.
    const std::int64_t newYear = NewYear(y);
    std::int64_t monthStart = newYear;
    for (int i = 0; i < order.count; ++i) {
        if (order.months[i] == month) {
            return ClampDayNumber(monthStart + day - 1);
        }
        monthStart += DaysInHebrewMonth(order.months[i], y);
    }
    return ClampDayNumber(newYear + day - 1);
}

void DayNumberToHebrew(DayNumber n, int& day, int& month, int& year) {
    n = std::clamp(n, kHebrewEpochNewYear, kLastDayNumber);
    year = HebrewYearOf(n);
    int r = static_cast<int>(n - NewYear(year));
    const HebrewMonthSequence order = HebrewMonthOrder(year);
    month = order.months[order.count - 1];
    for (int i = 0; i < order.count; ++i) {
        const int length = DaysInHebrewMonth(order.months[i], year);
        if (r < length) {
            month = order.months[i];
            break;
        }
        r -= length;
    }
    day = r + 1;
}
