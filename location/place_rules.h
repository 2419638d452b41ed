// The rules of a place that the Preferences dialog and kestrelon-cli place share: the elevations that are saved,
// the limits and signs of a position typed in, which city a position keeps, and how a typed name finds a preset.
//
// Signs: a Location counts latitudes south negative and longitudes EAST negative (west positive); the ZIP table and
// the presets count longitudes east positive. Jerusalem is 3146, 3513 in its preset row and 3146, -3513 in a
// Location. Every position below is in the Location's sense; PositionOfCity is where the tables' sign turns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "location/location.h"

// The elevations the dialog lists and `place` saves: 0 to 27000 in steps of 100, in the unit chosen.
inline constexpr std::int32_t kMaxListedElevation = 27000;
inline constexpr std::int32_t kElevationStep = 100;
bool IsListedElevation(std::int32_t elevation);

// A position is typed as degrees 0..90 (latitude) or 0..180 (longitude), minutes 0..59 and a hemisphere.
inline constexpr int kMaxLatitudeDegrees = 90;
inline constexpr int kMaxLongitudeDegrees = 180;
inline constexpr int kMinutesPerDegree = 60;

enum class Axis { Latitude, Longitude };
int MaxDegrees(Axis axis);

enum class Hemisphere { North, South, East, West };
// The hemisphere of a Location's packed angle: 0 is north and west.
Hemisphere HemisphereOf(Axis axis, std::int32_t packed);
// The Location's packed angle of a typed one: (31, 46, East) is -3146. Any values, bounded as packAngle bounds them.
std::int32_t TypedAngle(int degrees, int minutes, Hemisphere hemisphere);

// A position as a Location holds it: packed angles, latitude north positive, longitude west positive.
struct PlacePosition {
    std::int32_t latitude;
    std::int32_t longitude;
};

// The position of a preset id or a ZIP code, the tables' east turned into the Location's west; nothing when neither
// table has the code (0, a code the tables lack).
std::optional<PlacePosition> PositionOfCity(std::int32_t city);
// Sets the city and its position; false, leaving the location as it was, when the tables lack the code.
bool ChooseCity(std::int32_t city, Location& location);
// A typed position keeps no city: the city when the position is its own (or the city has none), else 0. A name
// would label another place's zmanim.
std::int32_t CityKeptAt(std::int32_t city, const PlacePosition& position);

// A position as `place` shows it and --lat and --lon take it: "40:45N 74:00W".
std::string PositionText(const PlacePosition& position);

// An angle typed on the command line, as the Location's packed angle:
// - DD:MM and the hemisphere letter (N or S, E or W; any letter case): "40:45N", "074:00W";
// - decimal degrees, north and east positive: "31.77", "-74", rounded to the nearest minute (31.77 is 31 degrees
//   46.2 minutes: 31:46; a half minute rounds away from 0).
// Nothing, with the reason, when the text is neither or lies beyond the axis's limit.
std::optional<std::int32_t> ParseTypedAngle(std::string_view text, Axis axis, std::string& reason);

// The preset a typed text names: its id, its whole name, else the one name it begins. Letter case and accents do
// not count ("sao", "SÃO" and "São" find "São Paulo, Brazil"): the text is UTF-8 or ASCII, the names are
// Windows-1252. Null when no preset or several fit; candidates then holds the presets the text begins (none when
// it names no preset).
const PresetCity* FindPresetByName(std::string_view text, std::vector<const PresetCity*>& candidates);
