#include "calendar/gregorian.h"

#include <gtest/gtest.h>

namespace {

struct KnownDay {
    const char* label;
    int day, month, year;
    DayNumber number;
    int weekday;
};

// Published Julian Day Numbers and weekdays.
const KnownDay kKnownDays[] = {
    {"first day of the supported range", 1, 1, 1900, 2415021, 1},
    {"last day of the supported range", 31, 12, 2099, 2488069, 4},
    {"start of the 400-year cycle", 1, 1, 1601, 2305814, 1},
    {"J2000 epoch day", 1, 1, 2000, 2451545, 6},
    {"leap day of a century leap year", 29, 2, 2000, 2451604, 2},
    {"day after February of a common century year", 1, 3, 1900, 2415080, 4},
    {"a date of the Hebrew table's first year", 14, 9, 1939, 2429521, 4},
    {"1 January 2099", 1, 1, 2099, 2487705, 4},
    {"declaration of independence", 4, 7, 1776, 2369916, 4},
};

TEST(GregorianCalendar, MatchesPublishedDayNumbersAndWeekdays) {
    for (const KnownDay& k : kKnownDays) {
        SCOPED_TRACE(k.label);
        EXPECT_EQ(GregorianToDayNumber(k.day, k.month, k.year), k.number);
        EXPECT_EQ(GregorianWeekday(k.day, k.month, k.year), k.weekday);
        int d = 0, m = 0, y = 0;
        DayNumberToGregorian(k.number, d, m, y);
        EXPECT_EQ(d, k.day);
        EXPECT_EQ(m, k.month);
        EXPECT_EQ(y, k.year);
    }
}

TEST(GregorianCalendar, MonthOutsideTheYearHasNoDays) {
    EXPECT_EQ(DaysInGregorianMonth(0, 2008), 0);
    EXPECT_EQ(DaysInGregorianMonth(13, 2008), 0);
    EXPECT_EQ(DaysInGregorianMonth(-1, 2008), 0);
}

// Walks every day of 1900..2099 with a plain "next date" rule (its own leap-year rule included) and checks that the
// day numbers count up by one, the weekdays follow each other, the conversion back gives the same date and the
// month lengths are right.
TEST(GregorianCalendar, RoundTripsEveryDayOfTheSupportedRange) {
    const int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int day = 1, month = 1, year = 1900;
    DayNumber expected = kFirstSupportedDay;
    int weekday = 1;  // a Monday
    int failures = 0;
    while (year <= 2099 && failures < 10) {
        const DayNumber n = GregorianToDayNumber(day, month, year);
        int d = 0, m = 0, y = 0;
        DayNumberToGregorian(n, d, m, y);
        if (n != expected || GregorianWeekday(day, month, year) != weekday || d != day || m != month || y != year ||
            (day == 1 && FirstWeekdayOfGregorianMonth(month, year) != weekday)) {
            ADD_FAILURE() << day << "." << month << "." << year << " gave " << n << " weekday " << WeekdayOf(n)
                          << " back " << d << "." << m << "." << y;
            ++failures;
        }
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        const int length = (month == 2 && leap) ? 29 : kLengths[month - 1];
        EXPECT_EQ(DaysInGregorianMonth(month, year), length);
        if (++day > length) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
        ++expected;
        weekday = (weekday + 1) % 7;
    }
    EXPECT_EQ(expected, kLastSupportedDay + 1);
}

TEST(GregorianCalendar, EveryDayNumberHasADefinedDate) {
    // Far outside the range the program uses, the conversion still gives a valid date rather than reading
    // past a table.
    for (DayNumber n :
         {DayNumber{0}, DayNumber{-1000000}, DayNumber{2000000000}, kFirstSupportedDay - 1, kLastSupportedDay + 1}) {
        int d = 0, m = 0, y = 0;
        DayNumberToGregorian(n, d, m, y);
        EXPECT_GE(m, 1);
        EXPECT_LE(m, 12);
        EXPECT_GE(d, 1);
        EXPECT_LE(d, 31);
    }
    int d = 0, m = 0, y = 0;
    DayNumberToGregorian(kLastSupportedDay + 1, d, m, y);
    EXPECT_EQ(d * 10000 + m * 100, 10100);
    EXPECT_EQ(y, 2100);
}

}  // namespace
