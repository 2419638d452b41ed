#include "calendar/calendar_cursor.h"

#include <gtest/gtest.h>

#include "calendar/hebrew.h"

namespace {

struct Date {
    int day, month, year;
};

constexpr Observance kIsrael = Observance::Israel;
constexpr Observance kDiaspora = Observance::Diaspora;

// A stand-in for the tables that counts the days it is asked about: every seventh day is a holiday in Israel and
// every tenth in the Diaspora, so the two observances give different marks.
int lookups = 0;
bool CountingLookup(DayNumber n, Observance observance) {
    ++lookups;
    return n % (IsDiaspora(observance) ? 10 : 7) == 0;
}

// The date arithmetic never asks for holidays.
bool NoHolidays(DayNumber, Observance) {
    ADD_FAILURE() << "holiday lookup";
    return false;
}

void ExpectGregorian(const CalendarCursor& cursor, Date expected, const char* label) {
    EXPECT_EQ(cursor.Day(), expected.day) << label;
    EXPECT_EQ(cursor.Month(), expected.month) << label;
    EXPECT_EQ(cursor.Year(), expected.year) << label;
}

void ExpectHebrew(const CalendarCursor& cursor, Date expected, const char* label) {
    EXPECT_EQ(cursor.HebrewDay(), expected.day) << label;
    EXPECT_EQ(cursor.HebrewMonth(), expected.month) << label;
    EXPECT_EQ(cursor.HebrewYear(), expected.year) << label;
}

TEST(CalendarCursor, StartsOnTheFirstOfJanuary1980) {
    const CalendarCursor cursor(NoHolidays);
    ExpectGregorian(cursor, {1, 1, 1980}, "new cursor");
    ExpectHebrew(cursor, {12, kTevet, 5740}, "new cursor");
}

TEST(CalendarCursor, GregorianChangesClampTheDay) {
    enum class Change { Day, Month, Year, Date };
    const struct {
        const char* label;
        Date start;
        Change change;
        Date argument;  // only the part the change takes is used
        Date expected;
    } cases[] = {
        {"31 January, month 2 in a leap year", {31, 1, 2008}, Change::Month, {0, 2, 0}, {29, 2, 2008}},
        {"31 January, month 2 in a common year", {31, 1, 2007}, Change::Month, {0, 2, 0}, {28, 2, 2007}},
        {"31 March, month 4", {31, 3, 2024}, Change::Month, {0, 4, 0}, {30, 4, 2024}},
        {"29 February, a common year", {29, 2, 2008}, Change::Year, {0, 0, 2009}, {28, 2, 2009}},
        {"29 February, a leap year", {29, 2, 2008}, Change::Year, {0, 0, 2012}, {29, 2, 2012}},
        {"29 February, year 1900 (common)", {29, 2, 2000}, Change::Year, {0, 0, 1900}, {28, 2, 1900}},
        {"day 31 of June", {1, 6, 2024}, Change::Day, {31, 0, 0}, {30, 6, 2024}},
        {"day 15 stays", {1, 6, 2024}, Change::Day, {15, 0, 0}, {15, 6, 2024}},
        {"31 April as a date", {1, 1, 2000}, Change::Date, {31, 4, 2024}, {30, 4, 2024}},
    };
    for (const auto& c : cases) {
        CalendarCursor cursor(NoHolidays);
        cursor.SetGregorianDate(c.start.day, c.start.month, c.start.year);
        switch (c.change) {
            case Change::Day:
                cursor.SetGregorianDay(c.argument.day);
                break;
            case Change::Month:
                cursor.SetGregorianMonth(c.argument.month);
                break;
            case Change::Year:
                cursor.SetGregorianYear(c.argument.year);
                break;
            case Change::Date:
                cursor.SetGregorianDate(c.argument.day, c.argument.month, c.argument.year);
                break;
        }
        ExpectGregorian(cursor, c.expected, c.label);
    }
}

TEST(CalendarCursor, HebrewChangesMapAdarAndClampTheDay) {
    enum class Change { Day, Month, Year };
    const struct {
        const char* label;
        Date start;  // Hebrew
        Change change;
        int argument;
        Date expected;  // Hebrew
    } cases[] = {
        {"Adar of a regular year to a leap year is Adar II",
         {10, kAdar, 5785},
         Change::Year,
         5784,
         {10, kAdarII, 5784}},
        {"Adar II to a regular year is Adar", {10, kAdarII, 5784}, Change::Year, 5785, {10, kAdar, 5785}},
        {"Adar I to a regular year is Adar", {12, kAdarI, 5784}, Change::Year, 5785, {12, kAdar, 5785}},
        {"30 Adar I to a regular year is 29 Adar", {30, kAdarI, 5784}, Change::Year, 5785, {29, kAdar, 5785}},
        {"Adar I to a leap year stays Adar I", {30, kAdarI, 5784}, Change::Year, 5787, {30, kAdarI, 5787}},
        {"month 6 in a leap year is Adar II", {3, kShevat, 5784}, Change::Month, kAdar, {3, kAdarII, 5784}},
        {"month 13 in a regular year is Adar", {3, kShevat, 5785}, Change::Month, kAdarI, {3, kAdar, 5785}},
        {"month 14 in a regular year is Adar", {3, kShevat, 5785}, Change::Month, kAdarII, {3, kAdar, 5785}},
        {"30 Kislev to a year of 353 days", {30, kKislev, 5785}, Change::Year, 5781, {29, kKislev, 5781}},
        {"30 Kislev to a year of 383 days", {30, kKislev, 5785}, Change::Year, 5784, {29, kKislev, 5784}},
        {"30 Kislev to a year of 354 days", {30, kKislev, 5785}, Change::Year, 5786, {30, kKislev, 5786}},
        {"30 Cheshvan to a year whose Cheshvan has 29 days",
         {30, kCheshvan, 5785},
         Change::Year,
         5786,
         {29, kCheshvan, 5786}},
        {"30 Tishrei to Cheshvan of 29 days", {30, kTishrei, 5786}, Change::Month, kCheshvan, {29, kCheshvan, 5786}},
        {"day 30 of Elul", {1, kElul, 5785}, Change::Day, 30, {29, kElul, 5785}},
        {"day 15 of Nisan", {1, kNisan, 5768}, Change::Day, 15, {15, kNisan, 5768}},
    };
    for (const auto& c : cases) {
        CalendarCursor cursor(NoHolidays);
        cursor.SetHebrewDate(c.start.day, c.start.month, c.start.year);
        ExpectHebrew(cursor, c.start, c.label);
        switch (c.change) {
            case Change::Day:
                cursor.SetHebrewDay(c.argument);
                break;
            case Change::Month:
                cursor.SetHebrewMonth(c.argument);
                break;
            case Change::Year:
                cursor.SetHebrewYear(c.argument);
                break;
        }
        ExpectHebrew(cursor, c.expected, c.label);
    }
}

TEST(CalendarCursor, HebrewDateSelectsTheGregorianDay) {
    CalendarCursor cursor(NoHolidays);
    cursor.SetHebrewDate(15, kNisan, 5768);
    ExpectGregorian(cursor, {20, 4, 2008}, "first day of Passover 5768");
    cursor.SetHebrewDate(6, kIyar, 5784);
    ExpectGregorian(cursor, {14, 5, 2024}, "6 Iyar 5784");
}

TEST(CalendarCursor, DerivedFieldsOfTheSelectedDay) {
    CalendarCursor cursor(NoHolidays);
    cursor.SetGregorianDate(20, 4, 2008);  // 15 Nisan 5768, a Sunday; 5768 is a leap year
    int day = 0, month = 0, year = 0, weekday = -1;
    cursor.GetHebrewDate(&day, &month, &year, &weekday);
    EXPECT_EQ(day, 15);
    EXPECT_EQ(month, kNisan);
    EXPECT_EQ(year, 5768);
    EXPECT_EQ(weekday, 0);
    cursor.GetGregorianDate(&day, &month, &year, &weekday);
    EXPECT_EQ(day, 20);
    EXPECT_EQ(month, 4);
    EXPECT_EQ(year, 2008);
    EXPECT_EQ(weekday, 0);
    EXPECT_EQ(cursor.CursorDayNumber(), 2454577);
    EXPECT_EQ(cursor.GregorianMonthLength(), 30);
    EXPECT_EQ(cursor.GregorianMonthFirstWeekday(), 2);  // 1 April 2008 was a Tuesday
    EXPECT_TRUE(cursor.IsHebrewLeap());
    EXPECT_EQ(cursor.HebrewMonthLength(), 30);
    EXPECT_EQ(cursor.HebrewMonthFirstWeekday(), 0);  // 1 Nisan 5768 was Sunday 6 April 2008
}

TEST(CalendarCursor, DateQueriesWriteNothingWhenADestinationIsMissing) {
    CalendarCursor cursor(NoHolidays);
    cursor.SetGregorianDate(20, 4, 2008);
    for (int missing = 0; missing < 4; ++missing) {
        for (const bool hebrew : {false, true}) {
            int values[4] = {-7, -7, -7, -7};
            int* pointers[4] = {&values[0], &values[1], &values[2], &values[3]};
            pointers[missing] = nullptr;
            if (hebrew) {
                cursor.GetHebrewDate(pointers[0], pointers[1], pointers[2], pointers[3]);
            } else {
                cursor.GetGregorianDate(pointers[0], pointers[1], pointers[2], pointers[3]);
            }
            for (const int value : values) {
                EXPECT_EQ(value, -7) << "missing " << missing << (hebrew ? " (Hebrew)" : " (Gregorian)");
            }
        }
    }
}

TEST(CalendarCursor, SetFromDayNumber) {
    CalendarCursor cursor(NoHolidays);
    cursor.SetFromDayNumber(kFirstSupportedDay);
    ExpectGregorian(cursor, {1, 1, 1900}, "first supported day");
    cursor.SetFromDayNumber(kLastSupportedDay);
    ExpectGregorian(cursor, {31, 12, 2099}, "last supported day");
}

TEST(CalendarCursor, TodayIsTheGivenLocalDateWhateverWasSelected) {
    for (const Date start : {Date{1, 1, 1941}, Date{31, 12, 2076}, Date{29, 2, 2000}}) {
        CalendarCursor cursor(NoHolidays);
        cursor.SetGregorianDate(start.day, start.month, start.year);
        cursor.SetToToday(LocalDateTime{2008, 4, 20, 23, 59, 59});
        ExpectGregorian(cursor, {20, 4, 2008}, "today");
    }
}

// Each step selects a day and asks for its month's marks; the stand-in lookup tells whether the cursor read the
// tables or answered from its cache, and the mask must be the stand-in's either way.
struct CacheStep {
    const char* label;
    Date date;
    Observance observance;
    bool reads;
};

void CheckCacheSteps(bool hebrew, std::initializer_list<CacheStep> steps) {
    CalendarCursor cursor(CountingLookup);
    for (const CacheStep& step : steps) {
        SCOPED_TRACE(step.label);
        std::uint32_t expected = 0;
        DayNumber first = 0;
        int length = 0;
        if (hebrew) {
            cursor.SetHebrewDate(step.date.day, step.date.month, step.date.year);
            first = HebrewToDayNumber(1, step.date.month, step.date.year);
            length = DaysInHebrewMonth(step.date.month, step.date.year);
        } else {
            cursor.SetGregorianDate(step.date.day, step.date.month, step.date.year);
            first = GregorianToDayNumber(1, step.date.month, step.date.year);
            length = DaysInGregorianMonth(step.date.month, step.date.year);
        }
        for (int day = 1; day <= length; ++day) {
            expected |= CountingLookup(first + day - 1, step.observance) ? 1u << day : 0u;
        }
        lookups = 0;
        const std::uint32_t marks =
            hebrew ? cursor.HebrewMonthMarks(step.observance) : cursor.GregorianMonthMarks(step.observance);
        EXPECT_EQ(marks, expected);
        EXPECT_EQ(lookups, step.reads ? length : 0);
    }
}

TEST(CalendarCursor, GregorianMarksAreCachedByMonthYearAndObservance) {
    CheckCacheSteps(false, {
                               {"first request", {17, 4, 2024}, kDiaspora, true},
                               {"same key", {17, 4, 2024}, kDiaspora, false},
                               {"another day of the month", {3, 4, 2024}, kDiaspora, false},
                               {"other observance", {3, 4, 2024}, kIsrael, true},
                               {"observance back", {3, 4, 2024}, kDiaspora, true},
                               {"same month of another year", {3, 4, 2025}, kDiaspora, true},
                               {"another month", {3, 5, 2025}, kDiaspora, true},
                           });
}

TEST(CalendarCursor, HebrewMarksAreCachedByMonthYearAndObservance) {
    CheckCacheSteps(true, {
                              {"first request", {3, kNisan, 5784}, kDiaspora, true},
                              {"same key", {3, kNisan, 5784}, kDiaspora, false},
                              {"another day of the month", {20, kNisan, 5784}, kDiaspora, false},
                              {"other observance", {20, kNisan, 5784}, kIsrael, true},
                              {"same month of another year", {20, kNisan, 5785}, kIsrael, true},
                              {"another month", {20, kIyar, 5785}, kIsrael, true},
                          });
}

}  // namespace
