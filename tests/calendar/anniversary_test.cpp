#include "calendar/anniversary.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Kind = PersonDateKind;

struct Civil {
    int year, month, day;
    DayNumber Number() const { return GregorianToDayNumber(day, month, year); }
};

// Worked cases of the yearly-date rules; the Gregorian dates were converted with an independent calendar library.
TEST(YearlyDates, FollowTheRulesForDaysSomeYearsLack) {
    const struct {
        const char* rule;
        Civil event;
        bool afterSunset;
        Kind kind;
        AdarChoice adar;
        int hebrewYear;
        Civil expected;
        std::optional<Civil> second;
    } cases[] = {
        {"A day every year has stays (7 Av)",
         {1980, 7, 20},
         false,
         Kind::Yahrzeit,
         AdarChoice::Usual,
         5785,
         {2025, 8, 1},
         {}},
        {"After sunset is the next Hebrew day",
         {1980, 7, 19},
         true,
         Kind::Yahrzeit,
         AdarChoice::Usual,
         5785,
         {2025, 8, 1},
         {}},
        {"29 Elul stays", {2023, 9, 15}, false, Kind::Birthday, AdarChoice::Usual, 5784, {2024, 10, 2}, {}},
        {"Yahrzeit 30 Cheshvan, first year has it: the 30th",
         {1982, 11, 16},
         false,
         Kind::Yahrzeit,
         AdarChoice::Usual,
         5744,
         {1983, 11, 6},
         {}},
        {"Yahrzeit 30 Cheshvan, first year has it: 1 Kislev when missing",
         {1982, 11, 16},
         false,
         Kind::Yahrzeit,
         AdarChoice::Usual,
         5745,
         {1984, 11, 25},
         {}},
        {"Yahrzeit 30 Cheshvan, first year lacks it: the 29th",
         {1983, 11, 6},
         false,
         Kind::Yahrzeit,
         AdarChoice::Usual,
         5745,
         {1984, 11, 24},
         {}},
        {"Yahrzeit 30 Cheshvan, first year lacks it: the 29th though a 30th exists",
         {1983, 11, 6},
         false,
         Kind::Yahrzeit,
         AdarChoice::Usual,
         5747,
         {1986, 12, 1},
         {}},
        {"Yahrzeit 30 Kislev, first year lacks it: the 29th though a 30th exists",
         {1979, 12, 20},
         false,
         Kind::Yahrzeit,
         AdarChoice::Usual,
         5743,
         {1982, 12, 15},
         {}},
        {"Birthday 30 Kislev in a year without it: 1 Tevet",
         {2010, 12, 7},
         false,
         Kind::Birthday,
         AdarChoice::Usual,
         5784,
         {2023, 12, 13},
         {}},
        {"Birthday 30 Kislev in a year with it",
         {2010, 12, 7},
         false,
         Kind::Birthday,
         AdarChoice::Usual,
         5783,
         {2022, 12, 24},
         {}},
        {"Yahrzeit in Adar of a common year, leap year: Adar I",
         {2023, 2, 28},
         false,
         Kind::Yahrzeit,
         AdarChoice::Usual,
         5784,
         {2024, 2, 16},
         {}},
        {"Yahrzeit in Adar, chosen Adar II",
         {2023, 2, 28},
         false,
         Kind::Yahrzeit,
         AdarChoice::AdarII,
         5784,
         {2024, 3, 17},
         {}},
        {"Yahrzeit in Adar, chosen both",
         {2023, 2, 28},
         false,
         Kind::Yahrzeit,
         AdarChoice::Both,
         5784,
         {2024, 2, 16},
         Civil{2024, 3, 17}},
        {"Adar choice does nothing in a common year",
         {2023, 2, 28},
         false,
         Kind::Yahrzeit,
         AdarChoice::Both,
         5785,
         {2025, 3, 7},
         {}},
        {"Birthday in Adar of a common year, leap year: Adar II",
         {2023, 2, 28},
         false,
         Kind::Birthday,
         AdarChoice::Usual,
         5784,
         {2024, 3, 17},
         {}},
        {"Birthday in Adar, chosen Adar I",
         {2023, 2, 28},
         false,
         Kind::Birthday,
         AdarChoice::AdarI,
         5784,
         {2024, 2, 16},
         {}},
        {"Yahrzeit 30 Adar I in a common year: 30 Shevat",
         {2024, 3, 10},
         false,
         Kind::Yahrzeit,
         AdarChoice::Usual,
         5785,
         {2025, 2, 28},
         {}},
        {"Birthday 30 Adar I in a common year: 1 Nisan",
         {2024, 3, 10},
         false,
         Kind::Birthday,
         AdarChoice::Usual,
         5785,
         {2025, 3, 30},
         {}},
        {"Yahrzeit in Adar II, common year: Adar",
         {2024, 3, 17},
         false,
         Kind::Yahrzeit,
         AdarChoice::Usual,
         5785,
         {2025, 3, 7},
         {}},
        {"Yahrzeit in Adar II, leap year: Adar II, whatever the choice",
         {2024, 3, 17},
         false,
         Kind::Yahrzeit,
         AdarChoice::AdarI,
         5787,
         {2027, 3, 16},
         {}},
    };
    for (const auto& c : cases) {
        const HebrewDate event = EventHebrewDate(c.event.Number(), c.afterSunset);
        const std::optional<YearlyDays> days = YearlyDaysIn(event, c.kind, c.adar, c.hebrewYear);
        ASSERT_TRUE(days.has_value()) << c.rule;
        EXPECT_EQ(days->first, c.expected.Number()) << c.rule;
        EXPECT_EQ(days->second, c.second ? std::optional<DayNumber>(c.second->Number()) : std::nullopt) << c.rule;
    }
    // Nothing before the event's own year.
    EXPECT_FALSE(
        YearlyDaysIn(EventHebrewDate(Civil{2023, 2, 28}.Number(), false), Kind::Birthday, AdarChoice::Usual, 5782)
            .has_value());
}

TEST(YearlyDates, ComingOfAgeFollowsTheBirthdayRules) {
    // Born 30 Kislev 5771: bat mitzvah on 30 Kislev 5783, bar mitzvah on 1 Tevet 5784 (Kislev has 29 days).
    const HebrewDate birth = EventHebrewDate(Civil{2010, 12, 7}.Number(), false);
    EXPECT_EQ(ComingOfAgeDay(birth, 12), (Civil{2022, 12, 24}.Number()));
    EXPECT_EQ(ComingOfAgeDay(birth, 13), (Civil{2023, 12, 13}.Number()));
}

}  // namespace
