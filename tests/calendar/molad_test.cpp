#include "calendar/molad.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar/hebrew.h"

namespace {

// The civil day and a 12-hour clock, Saturday as Shabbat, one part as a chelek and none left out (the values of
// 5600-5900 are compared with python3-pyluach by the command line's tests).
TEST(Molad, AnnouncedOnTheCivilDayAndClock) {
    const struct {
        const char* label;
        int month, year;
        const char* text;
    } cases[] = {
        {"no parts, on Shabbat", kCheshvan, 5781, "Shabbat, October 17, 2020, 3:23 AM"},
        {"one part", kNisan, 5785, "Shabbat, March 29, 2025, 7:46 AM and 1 chelek"},
        {"just after midnight", kTammuz, 5780, "Sunday, June 21, 2020, 12:26 AM and 14 chalakim"},
        {"just after noon", kTishrei, 5786, "Monday, September 22, 2025, 12:10 PM and 7 chalakim"},
    };
    for (const auto& c : cases) {
        char text[100];
        EXPECT_EQ(std::string(text, FormatMoladText(MoladOf(c.month, c.year), text, sizeof text)), c.text) << c.label;
    }
}

}  // namespace
