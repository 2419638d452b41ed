#include "shell/tray_tip.h"

#include <gtest/gtest.h>

namespace {

TEST(TrayTip, ShowsBothDatesOfTheDay) {
    const struct {
        int day, month, year;
        const char* expected;
    } cases[] = {
        {1, 1, 2000, "January 1, 2000 / Tevet 23, 5760"},   {5, 3, 2008, "March 5, 2008 / Adar I 28, 5768"},
        {20, 4, 2008, "April 20, 2008 / Nisan 15, 5768"},   {14, 3, 2025, "March 14, 2025 / Adar 14, 5785"},
        {24, 3, 2016, "March 24, 2016 / Adar II 14, 5776"},
    };
    for (const auto& c : cases) {
        char tip[200];
        FormatTrayTip(c.day, c.month, c.year, tip, sizeof tip);
        EXPECT_STREQ(tip, c.expected);
    }
}

TEST(TrayTip, FitsTheIconsTipField) {
    // The longest month names on both sides still fit the 63 characters of the icon's tip.
    char tip[64];
    EXPECT_LT(FormatTrayTip(30, 9, 2077, tip, sizeof tip), 40u);
    EXPECT_EQ(FormatTrayTip(30, 9, 2077, tip, 10), 9u);
}

}  // namespace
