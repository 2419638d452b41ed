#include "zmanim/day_zmanim.h"

#include <gtest/gtest.h>

#include <optional>

#include "zmanim/solar.h"

namespace {

constexpr ZoneRule kUsEastern{false, -5, true};
constexpr ZoneRule kUtc{false, 0, false};

// New York, ZIP 10001: 40 degrees 45 minutes north, 74 degrees west.
constexpr ZmanimPlace kNewYork{40.75, 74.0, 0.0, kUsEastern};

struct Clock {
    int hour, minute;
};

// For places with a zone of their own, which never ask the computer's zone.
bool NoHostZone(const CivilTime&, CivilTime&) {
    ADD_FAILURE() << "a fixed zone asked the computer's zone";
    return false;
}

TEST(DayZmanim, NewYorkInItsOwnZone) {
    const struct {
        const char* label;
        int day, month, year;
        Clock sunrise, sunset, nightfall;
        double proportionalHour;
    } cases[] = {
        {"21 June 2008, daylight time; sunset falls on the next UT day",
         21,
         6,
         2008,
         {5, 24},
         {20, 30},
         {21, 21},
         75.5},
        {"21 December 2008, standard time", 21, 12, 2008, {7, 16}, {16, 31}, {17, 17}, 46.2495},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const DayZmanim z = dayZmanim(c.day, c.month, c.year, kNewYork, NoHostZone);
        ASSERT_TRUE(z.hasSunrise && z.hasSunset && z.hasNightfall && z.hasProportionalHour);
        EXPECT_EQ(z.sunriseHour, c.sunrise.hour);
        EXPECT_EQ(z.sunriseMinute, c.sunrise.minute);
        EXPECT_EQ(z.sunsetHour, c.sunset.hour);
        EXPECT_EQ(z.sunsetMinute, c.sunset.minute);
        EXPECT_EQ(z.nightfallHour, c.nightfall.hour);
        EXPECT_EQ(z.nightfallMinute, c.nightfall.minute);
        EXPECT_NEAR(z.proportionalHour, c.proportionalHour, 0.001);
    }
}

TEST(DayZmanim, APlaceWithoutDaylightSavingKeepsStandardTimeInSummer) {
    const ZmanimPlace place{33.7, 112.0 + 20.0 / 60, 0.0, {false, -7, false}};  // 33 42 N, 112 20 W
    const DayZmanim z = dayZmanim(21, 6, 2008, place, NoHostZone);
    EXPECT_EQ(z.sunriseHour * 100 + z.sunriseMinute, 519);
    EXPECT_EQ(z.sunsetHour * 100 + z.sunsetMinute, 1943);
    EXPECT_EQ(z.nightfallHour * 100 + z.nightfallMinute, 2026);
}

TEST(DayZmanim, PolarDayHasNeitherSunriseNorSunsetNorProportionalHour) {
    const ZmanimPlace tromso{69.65, -18.95, 0.0, kUtc};
    const DayZmanim z = dayZmanim(21, 6, 2008, tromso, NoHostZone);
    EXPECT_FALSE(z.hasSunrise);
    EXPECT_FALSE(z.hasSunset);
    EXPECT_FALSE(z.hasNightfall);
    EXPECT_FALSE(z.hasProportionalHour);
}

TEST(DayZmanim, AZoneThatCannotConvertLeavesTheTimesOutButKeepsTheProportionalHour) {
    const ZmanimPlace place{31.7667, -35.2167, 0.0, {true, 0, false}};
    const DayZmanim z = dayZmanim(21, 6, 2008, place, [](const CivilTime&, CivilTime&) { return false; });
    EXPECT_FALSE(z.hasSunrise);
    EXPECT_FALSE(z.hasSunset);
    EXPECT_FALSE(z.hasNightfall);
    EXPECT_TRUE(z.hasProportionalHour);
}

TEST(DayZmanim, TheHostZoneReceivesTheUtInstantOfEachEvent) {
    // A host zone two hours east of UT, with no daylight saving: Jerusalem's summer clock less one hour.
    const ZmanimPlace jerusalem{31.0 + 46.0 / 60, -(35.0 + 13.0 / 60), 0.0, {true, 0, false}};
    const DayZmanim z = dayZmanim(21, 6, 2008, jerusalem, [](const CivilTime& utc, CivilTime& local) {
        local = utc;
        local.hour = (utc.hour + 2) % 24;
        return true;
    });
    // 5:34, 19:47 and 20:30 on Israel daylight time (UT + 3).
    EXPECT_EQ(z.sunriseHour * 100 + z.sunriseMinute, 434);
    EXPECT_EQ(z.sunsetHour * 100 + z.sunsetMinute, 1847);
    EXPECT_EQ(z.nightfallHour * 100 + z.nightfallMinute, 1930);
}

TEST(ZmanimPlace, TakesTheLocationsPositionElevationAndZone) {
    Location location;
    location.setCity(100016);  // Jerusalem, a preset: the computer's zone
    location.setLatitude(3146);
    location.setLongitude(-3513);
    location.setElevation(1000);
    location.setElevationUnits(ElevationUnits::Metres);
    const ZmanimPlace place = ZmanimPlaceOf(location);
    EXPECT_NEAR(place.latitude, 31.766667, 1e-6);
    EXPECT_NEAR(place.longitude, -35.216667, 1e-6);
    EXPECT_DOUBLE_EQ(place.elevationMetres, 1000.0);
    EXPECT_TRUE(place.zone.useHostZone);
}

}  // namespace

// 2000 feet (609.6 m) and 2000 metres lower the horizon each by its own dip, acos(R / (R + h)) with R = 6377500 m:
// 0.7922 and 1.4347 degrees. At the equator at an equinox the sun climbs 0.25 degrees a minute times the sine of its
// hour angle (about 91.6 and 92.3 degrees: 0.9996, 0.9992), so it rises 3.169 and 5.741 minutes before it does at
// sea level. A unit taken for the other is 2.6 minutes off.
TEST(ZmanimPlace, FeetAndMetresEachLowerTheHorizonByTheirOwnDip) {
    const double day = julianDay(2008, 3, 20);
    Location location;  // 0 N, 0 E
    const ZmanimPlace seaLevel = ZmanimPlaceOf(location);
    const std::optional<double> seaLevelSunrise =
        sunriseUt(day, seaLevel.latitude, seaLevel.longitude, seaLevel.elevationMetres);
    ASSERT_TRUE(seaLevelSunrise.has_value());
    const struct {
        const char* label;
        ElevationUnits units;
        double earlierMinutes;
    } cases[] = {
        {"2000 feet", ElevationUnits::Feet, 3.169},
        {"2000 metres", ElevationUnits::Metres, 5.741},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        location.setElevation(2000);
        location.setElevationUnits(c.units);
        const ZmanimPlace place = ZmanimPlaceOf(location);
        const std::optional<double> sunrise = sunriseUt(day, place.latitude, place.longitude, place.elevationMetres);
        ASSERT_TRUE(sunrise.has_value());
        EXPECT_NEAR(*seaLevelSunrise - *sunrise, c.earlierMinutes, 0.02);
    }
}
