// The two settings of the Shabbat and festival times, kept beside the place's six values under the same key:
//
//   "Candle Lighting Minutes"  0..90: candles are lit that many minutes before sunset, wherever the place is.
//                              -1: the place's own minutes: 40 at Jerusalem, 30 at Haifa, 20 at Tel Aviv (the
//                              preset cities), 18 anywhere else. Choosing Jerusalem then gives 40 unless the user
//                              has set a number.
//   "Havdalah Minutes"         0..120: havdalah that many minutes after sunset (42, 50 and 72 are the usual ones).
//                              -1: at nightfall, the sun 8.5 degrees below the horizon, as the Zmanim page has it.
//
// They read as the six do: a missing value reads as -1 and is created with it on the first read (load), a value
// that cannot be read as a number reads as -1 and is left as it is. A number outside both ranges is kept as stored
// and counts as -1 until it is changed: a mere read never loses it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "location/location.h"
#include "location/settings_store.h"

inline constexpr const char* kCandleLightingMinutesValue = "Candle Lighting Minutes";
inline constexpr const char* kHavdalahMinutesValue = "Havdalah Minutes";

// The stored numbers: -1 (the default), 0..90 the user's minutes, any other number as -1.
enum class CandleLightingSetting : std::int32_t { PlaceDefault = -1 };
// The stored numbers: -1 (the default), 0..120 the user's minutes after sunset, any other number as -1.
enum class HavdalahSetting : std::int32_t { AtNightfall = -1 };

inline constexpr int kMaxCandleLightingMinutes = 90;
inline constexpr int kMaxHavdalahMinutes = 120;
inline constexpr int kUsualCandleLightingMinutes = 18;

// The minutes a setting holds, when it holds minutes within its range; nothing for the default and for a number out
// of range.
std::optional<int> CandleLightingMinutesOf(CandleLightingSetting setting);
std::optional<int> HavdalahMinutesOf(HavdalahSetting setting);

// The place's own candle-lighting minutes for a city as Location::city() holds it: 40 for Jerusalem's preset id,
// 30 for Haifa's, 20 for Tel Aviv's, 18 for every other city, ZIP code or none.
int PlaceCandleLightingMinutes(std::int32_t city);

// The rules the times are computed by, once the settings are read: minutes before sunset, and havdalah at
// nightfall (nothing) or minutes after sunset.
struct ShabbatRules {
    int candleLightingMinutes = kUsualCandleLightingMinutes;
    std::optional<int> havdalahMinutesAfterSunset;
};

struct ShabbatSettings {
    CandleLightingSetting candleLighting = CandleLightingSetting::PlaceDefault;
    HavdalahSetting havdalah = HavdalahSetting::AtNightfall;

    // The rules at a city: the user's minutes where set, else the city's own and nightfall.
    ShabbatRules RulesAt(std::int32_t city) const;

    // Both values from the settings, creating the key and a missing value with -1, as Location::load does.
    void load(SettingsStore& store);
    // Both values as load reads them, from the key as it is, nothing created or written. A value that cannot be read
    // as a number is added to report.unreadable, a number out of range to report.outOfRange; a missing one is not
    // reported, as settings saved before these values existed have none.
    void loadWithoutCreating(SettingsStore& store, SettingsReadReport& report);
    // The two values as they are stored, out-of-range numbers included.
    std::array<DwordSetting, 2> settingValues() const;
};
