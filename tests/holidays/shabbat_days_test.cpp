#include "holidays/shabbat_days.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A day's times as "kind/moment" words in the list's order.
std::string TimesOf(DayNumber day, Observance observance) {
    static const char* const kKinds[] = {"candles", "havdalah", "fast-begins", "fast-ends"};
    static const char* const kMoments[] = {"before-sunset", "nightfall", "havdalah", "dawn", "sunset", "nightfall"};
    std::string text;
    for (const ShabbatDayTime& time : ShabbatDayTimes(day, day, observance)) {
        text += (text.empty() ? "" : " ") + std::string(kKinds[static_cast<int>(time.kind)]) + "/" +
                kMoments[static_cast<int>(time.moment)];
    }
    return text;
}

// The rules on days where they differ from a plain week (the days of hebcal's listing are compared in
// tests/cli/shabbat_vs_hebcal.py; these check which moment each time is taken at).
TEST(ShabbatDayTimes, EachEveningTakesTheMomentOfItsRule) {
    const struct {
        const char* label;
        int day, month, year;
        Observance observance;
        const char* times;
    } cases[] = {
        {"Erev Rosh Hashanah, a Wednesday", 2, 10, 2024, Observance::Diaspora, "candles/before-sunset"},
        {"Rosh Hashanah I: its second evening after nightfall", 3, 10, 2024, Observance::Israel, "candles/nightfall"},
        {"Rosh Hashanah II, a Friday: Shabbat's candles before sunset", 4, 10, 2024, Observance::Diaspora,
         "candles/before-sunset"},
        {"Sukkot I in Israel: one day, then havdalah", 17, 10, 2024, Observance::Israel, "havdalah/havdalah"},
        {"Sukkot I in the Diaspora: the second evening", 17, 10, 2024, Observance::Diaspora, "candles/nightfall"},
        {"Shabbat before Passover: candles after nightfall, no havdalah", 12, 4, 2025, Observance::Diaspora,
         "candles/nightfall"},
        {"Passover VII on Shabbat, Passover VIII on Sunday", 19, 4, 2025, Observance::Diaspora, "candles/nightfall"},
        {"Passover VII on Shabbat in Israel ends the festival", 19, 4, 2025, Observance::Israel, "havdalah/havdalah"},
        {"Erev Yom Kippur", 11, 10, 2024, Observance::Israel, "candles/before-sunset"},
        {"Yom Kippur ends with havdalah, no other fast time", 12, 10, 2024, Observance::Diaspora, "havdalah/havdalah"},
        {"Erev Passover with the Fast of the Firstborn", 22, 4, 2024, Observance::Diaspora,
         "fast-begins/dawn candles/before-sunset fast-ends/nightfall"},
        {"the Fast of Esther brought forward to Thursday", 13, 3, 2025, Observance::Israel,
         "fast-begins/dawn fast-ends/nightfall"},
        {"the Fast of Tevet on a Friday", 10, 1, 2025, Observance::Diaspora,
         "fast-begins/dawn candles/before-sunset fast-ends/nightfall"},
        {"Shabbat before Tisha B'Av on Sunday", 2, 8, 2025, Observance::Diaspora,
         "fast-begins/sunset havdalah/havdalah"},
        {"Tisha B'Av postponed to Sunday", 3, 8, 2025, Observance::Diaspora, "fast-ends/nightfall"},
        {"a plain Thursday", 14, 11, 2024, Observance::Diaspora, ""},
        {"a Friday past the tables' end", 1, 1, 2100, Observance::Diaspora, "candles/before-sunset"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(TimesOf(GregorianToDayNumber(c.day, c.month, c.year), c.observance), c.times);
    }
}

}  // namespace
