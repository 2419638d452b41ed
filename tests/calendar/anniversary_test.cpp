#include "calendar/anniversary.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace {

// "2024-03-17" as a day number; "" is no day.
std::optional<DayNumber> Day(const char* iso) {
    int y = 0, m = 0, d = 0;
    return std::sscanf(iso, "%d-%d-%d", &y, &m, &d) == 3 ? std::optional(GregorianToDayNumber(d, m, y)) : std::nullopt;
}

constexpr PersonDateKind Y = PersonDateKind::Yahrzeit, B = PersonDateKind::Birthday;
constexpr AdarChoice U = AdarChoice::Usual;

// Worked cases; the days converted with an independent library. "after sunset" belongs to the next Hebrew day.
TEST(YearlyDates, FollowTheRulesForDaysSomeYearsLack) {
    const struct {
        const char* rule;
        const char* event;
        PersonDateKind kind;
        AdarChoice adar;
        int year;
        const char* first;
        const char* second;
    } cases[] = {
        {"7 Av stays", "1980-07-20", Y, U, 5785, "2025-08-01", ""},
        {"After sunset: the next day", "1980-07-19 after sunset", Y, U, 5785, "2025-08-01", ""},
        {"29 Elul stays", "2023-09-15", B, U, 5784, "2024-10-02", ""},
        {"Yahrzeit 30 Cheshvan, first year has it: the 30th", "1982-11-16", Y, U, 5744, "1983-11-06", ""},
        {"... and 1 Kislev in a year without it", "1982-11-16", Y, U, 5745, "1984-11-25", ""},
        {"Yahrzeit 30 Cheshvan, first year lacks it: the 29th", "1983-11-06", Y, U, 5745, "1984-11-24", ""},
        {"... and the month's last day, a 30th", "1983-11-06", Y, U, 5747, "1986-12-02", ""},
        {"Yahrzeit 30 Kislev, first year lacks it: a later 30th", "1979-12-20", Y, U, 5743, "1982-12-16", ""},
        {"Birthday 30 Kislev, year without it: 1 Tevet", "2010-12-07", B, U, 5784, "2023-12-13", ""},
        {"Birthday 30 Kislev, year with it", "2010-12-07", B, U, 5783, "2022-12-24", ""},
        {"Yahrzeit, common year's Adar, leap year: Adar I", "2023-02-28", Y, U, 5784, "2024-02-16", ""},
        {"... chosen Adar II", "2023-02-28", Y, AdarChoice::AdarII, 5784, "2024-03-17", ""},
        {"... chosen both", "2023-02-28", Y, AdarChoice::Both, 5784, "2024-02-16", "2024-03-17"},
        {"... both is one day in a common year", "2023-02-28", Y, AdarChoice::Both, 5785, "2025-03-07", ""},
        {"Birthday, common year's Adar, leap year: Adar II", "2023-02-28", B, U, 5784, "2024-03-17", ""},
        {"... chosen Adar I", "2023-02-28", B, AdarChoice::AdarI, 5784, "2024-02-16", ""},
        {"Yahrzeit 30 Adar I, common year: 30 Shevat", "2024-03-10", Y, U, 5785, "2025-02-28", ""},
        {"Birthday 30 Adar I, common year: 1 Nisan", "2024-03-10", B, U, 5785, "2025-03-30", ""},
        {"Yahrzeit Adar II, common year: Adar", "2024-03-17", Y, U, 5785, "2025-03-07", ""},
        {"Yahrzeit Adar II, leap year: Adar II, any choice", "2024-03-17", Y, AdarChoice::AdarI, 5787, "2027-03-16",
         ""},
    };
    for (const auto& c : cases) {
        const HebrewDate event = EventHebrewDate(*Day(c.event), std::strstr(c.event, "after sunset") != nullptr);
        const std::optional<YearlyDays> days = YearlyDaysIn(event, c.kind, c.adar, c.year);
        ASSERT_TRUE(days) << c.rule;
        EXPECT_EQ(days->first, *Day(c.first)) << c.rule;
        EXPECT_EQ(days->second, Day(c.second)) << c.rule;
    }
    EXPECT_FALSE(YearlyDaysIn(EventHebrewDate(*Day("2023-02-28"), false), B, U, 5782)) << "before the event's year";
}

TEST(YearlyDates, ComingOfAgeFollowsTheBirthdayRules) {
    // Born 30 Kislev 5771: bat mitzvah on 30 Kislev 5783, bar mitzvah on 1 Tevet 5784 (Kislev has 29 days).
    const HebrewDate birth = EventHebrewDate(*Day("2010-12-07"), false);
    EXPECT_EQ(ComingOfAgeDay(birth, 12), *Day("2022-12-24"));
    EXPECT_EQ(ComingOfAgeDay(birth, 13), *Day("2023-12-13"));
}

}  // namespace
