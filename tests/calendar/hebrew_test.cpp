#include "calendar/hebrew.h"

#include <gtest/gtest.h>

namespace {

// New Year by the molad of Tishrei and the four postponements, counted in parts (1080 to the hour), written
// independently of the code under test. Day index 1 (a Monday) is day number 347998.
DayNumber NewYearByMolad(int year) {
    const long long kPartsPerDay = 25920;
    const long long kPartsPerMonth = 29 * kPartsPerDay + 12 * 1080 + 793;
    const long long kFirstMolad = 1 * kPartsPerDay + 5 * 1080 + 204;  // Monday, 5 hours, 204 parts
    auto leap = [](int y) { return (7LL * y + 1) % 19 < 7; };
    const long long monthsBefore = (235LL * year - 234) / 19;
    const long long molad = kFirstMolad + monthsBefore * kPartsPerMonth;
    long long day = molad / kPartsPerDay;
    const long long parts = molad % kPartsPerDay;
    const long long weekday = day % 7;                                   // 0 Sunday
    if (parts >= 18 * 1080 ||                                            // the molad is "old"
        (weekday == 2 && parts >= 9 * 1080 + 204 && !leap(year)) ||      // Tuesday of a regular year
        (weekday == 1 && parts >= 15 * 1080 + 589 && leap(year - 1))) {  // Monday after a leap year
        ++day;
    }
    if (day % 7 == 0 || day % 7 == 3 || day % 7 == 5) {  // never Sunday, Wednesday or Friday
        ++day;
    }
    return static_cast<DayNumber>(347997 + day);
}

TEST(HebrewCalendar, NewYearsMatchTheMoladArithmetic) {
    for (int year = 5600; year <= 5900; ++year) {
        ASSERT_EQ(HebrewNewYearDayNumber(year), NewYearByMolad(year)) << year;
    }
}

TEST(HebrewCalendar, NewYearsMatchPublishedDates) {
    const struct {
        int year;
        int day, month, gregorianYear;
    } cases[] = {{5700, 14, 9, 1939}, {5768, 13, 9, 2007}, {5784, 16, 9, 2023}, {5785, 3, 10, 2024},
                 {5760, 11, 9, 1999}, {5839, 8, 9, 2078},  {5661, 24, 9, 1900}};
    for (const auto& c : cases) {
        EXPECT_EQ(HebrewNewYearDayNumber(c.year), GregorianToDayNumber(c.day, c.month, c.gregorianYear)) << c.year;
    }
    EXPECT_EQ(WeekdayOf(HebrewNewYearDayNumber(5700)), 4);
}

TEST(HebrewCalendar, CheshvanAndKislevFollowTheYearLength) {
    // One year of each length: 5784 has 383 days, 5785 355, 5786 354, 5787 385, 5781 353, 5779 385.
    const struct {
        int year;
        int length, cheshvan, kislev;
    } cases[] = {{5784, 383, 29, 29}, {5785, 355, 30, 30}, {5786, 354, 29, 30},
                 {5781, 353, 29, 29}, {5782, 384, 29, 30}, {5779, 385, 30, 30}};
    for (const auto& c : cases) {
        EXPECT_EQ(HebrewYearLength(c.year), c.length) << c.year;
        EXPECT_EQ(DaysInHebrewMonth(kCheshvan, c.year), c.cheshvan) << c.year;
        EXPECT_EQ(DaysInHebrewMonth(kKislev, c.year), c.kislev) << c.year;
    }
    EXPECT_EQ(DaysInHebrewMonth(kAdarI, 5785), 30);
    EXPECT_EQ(DaysInHebrewMonth(kAdarII, 5785), 29);
    EXPECT_EQ(DaysInHebrewMonth(0, 5785), 0);
    EXPECT_EQ(DaysInHebrewMonth(15, 5785), 0);
}

TEST(HebrewCalendar, MonthOrderOfLeapAndRegularYears) {
    const HebrewMonthSequence leap = HebrewMonthOrder(5784);
    ASSERT_EQ(leap.count, 13);
    EXPECT_EQ(leap.months[5], kAdarI);
    EXPECT_EQ(leap.months[6], kAdarII);
    EXPECT_EQ(leap.months[7], kNisan);
    const HebrewMonthSequence regular = HebrewMonthOrder(5785);
    ASSERT_EQ(regular.count, 12);
    EXPECT_EQ(regular.months[5], kAdar);
}

TEST(HebrewCalendar, MatchesPublishedDates) {
    const struct {
        const char* label;
        int hebrewDay, hebrewMonth, hebrewYear;
        int day, month, year;
    } cases[] = {
        {"first Passover day of 5768", 15, kNisan, 5768, 20, 4, 2008},
        {"Adar I of a leap year", 28, kAdarI, 5768, 5, 3, 2008},
        {"Tevet across the Gregorian New Year", 23, kTevet, 5760, 1, 1, 2000},
        {"Yom Ha-Atzmaut 5784", 6, kIyar, 5784, 14, 5, 2024},
        {"last day of 5838", 29, kElul, 5838, 7, 9, 2078},
        {"Purim of a regular year", 14, kAdar, 5785, 14, 3, 2025},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const DayNumber n = GregorianToDayNumber(c.day, c.month, c.year);
        EXPECT_EQ(HebrewToDayNumber(c.hebrewDay, c.hebrewMonth, c.hebrewYear), n);
        int d = 0, m = 0, y = 0;
        DayNumberToHebrew(n, d, m, y);
        EXPECT_EQ(d, c.hebrewDay);
        EXPECT_EQ(m, c.hebrewMonth);
        EXPECT_EQ(y, c.hebrewYear);
    }
}

// Every day from 1 Tishrei 5700 to 29 Elul 5838: the conversion goes back and forth, consecutive days are
// consecutive dates in the order of the year's months (so a year's months, leap or regular, fill its length), each
// year begins on its New Year day, and the weekday of a Hebrew date is that of its day number.
TEST(HebrewCalendar, RoundTripsEveryDayOfTheSupportedRange) {
    int prevDay = 0, prevMonth = 0, prevYear = 0;
    int failures = 0;
    const DayNumber first = HebrewNewYearDayNumber(kFirstHebrewYear);
    const DayNumber end = HebrewNewYearDayNumber(kLastHebrewYear + 1);
    for (DayNumber n = first; n < end && failures < 10; ++n) {
        int d = 0, m = 0, y = 0;
        DayNumberToHebrew(n, d, m, y);
        bool ok = HebrewToDayNumber(d, m, y) == n && d >= 1 && d <= DaysInHebrewMonth(m, y) &&
                  HebrewWeekday(d, m, y) == WeekdayOf(n) && (d != 1 || FirstWeekdayOfHebrewMonth(m, y) == WeekdayOf(n));
        if (n == first) {
            ok = ok && d == 1 && m == kTishrei && y == kFirstHebrewYear;
        } else if (d != 1) {
            ok = ok && d == prevDay + 1 && m == prevMonth && y == prevYear;
        } else {
            ok = ok && prevDay == DaysInHebrewMonth(prevMonth, prevYear);
            if (m == kTishrei) {
                ok = ok && prevMonth == kElul && y == prevYear + 1 && n == HebrewNewYearDayNumber(y);
            } else {
                const HebrewMonthSequence order = HebrewMonthOrder(y);
                int i = 0;
                while (i < order.count && order.months[i] != m) {
                    ++i;
                }
                ok = ok && y == prevYear && i > 0 && i < order.count && order.months[i - 1] == prevMonth;
            }
        }
        if (!ok) {
            ADD_FAILURE() << "day " << n << " gave " << d << "/" << m << "/" << y;
            ++failures;
        }
        prevDay = d;
        prevMonth = m;
        prevYear = y;
    }
    EXPECT_EQ(prevYear, kLastHebrewYear);
}

TEST(HebrewCalendar, DaysOutsideTheTableStillGiveValidDates) {
    for (DayNumber n : {DayNumber{0}, DayNumber{347997}, DayNumber{347998}, HebrewNewYearDayNumber(5700) - 1,
                        HebrewNewYearDayNumber(5839), HebrewNewYearDayNumber(5841) + 100, DayNumber{5000000}}) {
        int d = 0, m = 0, y = 0;
        DayNumberToHebrew(n, d, m, y);
        EXPECT_GE(y, 1) << n;
        EXPECT_GE(d, 1) << n;
        EXPECT_LE(d, DaysInHebrewMonth(m, y)) << n;
        if (n >= 347998) {
            EXPECT_EQ(HebrewToDayNumber(d, m, y), n);
        }
    }
}

}  // namespace
