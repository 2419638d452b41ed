#include "location/location.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "calendar/text_buffer.h"
#include "location/settings_store.h"
#include "location/zip_database.h"

namespace {

constexpr std::int32_t kFirstPresetId = 100000;
constexpr ElevationUnits kDefaultElevationUnits = ElevationUnits::Feet;
constexpr Observance kDefaultHoliday = Observance::Diaspora;

// A typed setting read as its stored number.
template <typename Enum>
void ReadTyped(SettingsStore& store, const char* name, Enum defaultValue, Enum& field) {
    std::int32_t value = 0;
    readSettingDword(store, name, static_cast<std::int32_t>(defaultValue), value);
    field = static_cast<Enum>(value);
}

}  // namespace

UnpackedAngle unpackAngle(std::int32_t packed) {
    // Widened first: the magnitude of the most negative 32-bit value does not fit in 32 bits.
    const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(packed));
    return {static_cast<int>(magnitude / 100), static_cast<int>(magnitude % 100), packed < 0};
}

std::int32_t packAngle(int degrees, int minutes, bool negative) {
    // Widened first: 21474837 degrees are 2147483700, past 32 bits.
    const std::int64_t magnitude = static_cast<std::int64_t>(degrees) * 100 + minutes;
    const std::int64_t bounded = std::clamp<std::int64_t>(magnitude, -INT32_MAX, INT32_MAX);
    return static_cast<std::int32_t>(negative ? -bounded : bounded);
}

// -7346 is -(73 + 46 / 60) = -73.7666...
double angleDegrees(std::int32_t packed) {
    const UnpackedAngle angle = unpackAngle(packed);
    const double degrees = angle.degrees + angle.minutes / 60.0;
    return angle.negative ? -degrees : degrees;
}

const PresetCity* FindPresetCity(std::int32_t id) {
    const PresetCityList presets = presetCities();
    for (int row = 0; row < presets.count; ++row) {
        if (presets.rows[row].id == id) {
            return &presets.rows[row];
        }
    }
    return nullptr;
}

bool cityPosition(std::int32_t code, std::int32_t& latitude, std::int32_t& longitude) {
    if (code >= kFirstPresetId) {
        const PresetCity* preset = FindPresetCity(code);
        if (preset == nullptr) {
            return false;
        }
        latitude = preset->latitude;
        longitude = preset->longitude;
        return true;
    }
    ZipRow row{};
    if (!zipLookup(code, row)) {
        return false;
    }
    latitude = row.latitude;
    longitude = row.longitude;
    return true;
}

std::int32_t Location::city() const {
    return city_;
}
std::int32_t Location::elevation() const {
    return elevation_;
}
std::int32_t Location::latitude() const {
    return latitude_;
}
std::int32_t Location::longitude() const {
    return longitude_;
}
ElevationUnits Location::elevationUnits() const {
    return elevationUnits_;
}
Observance Location::holiday() const {
    return holiday_;
}
void Location::setCity(std::int32_t value) {
    city_ = value;
}
void Location::setElevation(std::int32_t value) {
    elevation_ = value;
}
void Location::setLatitude(std::int32_t value) {
    latitude_ = value;
}
void Location::setLongitude(std::int32_t value) {
    longitude_ = value;
}
void Location::setElevationUnits(ElevationUnits value) {
    elevationUnits_ = value;
}
void Location::setHoliday(Observance value) {
    holiday_ = value;
}

bool Location::isZipCode() const {
    return city_ >= 1 && city_ <= 99999;
}

std::size_t Location::cityName(char* buffer, std::size_t size) const {
    const char* name = "";
    ZipRow row{};
    if (city_ >= kFirstPresetId) {
        const PresetCity* preset = FindPresetCity(city_);
        if (preset != nullptr) {
            name = preset->name;
        }
    } else if (zipLookup(city_, row)) {
        name = row.placeName;
    }
    return CopyText(buffer, size, name);
}

double Location::latitudeDegrees() const {
    return angleDegrees(latitude_);
}

double Location::longitudeDegrees() const {
    return angleDegrees(longitude_);
}

// Any unit other than metres counts as feet, as the dialog only ever stores 1 or 2.
double Location::elevationMetres() const {
    if (elevationUnits_ == ElevationUnits::Metres) {
        return elevation_;
    }
    return elevation_ * kMetresPerFoot;
}

// A ZIP code missing from the table (only an edited setting can hold one) is shown in the computer's zone, like
// any place without a zone of its own.
ZoneRule Location::zoneRule() const {
    ZipRow row{};
    if (isZipCode() && zipLookup(city_, row)) {
        return {false, row.offsetHours, (row.observesDst & 0xFF) != 0};
    }
    return {true, 0, false};
}

void Location::load(SettingsStore& store) {
    readSettingDword(store, kCityValue, 0, city_);
    readSettingDword(store, kLatitudeValue, 0, latitude_);
    readSettingDword(store, kLongitudeValue, 0, longitude_);
    readSettingDword(store, kElevationValue, 0, elevation_);
    ReadTyped(store, kElevationUnitsValue, kDefaultElevationUnits, elevationUnits_);
    ReadTyped(store, kHolidayValue, kDefaultHoliday, holiday_);
}

SettingsReadReport Location::loadWithoutCreating(SettingsStore& store) {
    *this = Location();
    SettingsReadReport report;
    const std::unique_ptr<SettingsKey> key = store.openKey();
    report.keyFound = key != nullptr;
    if (!key) {
        return report;
    }
    std::int32_t units = static_cast<std::int32_t>(kDefaultElevationUnits);
    std::int32_t holiday = static_cast<std::int32_t>(kDefaultHoliday);
    const DwordSetting defaults[] = {{kCityValue, city_},           {kLatitudeValue, latitude_},
                                     {kLongitudeValue, longitude_}, {kElevationValue, elevation_},
                                     {kElevationUnitsValue, units}, {kHolidayValue, holiday}};
    std::int32_t* const fields[] = {&city_, &latitude_, &longitude_, &elevation_, &units, &holiday};
    for (std::size_t i = 0; i < std::size(defaults); ++i) {
        switch (queryDwordSetting(*key, defaults[i].name, defaults[i].value, *fields[i])) {
            case ValueQuery::Read:
                break;
            case ValueQuery::NotFound:
                report.missing.push_back(defaults[i].name);
                break;
            case ValueQuery::Failed:
                report.unreadable.push_back(defaults[i].name);
                break;
        }
    }
    elevationUnits_ = static_cast<ElevationUnits>(units);
    holiday_ = static_cast<Observance>(holiday);
    return report;
}

std::array<DwordSetting, 6> Location::settingValues() const {
    return {{{kCityValue, city_},
             {kLatitudeValue, latitude_},
             {kLongitudeValue, longitude_},
             {kElevationValue, elevation_},
             {kElevationUnitsValue, static_cast<std::int32_t>(elevationUnits_)},
             {kHolidayValue, static_cast<std::int32_t>(holiday_)}}};
}

void Location::save(SettingsStore& store) const {
    for (const DwordSetting& setting : settingValues()) {
        writeSettingDword(store, setting.name, setting.value);
    }
}
