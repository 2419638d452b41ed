#include "location/shabbat_settings.h"

#include <iterator>
#include <memory>

namespace {

// The preset cities with minutes of their own (ids of preset_cities.cpp).
struct PlaceMinutes {
    std::int32_t city;
    int minutes;
};
constexpr PlaceMinutes kPlaceMinutes[] = {
    {100013, 30},  // Haifa, Israel
    {100016, 40},  // Jerusalem, Israel
    {100035, 20},  // Tel Aviv, Israel
};

std::optional<int> MinutesWithin(std::int32_t stored, int largest) {
    if (stored < 0 || stored > largest) {
        return std::nullopt;
    }
    return static_cast<int>(stored);
}

constexpr std::int32_t kDefaultStored = -1;

bool InRange(std::int32_t stored, int largest) {
    return stored == kDefaultStored || MinutesWithin(stored, largest).has_value();
}

}  // namespace

std::optional<int> CandleLightingMinutesOf(CandleLightingSetting setting) {
    return MinutesWithin(static_cast<std::int32_t>(setting), kMaxCandleLightingMinutes);
}

std::optional<int> HavdalahMinutesOf(HavdalahSetting setting) {
    return MinutesWithin(static_cast<std::int32_t>(setting), kMaxHavdalahMinutes);
}

int PlaceCandleLightingMinutes(std::int32_t city) {
    for (const PlaceMinutes& place : kPlaceMinutes) {
        if (place.city == city) {
            return place.minutes;
        }
    }
    return kUsualCandleLightingMinutes;
}

ShabbatRules ShabbatSettings::RulesAt(std::int32_t city) const {
    return {CandleLightingMinutesOf(candleLighting).value_or(PlaceCandleLightingMinutes(city)),
            HavdalahMinutesOf(havdalah)};
}

void ShabbatSettings::load(SettingsStore& store) {
    std::int32_t value = kDefaultStored;
    readSettingDword(store, kCandleLightingMinutesValue, kDefaultStored, value);
    candleLighting = static_cast<CandleLightingSetting>(value);
    readSettingDword(store, kHavdalahMinutesValue, kDefaultStored, value);
    havdalah = static_cast<HavdalahSetting>(value);
}

void ShabbatSettings::loadWithoutCreating(SettingsStore& store, SettingsReadReport& report) {
    *this = ShabbatSettings();
    const std::unique_ptr<SettingsKey> key = store.openKey();
    if (!key) {
        return;
    }
    const struct {
        const char* name;
        int largest;
    } values[] = {{kCandleLightingMinutesValue, kMaxCandleLightingMinutes},
                  {kHavdalahMinutesValue, kMaxHavdalahMinutes}};
    std::int32_t stored[std::size(values)] = {};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        switch (queryDwordSetting(*key, values[i].name, kDefaultStored, stored[i])) {
            case ValueQuery::Read:
                if (!InRange(stored[i], values[i].largest)) {
                    report.outOfRange.push_back(values[i].name);
                }
                break;
            case ValueQuery::NotFound:
                break;
            case ValueQuery::Failed:
                report.unreadable.push_back(values[i].name);
                break;
        }
    }
    candleLighting = static_cast<CandleLightingSetting>(stored[0]);
    havdalah = static_cast<HavdalahSetting>(stored[1]);
}

std::array<DwordSetting, 2> ShabbatSettings::settingValues() const {
    return {{{kCandleLightingMinutesValue, static_cast<std::int32_t>(candleLighting)},
             {kHavdalahMinutesValue, static_cast<std::int32_t>(havdalah)}}};
}
