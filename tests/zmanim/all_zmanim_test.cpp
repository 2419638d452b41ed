#include "zmanim/all_zmanim.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Only what happens has a time (and, in UTC, a clock): without sunrise or sunset nothing counted from them, without
// a night dark enough no dawn, tallit or nightfall; the transit on every day of a place on the globe.
TEST(AllZmanim, WhatDoesNotHappenHasNoTime) {
    const std::string kFromDawn =
        "dawn tallit sunrise shema-gra shema-mga prayer-gra prayer-mga midday mincha-gedola mincha-ketana plag sunset "
        "nightfall nightfall-72";
    const std::string kDayWithoutDarkness =
        "sunrise shema-gra shema-mga prayer-gra prayer-mga midday mincha-gedola mincha-ketana plag sunset nightfall-72";
    const struct {
        const char* label;
        double latitude;
        int day, month, year;
        std::string happen;
    } cases[] = {
        {"an ordinary day, 40N", 40.75, 21, 3, 2008, "midnight " + kFromDawn},
        {"midnight sun, 69.65N, 21 June", 69.65, 21, 6, 2008, "midday"},
        {"polar night, 69.65N, 21 December: the sun stays 3 degrees down", 69.65, 21, 12, 2008,
         "dawn tallit midday nightfall"},
        {"white night, 60N, 21 June: the sun sinks 6.6 degrees", 60, 21, 6, 2008, "midnight " + kDayWithoutDarkness},
        {"first sunrise after the polar night, 69.65N, 16 January: no sunset the day before, no midnight", 69.65, 16, 1,
         2008, kFromDawn},
        {"north pole", 90, 21, 3, 2008, ""},
        {"no such day, 30 February", 40.75, 30, 2, 2008, ""},
        {"a year beyond the solar series", 40.75, 1, 1, 10000, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const AllZmanim all = allZmanim(c.day, c.month, c.year, {c.latitude, -18.95, 0, {false, 0, false}},
                                        [](const CivilTime&, CivilTime&) { return false; });
        std::string happen;
        for (const ZmanTime& time : all.times) {
            EXPECT_EQ(time.minutesUt.has_value(), time.clock.has_value()) << ZmanKey(time.zman);
            happen += time.minutesUt ? std::string(happen.empty() ? "" : " ") + ZmanKey(time.zman) : "";
        }
        EXPECT_EQ(happen, c.happen);
    }
}

}  // namespace
