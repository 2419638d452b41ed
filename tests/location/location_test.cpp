#include "location/location.h"

#include <gtest/gtest.h>

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

// The preset table as the city list reads it: degrees and minutes with their hemisphere letters.
struct PresetAsRead {
    const char* name;
    int latitudeDegrees, latitudeMinutes;
    char northSouth;
    int longitudeDegrees, longitudeMinutes;
    char eastWest;
};

const PresetAsRead kPresetsAsRead[] = {
    {"", 0, 0, 'N', 0, 0, 'E'},
    {"Albany, NY", 42, 39, 'N', 73, 46, 'W'},
    {"Antwerp, Belgium", 51, 13, 'N', 4, 25, 'E'},
    {"Austin, TX", 30, 16, 'N', 97, 44, 'W'},
    {"Baltimore, MD", 39, 17, 'N', 76, 37, 'W'},
    {"Bombay, India", 19, 0, 'N', 72, 48, 'E'},
    {"Boston, MA", 42, 21, 'N', 71, 3, 'W'},
    {"Buenos Aires, Argentina", 34, 35, 'S', 58, 22, 'W'},
    {"Buffalo, NY", 42, 54, 'N', 78, 51, 'W'},
    {"Chicago, IL", 41, 53, 'N', 87, 38, 'W'},
    {"Columbus, OH", 39, 58, 'N', 83, 0, 'W'},
    {"Dallas, TX", 32, 47, 'N', 96, 48, 'W'},
    {"Detroit, MI", 42, 20, 'N', 83, 3, 'W'},
    {"Haifa, Israel", 32, 50, 'N', 35, 0, 'E'},
    {"Houston, TX", 29, 46, 'N', 95, 21, 'W'},
    {"Indianapolis, IN", 39, 46, 'N', 86, 9, 'W'},
    {"Jerusalem, Israel", 31, 46, 'N', 35, 13, 'E'},
    {"Johannesberg, South Africa", 26, 8, 'S', 27, 54, 'E'},
    {"London, England", 51, 32, 'N', 0, 10, 'W'},
    {"Los Angeles, CA", 34, 3, 'N', 118, 15, 'W'},
    {"Milwaukee, WI", 43, 2, 'N', 87, 54, 'W'},
    {"Moscow, Russia", 55, 45, 'N', 37, 36, 'E'},
    {"New York City, NY", 40, 45, 'N', 73, 0, 'W'},
    {"Paris, France", 48, 48, 'N', 2, 20, 'E'},
    {"Philadelphia, PA", 39, 57, 'N', 75, 9, 'W'},
    {"Phoenix, AZ", 33, 27, 'N', 112, 5, 'W'},
    {"Rio de Janeiro, Brazil", 22, 57, 'S', 43, 12, 'W'},
    {"Rochester, NY", 43, 12, 'N', 77, 37, 'W'},
    {"San Antonio, TX", 29, 26, 'N', 98, 31, 'W'},
    {"San Diego, CA", 32, 43, 'N', 117, 9, 'W'},
    {"San Francisco, CA", 37, 47, 'N', 122, 25, 'W'},
    {"Seoul, South Korea", 37, 35, 'N', 127, 3, 'E'},
    {"Shanghai, China", 31, 14, 'N', 121, 28, 'E'},
    {"Syracuse, NY", 43, 3, 'N', 76, 9, 'W'},
    {"S\xE3o Paulo, Brazil", 23, 31, 'S', 46, 31, 'W'},
    {"Tel Aviv, Israel", 32, 5, 'N', 34, 46, 'E'},
    {"Toronto, Canada", 43, 40, 'N', 79, 22, 'W'},
    {"Vancouver, Canada", 49, 13, 'N', 123, 6, 'W'},
    {"Washington, DC", 38, 54, 'N', 77, 1, 'W'},
};

TEST(PresetCities, HasTheThirtyNineRowsOfTheCityListInOrder) {
    const PresetCityList presets = presetCities();
    ASSERT_EQ(presets.count, 39);
    ASSERT_EQ(sizeof kPresetsAsRead / sizeof kPresetsAsRead[0], 39u);
    for (int row = 0; row < presets.count; ++row) {
        const PresetAsRead& expected = kPresetsAsRead[row];
        const PresetCity& city = presets.rows[row];
        SCOPED_TRACE(expected.name);
        EXPECT_STREQ(city.name, expected.name);
        EXPECT_EQ(city.id, 100000 + row);
        const std::int32_t latitude = expected.latitudeDegrees * 100 + expected.latitudeMinutes;
        const std::int32_t longitude = expected.longitudeDegrees * 100 + expected.longitudeMinutes;
        EXPECT_EQ(city.latitude, expected.northSouth == 'S' ? -latitude : latitude);
        EXPECT_EQ(city.longitude, expected.eastWest == 'W' ? -longitude : longitude);
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
