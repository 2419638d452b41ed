#include "location/shabbat_settings.h"

#include <gtest/gtest.h>

#include <vector>

#include "location/place_rules.h"

namespace {

std::int32_t CityNamed(const char* name) {
    std::vector<const PresetCity*> candidates;
    const PresetCity* preset = FindPresetByName(name, candidates);
    return preset != nullptr ? preset->id : 0;
}

// The stored numbers as the rules read them: -1 and a number out of range give the place's own minutes and
// nightfall; the user's minutes win over the place's.
TEST(ShabbatSettings, RulesTakeThePlacesMinutesUnlessTheUserSetOthers) {
    const struct {
        const char* label;
        const char* city;  // a preset's name, or "" for the ZIP code of New York
        std::int32_t candles;
        std::int32_t havdalah;
        int minutes;
        std::optional<int> afterSunset;
    } cases[] = {
        {"defaults at a ZIP code", "", -1, -1, 18, std::nullopt},
        {"Jerusalem's own", "Jerusalem, Israel", -1, -1, 40, std::nullopt},
        {"Haifa's own", "Haifa, Israel", -1, 50, 30, 50},
        {"Tel Aviv's own", "Tel Aviv, Israel", -1, 0, 20, 0},
        {"the user's minutes win at Jerusalem", "Jerusalem, Israel", 25, 72, 25, 72},
        {"none before sunset at all", "Tel Aviv, Israel", 0, 120, 0, 120},
        {"out of range reads as the default", "Jerusalem, Israel", 91, 121, 40, std::nullopt},
        {"below -1 reads as the default", "Boston, MA", -2, -7, 18, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::int32_t city = c.city[0] != '\0' ? CityNamed(c.city) : 10001;
        ASSERT_NE(city, 0);
        const ShabbatSettings settings{static_cast<CandleLightingSetting>(c.candles),
                                       static_cast<HavdalahSetting>(c.havdalah)};
        const ShabbatRules rules = settings.RulesAt(city);
        EXPECT_EQ(rules.candleLightingMinutes, c.minutes);
        EXPECT_EQ(rules.havdalahMinutesAfterSunset, c.afterSunset);
    }
}

}  // namespace
