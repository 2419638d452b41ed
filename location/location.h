// The current place and the settings that go with it: city, position, elevation and its unit, observance.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "calendar/observance.h"

class SettingsStore;
struct DwordSetting;

// What Location::loadWithoutCreating found: whether the key exists, and the values that read as their defaults
// because they are missing or cannot be read as numbers (names from settings_store.h), or hold a number outside
// their range (the settings of shabbat_settings.h).
struct SettingsReadReport {
    bool keyFound = false;
    std::vector<const char*> missing;
    std::vector<const char*> unreadable;
    std::vector<const char*> outOfRange;
};

// The unit of the stored elevation. The setting keeps its number and may hold any other; every value other than
// 1 counts as feet.
enum class ElevationUnits : std::int32_t { Metres = 1, Feet = 2 };

// How UTC becomes local time for the current place.
struct ZoneRule {
    bool useHostZone;  // the computer's own zone applies; the other two fields do not matter
    int offsetHours;   // standard time, whole hours from UTC, west negative
    bool observesDst;
};

// A packed angle is +-(degrees * 100 + minutes): 4239 is 42 degrees 39 minutes, -7346 the same with the negative
// sense (south, or for a Location's longitude east).
struct UnpackedAngle {
    int degrees;
    int minutes;
    bool negative;
};
UnpackedAngle unpackAngle(std::int32_t packed);
// Any ints: a magnitude degrees * 100 + minutes beyond the 32 bits of a stored angle is taken as the nearer of
// -2147483647 and 2147483647 (21474836 degrees 47 minutes), so packAngle(21474837, 0, true) is -2147483647.
std::int32_t packAngle(int degrees, int minutes, bool negative);
double angleDegrees(std::int32_t packed);

struct PresetCity {
    const char* name;
    std::int32_t id;         // 100000 + row
    std::int32_t latitude;   // packed, north positive
    std::int32_t longitude;  // packed, east positive
};
struct PresetCityList {
    const PresetCity* rows;
    int count;  // 39; row 0 has an empty name
};

// One US survey foot in metres.
inline constexpr double kMetresPerFoot = 0.3048006096012;

class Location {
  public:
    // No city, position 0/0, elevation 0 feet, Diaspora: the values before the settings are read.
    Location() = default;

    std::int32_t city() const;  // 1..99999 ZIP code, 100000.. preset id, 0 or below none
    std::int32_t elevation() const;
    std::int32_t latitude() const;   // packed, negative south
    std::int32_t longitude() const;  // packed, negative east (west positive)
    ElevationUnits elevationUnits() const;
    Observance holiday() const;  // the observance
    void setCity(std::int32_t value);
    void setElevation(std::int32_t value);
    void setLatitude(std::int32_t value);
    void setLongitude(std::int32_t value);
    void setElevationUnits(ElevationUnits value);
    void setHoliday(Observance value);

    bool isZipCode() const;
    std::size_t cityName(char* buffer, std::size_t size) const;
    double latitudeDegrees() const;
    double longitudeDegrees() const;  // west positive
    double elevationMetres() const;
    ZoneRule zoneRule() const;
    // All six fields from or to the settings, in the order City, Latitude, Longitude, Elevation, Elevation Units,
    // Holiday; the store's defaults are the initial values. Loading creates the key and every missing value with
    // its default, as the program does when it starts.
    void load(SettingsStore& store);
    void save(SettingsStore& store) const;
    // The six fields as load reads them, but from the key as it is: nothing is created or written, and a field whose
    // value is missing or unreadable, or every field when there is no key, gets its default. For readers beside the
    // program, such as kestrelon-cli.
    SettingsReadReport loadWithoutCreating(SettingsStore& store);
    // The six values as save writes them, in its order.
    std::array<DwordSetting, 6> settingValues() const;

  private:
    std::int32_t city_ = 0;
    std::int32_t elevation_ = 0;
    std::int32_t latitude_ = 0;
    std::int32_t longitude_ = 0;
    ElevationUnits elevationUnits_ = ElevationUnits::Feet;
    Observance holiday_ = Observance::Diaspora;
};

// The preset row whose id is id (a scan from row 0), or null.
const PresetCity* FindPresetCity(std::int32_t id);

// Packed table position (east-positive longitude) of a preset id or a ZIP code; false when neither has it.
bool cityPosition(std::int32_t code, std::int32_t& latitude, std::int32_t& longitude);
PresetCityList presetCities();
