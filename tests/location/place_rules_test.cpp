// The place rules the Preferences dialog and kestrelon-cli place share.
#include "location/place_rules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct AngleCase {
    const char* label;
    const char* text;
    Axis axis;
    std::int32_t packed;  // the Location's: south and east negative
    const char* reason;   // a part of the reason when refused, else null
};

TEST(TypedAngle, ReadsBothFormsIntoTheLocationsSigns) {
    const AngleCase cases[] = {
        {"north", "40:45N", Axis::Latitude, 4045, nullptr},
        {"south, small letter", "31:46s", Axis::Latitude, -3146, nullptr},
        {"west is positive", "074:00W", Axis::Longitude, 7400, nullptr},
        {"east is negative", "35:13e", Axis::Longitude, -3513, nullptr},
        {"a pole", "90:00N", Axis::Latitude, 9000, nullptr},
        {"decimal north", "31.77", Axis::Latitude, 3146, nullptr},
        {"decimal east turns negative", "35.22", Axis::Longitude, -3513, nullptr},
        {"decimal west", "-74", Axis::Longitude, 7400, nullptr},
        {"decimal north with a plus", "+12.5", Axis::Latitude, 1230, nullptr},
        {"1.5 minutes round away from 0", "-0.025", Axis::Latitude, -2, nullptr},
        {"0.498 minutes round to 0", "0.0083", Axis::Latitude, 0, nullptr},
        {"59.994 minutes make a degree", "10.9999", Axis::Latitude, 1100, nullptr},
        {"the last longitude", "-180", Axis::Longitude, 18000, nullptr},
        {"past a pole", "90:01N", Axis::Latitude, 0, "over 90 degrees"},
        {"past a pole in decimals", "90.0001", Axis::Latitude, 0, "over 90 degrees"},
        {"past the date line", "-180.5", Axis::Longitude, 0, "over 180 degrees"},
        {"60 minutes", "40:60N", Axis::Latitude, 0, "minutes must be 0 to 59"},
        {"a longitude's letter for a latitude", "40:45E", Axis::Latitude, 0, "N or S"},
        {"a letter after decimals", "40.5N", Axis::Latitude, 0, "decimal degrees"},
        {"no minutes", "40:N", Axis::Latitude, 0, "N or S"},
        {"three digits of minutes", "40:045N", Axis::Latitude, 0, "N or S"},
        {"no whole degrees", ".5", Axis::Latitude, 0, "decimal degrees"},
        {"no fraction", "1.", Axis::Longitude, 0, "E or W"},
        {"two signs", "--1", Axis::Longitude, 0, "E or W"},
        {"ten decimals", "1.0000000001", Axis::Latitude, 0, "decimal degrees"},
        {"empty", "", Axis::Latitude, 0, "decimal degrees"},
    };
    for (const AngleCase& c : cases) {
        SCOPED_TRACE(c.label);
        std::string reason;
        const std::optional<std::int32_t> packed = ParseTypedAngle(c.text, c.axis, reason);
        if (c.reason == nullptr) {
            ASSERT_TRUE(packed.has_value()) << reason;
            EXPECT_EQ(*packed, c.packed);
        } else {
            EXPECT_FALSE(packed.has_value());
            EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
        }
    }
}

// Every minute of every longitude, written as decimal degrees and as DDD:MM, reads as the same angle; the position
// `place` shows reads back as itself.
TEST(TypedAngle, DecimalDegreesAgreeWithDegreesAndMinutesEverywhere) {
    for (int minutes = 0; minutes <= kMaxLongitudeDegrees * kMinutesPerDegree; ++minutes) {
        for (const bool west : {false, true}) {
            char decimal[32];
            std::snprintf(decimal, sizeof decimal, "%s%.6f", west ? "-" : "", minutes / 60.0);
            const int degrees = minutes / 60;
            char sexagesimal[32];
            std::snprintf(sexagesimal, sizeof sexagesimal, "%d:%02d%c", degrees, minutes % 60, west ? 'W' : 'E');
            std::string reason;
            const std::optional<std::int32_t> fromDecimal = ParseTypedAngle(decimal, Axis::Longitude, reason);
            const std::optional<std::int32_t> fromMinutes = ParseTypedAngle(sexagesimal, Axis::Longitude, reason);
            ASSERT_TRUE(fromDecimal && fromMinutes) << decimal << " " << sexagesimal << ": " << reason;
            ASSERT_EQ(*fromDecimal, *fromMinutes) << decimal << " " << sexagesimal;
            ASSERT_NEAR(angleDegrees(*fromMinutes), (west ? 1 : -1) * minutes / 60.0, 1e-9) << sexagesimal;

            const std::string shown = PositionText({0, *fromMinutes});
            ASSERT_EQ(ParseTypedAngle(shown.substr(shown.find(' ') + 1), Axis::Longitude, reason), fromMinutes)
                << shown;
        }
    }
}

// The tables count east positive, the Location west: Jerusalem lies east, New York west. A position other than
// the city's own keeps no city; one without a known city keeps the code it has.
TEST(CityPosition, TurnsTheTablesEastIntoTheLocationsWestAndKeepsACityOnlyAtItsOwnPosition) {
    EXPECT_EQ(PositionText(*PositionOfCity(100016)), "31:46N 35:13E");
    EXPECT_EQ(PositionText(*PositionOfCity(10001)), "40:45N 74:00W");
    EXPECT_FALSE(PositionOfCity(0).has_value());
    const struct {
        const char* label;
        std::int32_t city;
        PlacePosition position;
        std::int32_t kept;
    } cases[] = {
        {"Jerusalem at its own position", 100016, {3146, -3513}, 100016},
        {"Jerusalem a minute north", 100016, {3147, -3513}, 0},
        {"Jerusalem's longitude west instead of east", 100016, {3146, 3513}, 0},
        {"New York's ZIP code at its position", 10001, {4045, 7400}, 10001},
        {"no city", 0, {4045, 7400}, 0},
        {"a ZIP code the table lacks", 500, {4045, 7400}, 500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(CityKeptAt(c.city, c.position), c.kept);
    }
    Location location;
    EXPECT_FALSE(ChooseCity(500, location));
    EXPECT_EQ(location.city(), 0);
    ASSERT_TRUE(ChooseCity(100007, location));  // Buenos Aires: south and west
    EXPECT_EQ(location.latitude(), -3435);
    EXPECT_EQ(location.longitude(), 5822);
}

TEST(Elevation, IsListedFrom0To27000InStepsOf100) {
    for (const std::int32_t elevation : {0, 100, 2700, 27000}) {
        EXPECT_TRUE(IsListedElevation(elevation)) << elevation;
    }
    for (const std::int32_t elevation : {-100, 150, 27100, 2147483600}) {
        EXPECT_FALSE(IsListedElevation(elevation)) << elevation;
    }
}

TEST(FindPresetByName, IgnoresLetterCaseAndAccents) {
    const struct {
        const char* label;
        const char* text;
        std::int32_t id;  // 0: none
        std::size_t candidates;
    } cases[] = {
        {"plain ASCII for an accented name", "sao", 100034, 0},
        {"UTF-8 capitals", "S\xC3\x83O PAULO", 100034, 0},
        {"UTF-8 with a combining tilde", "Sa\xCC\x83o", 100034, 0},
        {"the Windows code page's own byte", "S\xE3o", 100034, 0},
        {"a whole name", "new york city, ny", 100022, 0},
        {"an id", "100016", 100016, 0},
        {"the beginning of one name", "JERUS", 100016, 0},
        {"a beginning several names share", "sa", 0, 4},
        {"no such name", "Atlantis", 0, 0},
        {"nothing", "", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<const PresetCity*> candidates;
        const PresetCity* found = FindPresetByName(c.text, candidates);
        EXPECT_EQ(found != nullptr ? found->id : 0, c.id);
        EXPECT_EQ(candidates.size(), c.candidates);
    }
}

}  // namespace
