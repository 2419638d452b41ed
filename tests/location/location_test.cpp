#include "location/location.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "location/settings_store.h"

namespace {

TEST(PackedAngle, UnpacksAndConvertsToDegrees) {
    const struct {
        const char* label;
        std::int32_t packed;
        int degrees, minutes;
        bool negative;
        double value;
    } cases[] = {
        {"north latitude of Albany", 4239, 42, 39, false, 42.65},
        {"west as negative", -7346, 73, 46, true, -(73 + 46 / 60.0)},
        {"minutes only, negative", -10, 0, 10, true, -(10 / 60.0)},
        {"zero", 0, 0, 0, false, 0.0},
        {"a pole", 9000, 90, 0, false, 90.0},
        {"the most negative stored value does not overflow", std::numeric_limits<std::int32_t>::min(), 21474836, 48,
         true, -(21474836 + 48 / 60.0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const UnpackedAngle angle = unpackAngle(c.packed);
        EXPECT_EQ(angle.degrees, c.degrees);
        EXPECT_EQ(angle.minutes, c.minutes);
        EXPECT_EQ(angle.negative, c.negative);
        EXPECT_DOUBLE_EQ(angleDegrees(c.packed), c.value);
    }
}

TEST(PackedAngle, PacksEveryDegreeAndMinuteOfALongitudeBackToItself) {
    for (int degrees = 0; degrees <= 180; ++degrees) {
        for (int minutes = 0; minutes < 60; ++minutes) {
            for (const bool negative : {false, true}) {
                const std::int32_t packed = packAngle(degrees, minutes, negative);
                const UnpackedAngle angle = unpackAngle(packed);
                ASSERT_EQ(angle.degrees, degrees);
                ASSERT_EQ(angle.minutes, minutes);
                ASSERT_EQ(angle.negative, negative && packed != 0);
            }
        }
    }
    EXPECT_EQ(packAngle(73, 46, true), -7346);
    EXPECT_EQ(packAngle(0, 0, true), 0);
}

// Past 32 bits an angle is taken as the nearer end, which unpacks again (the most negative value is never made).
TEST(PackedAngle, IsBoundedTo32BitsEitherWay) {
    EXPECT_EQ(packAngle(21474837, 0, true), -2147483647);
    EXPECT_EQ(packAngle(21474836, 47, false), 2147483647);
    EXPECT_EQ(packAngle(std::numeric_limits<int>::max(), 99, false), 2147483647);
    EXPECT_EQ(packAngle(std::numeric_limits<int>::min(), 0, false), -2147483647);
    const UnpackedAngle angle = unpackAngle(packAngle(21474837, 0, true));
    EXPECT_EQ(angle.degrees, 21474836);
    EXPECT_EQ(angle.minutes, 47);
    EXPECT_TRUE(angle.negative);
}

// The city list shows the presets in the table's order: an unnamed first row, then "City, Region" names sorted
// as the list sorts them (by bytes, so the "a" with tilde of Sao Paulo, 0xE3, comes after every plain letter).
TEST(PresetCities, AreTheSortedNamedRowsAfterAnEmptyOne) {
    const PresetCityList presets = presetCities();
    ASSERT_EQ(presets.count, 39);
    EXPECT_STREQ(presets.rows[0].name, "");
    EXPECT_EQ(presets.rows[0].latitude, 0);
    EXPECT_EQ(presets.rows[0].longitude, 0);
    for (int row = 0; row < presets.count; ++row) {
        const PresetCity& city = presets.rows[row];
        SCOPED_TRACE(city.name);
        EXPECT_EQ(city.id, 100000 + row);
        if (row == 0) {
            continue;
        }
        EXPECT_NE(std::strstr(city.name, ", "), nullptr);
        if (row > 1) {
            EXPECT_LT(std::strcmp(presets.rows[row - 1].name, city.name), 0);
        }
        const UnpackedAngle latitude = unpackAngle(city.latitude);
        const UnpackedAngle longitude = unpackAngle(city.longitude);
        EXPECT_LT(latitude.minutes, 60);
        EXPECT_LT(longitude.minutes, 60);
        EXPECT_LE(std::fabs(angleDegrees(city.latitude)), 90.0);
        EXPECT_LE(std::fabs(angleDegrees(city.longitude)), 180.0);
        // A US or Canadian city ("Boston, MA", "Toronto, Canada") lies north and west.
        const std::string name = city.name;
        const std::string region = name.substr(name.find(", ") + 2);
        if (region.size() == 2 || region == "Canada") {
            EXPECT_GT(city.latitude, 0);
            EXPECT_LT(city.longitude, 0);
        }
    }
}

// Positions from an atlas, to the nearest half degree: the table's are the cities' centres, east positive.
TEST(PresetCities, LieWhereTheAtlasPutsThem) {
    const struct {
        std::int32_t id;
        double latitude, longitude;
    } cases[] = {
        {100016, 31.78, 35.22},    // Jerusalem
        {100018, 51.51, -0.13},    // London
        {100007, -34.60, -58.38},  // Buenos Aires
        {100021, 55.76, 37.62},    // Moscow
        {100031, 37.57, 126.98},   // Seoul
        {100019, 34.05, -118.24},  // Los Angeles
        {100034, -23.55, -46.63},  // Sao Paulo
        {100017, -26.20, 28.05},   // Johannesburg
    };
    for (const auto& c : cases) {
        const PresetCity* city = FindPresetCity(c.id);
        ASSERT_NE(city, nullptr) << c.id;
        EXPECT_NEAR(angleDegrees(city->latitude), c.latitude, 0.5) << city->name;
        EXPECT_NEAR(angleDegrees(city->longitude), c.longitude, 0.5) << city->name;
    }
}

TEST(PresetCities, SaoPauloIsSpelledInTheAnsiCodePage) {
    const char* name = presetCities().rows[34].name;
    ASSERT_GT(std::strlen(name), 2u);
    EXPECT_EQ(static_cast<unsigned char>(name[1]), 0xE3);
}

TEST(Location, StartsWithNoCityAtZeroZeroInFeetForTheDiaspora) {
    const Location location;
    EXPECT_EQ(location.city(), 0);
    EXPECT_EQ(location.elevation(), 0);
    EXPECT_EQ(location.latitude(), 0);
    EXPECT_EQ(location.longitude(), 0);
    EXPECT_EQ(location.elevationUnits(), ElevationUnits::Feet);
    EXPECT_EQ(location.holiday(), Observance::Diaspora);
}

Location AtCity(std::int32_t city) {
    Location location;
    location.setCity(city);
    return location;
}

std::string CityName(const Location& location, std::size_t size = 200) {
    char buffer[200];
    location.cityName(buffer, size);
    return buffer;
}

TEST(Location, CityCodes) {
    const struct {
        const char* label;
        std::int32_t city;
        bool isZip;
        const char* name;
    } cases[] = {
        {"a preset", 100016, false, "Jerusalem, Israel"}, {"the first ZIP row", 501, true, "Holtsville, NY"},
        {"the last ZIP code", 99999, true, ""},           {"no city", 0, false, ""},
        {"a negative code names no city", -3, false, ""}, {"a ZIP code the table lacks", 500, true, ""},
        {"past the last preset", 100039, false, ""},      {"row 0 of the presets", 100000, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const Location location = AtCity(c.city);
        EXPECT_EQ(location.isZipCode(), c.isZip);
        EXPECT_EQ(CityName(location), c.name);
    }
}

TEST(Location, CityNameIsCutAtTheBuffer) {
    char buffer[5];
    EXPECT_EQ(AtCity(100016).cityName(buffer, sizeof buffer), 4u);
    EXPECT_STREQ(buffer, "Jeru");
}

TEST(Location, ZoneRule) {
    const struct {
        const char* label;
        std::int32_t city;
        bool host;
        int offset;
        bool dst;
    } cases[] = {
        {"a preset city uses the computer's zone", 100016, true, 0, false},
        {"no city uses the computer's zone", 0, true, 0, false},
        {"a ZIP code the table lacks falls back to the computer's zone", 99999, true, 0, false},
        {"New York", 10001, false, -5, true},
        {"Holtsville", 501, false, -5, true},
        {"Honolulu keeps standard time", 96813, false, -10, false},
        {"Phoenix keeps standard time", 85001, false, -7, false},
        {"Guam lies east of UTC", 96910, false, 10, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const ZoneRule rule = AtCity(c.city).zoneRule();
        EXPECT_EQ(rule.useHostZone, c.host);
        if (!c.host) {
            EXPECT_EQ(rule.offsetHours, c.offset);
            EXPECT_EQ(rule.observesDst, c.dst);
        }
    }
}

TEST(Location, LongitudeIsWestPositive) {
    Location location;
    location.setLongitude(7346);
    EXPECT_NEAR(location.longitudeDegrees(), 73.766667, 1e-6);
    location.setLongitude(-3513);
    EXPECT_NEAR(location.longitudeDegrees(), -35.216667, 1e-6);
    location.setLatitude(-3435);
    EXPECT_NEAR(location.latitudeDegrees(), -34.583333, 1e-6);
}

TEST(Location, ElevationInMetres) {
    const struct {
        const char* label;
        std::int32_t elevation;
        ElevationUnits units;
        double metres;
    } cases[] = {
        {"1000 US survey feet", 1000, ElevationUnits::Feet, 304.8006096012},
        {"1000 metres", 1000, ElevationUnits::Metres, 1000.0},
        {"an unknown unit counts as feet", 1000, static_cast<ElevationUnits>(7), 304.8006096012},
        {"zero", 0, ElevationUnits::Feet, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Location location;
        location.setElevation(c.elevation);
        location.setElevationUnits(c.units);
        EXPECT_NEAR(location.elevationMetres(), c.metres, 1e-9);
    }
}

TEST(CityPosition, OfPresetsAndZipCodes) {
    const struct {
        const char* label;
        std::int32_t code;
        bool found;
        std::int32_t latitude, longitude;
    } cases[] = {
        {"Albany, a preset, east positive", 100001, true, 4239, -7346},
        {"Allston, a ZIP code", 2134, true, 4221, -7108},
        {"New York, a ZIP code", 10001, true, 4045, -7400},
        {"no such preset", 100039, false, 0, 0},
        {"no such ZIP code", 500, false, 0, 0},
        {"no city", 0, false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::int32_t latitude = 0, longitude = 0;
        EXPECT_EQ(cityPosition(c.code, latitude, longitude), c.found);
        EXPECT_EQ(latitude, c.latitude);
        EXPECT_EQ(longitude, c.longitude);
    }
}

}  // namespace
