#include "holidays/omer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "holidays/holiday_table.h"

namespace {

// Passover 5784 began on the evening of 22 April 2024; Lag BaOmer was 26 May and Shavuot 12 June.
TEST(Omer, CountsAndWordsOfWorkedDays) {
    const struct {
        const char* label;
        int day, month;
        int count;
        const char* text;
    } cases[] = {
        {"15 Nisan, the first day of Passover", 23, 4, 0, ""},
        {"16 Nisan", 24, 4, 1, "Today is 1 day of the Omer"},
        {"a week", 30, 4, 7, "Today is 7 days, which is 1 week of the Omer"},
        {"a week and a day", 1, 5, 8, "Today is 8 days, which is 1 week and 1 day of the Omer"},
        {"Lag BaOmer", 26, 5, 33, "Today is 33 days, which is 4 weeks and 5 days of the Omer"},
        {"5 Sivan", 11, 6, 49, "Today is 49 days, which is 7 weeks of the Omer"},
        {"Shavuot", 12, 6, 0, ""},
    };
    for (const auto& c : cases) {
        const int count = OmerCount(GregorianToDayNumber(c.day, c.month, 2024));
        char text[80];
        EXPECT_EQ(count, c.count) << c.label;
        EXPECT_EQ(std::string(text, FormatOmerText(count, text, sizeof text)), c.text) << c.label;
    }
}

// Every year of the tables: the days after the first day of Passover are counted 1..49 in a row, and the next is
// Shavuot.
TEST(Omer, FortyNineDaysBetweenPassoverAndShavuotEveryYear) {
    const HolidayTable table = HolidayTableFor(Observance::Israel);
    int years = 0;
    for (const HolidayRow* row = table.rows; row != table.rows + table.count; ++row) {
        if (row->code == HolidayCode::PassoverI) {
            DayNumber n = row->dayNumber;
            while (OmerCount(n + 1) == n + 1 - row->dayNumber) {
                ++n;
            }
            EXPECT_EQ(n - row->dayNumber, kOmerDays) << row->year;
            const HolidayCodes next = HolidaysOn(n + 1, Observance::Israel);
            EXPECT_EQ(std::count(next.codes, next.codes + next.count, HolidayCode::ShavuotI), 1) << row->year;
            ++years;
        }
    }
    EXPECT_EQ(years, 200);
}

}  // namespace
