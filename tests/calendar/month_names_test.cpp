#include "calendar/month_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "calendar/hebrew.h"

namespace {

TEST(MonthNames, NamesOutsideTheYearAreNull) {
    EXPECT_EQ(GregorianMonthName(0), nullptr);
    EXPECT_EQ(GregorianMonthName(13), nullptr);
    EXPECT_EQ(HebrewMonthName(0), nullptr);
    EXPECT_EQ(HebrewMonthName(15), nullptr);
    EXPECT_STREQ(GregorianMonthName(1), "January");
    EXPECT_STREQ(GregorianMonthName(12), "December");
    EXPECT_STREQ(HebrewMonthName(1), "Tishrei");
    EXPECT_STREQ(HebrewMonthName(6), "Adar");
    EXPECT_STREQ(HebrewMonthName(12), "Elul");
    EXPECT_STREQ(HebrewMonthName(13), "Adar I");
    EXPECT_STREQ(HebrewMonthName(14), "Adar II");
}

TEST(MonthNames, DateLineIsCutAtTheCapacity) {
    char buffer[32];
    EXPECT_EQ(FormatDateLine(HebrewMonthName(kNisan), 15, 5768, buffer, sizeof buffer), 14u);
    EXPECT_STREQ(buffer, "Nisan 15, 5768");
    FormatDateLine(GregorianMonthName(3), 21, 2008, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "March 21, 2008");
    FormatDateLine("Nisan", 15, 5768, buffer, 6);
    EXPECT_STREQ(buffer, "Nisan");
    FormatDateLine(nullptr, 1, 2000, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, " 1, 2000");
}

// The month boxes list each year's months in the order the year runs through them.
TEST(MonthNames, ChoicesFollowTheOrderOfTheYear) {
    for (const bool leap : {false, true}) {
        const MonthChoiceList list = HebrewMonthChoices(leap);
        const HebrewMonthSequence order = HebrewMonthOrder(leap ? 5784 : 5785);
        ASSERT_EQ(list.count, order.count);
        for (int i = 0; i < list.count; ++i) {
            EXPECT_EQ(list.items[i].month, order.months[i]);
            EXPECT_STREQ(list.items[i].name, HebrewMonthName(order.months[i]));
        }
    }
}

}  // namespace
