// The options that name a place, as zmanim and place take them, and the one way a command turns them (and the saved
// settings) into a Location: --zip CODE, --city NAME, --lat and --lon (DD:MM{N|S} and DDD:MM{E|W}, or decimal
// degrees), --elevation N and --units feet|meters, their values read by the place rules (location/place_rules.h).
// Any command that needs a place (or the observance) resolves it here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "calendar/observance.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/saved_settings.h"
#include "location/location.h"
#include "location/shabbat_settings.h"

struct PlaceOptions {
    std::optional<std::string> zip;
    std::optional<std::string> city;
    std::optional<std::string> latitude;
    std::optional<std::string> longitude;
    std::optional<std::string> elevation;
    std::optional<std::string> units;

    bool NamesAPlace() const { return zip || city || latitude || longitude; }
};

// The options as zmanim, place and ical declare them (cli/options.h reads them).
inline constexpr Option kPlaceOptions[] = {
    {"--zip", Takes::Value, {}, {}},       {"--city", Takes::Value, {}, {}},
    {"--lat", Takes::Value, {}, {}},       {"--lon", Takes::Value, {}, {}},
    {"--elevation", Takes::Value, {}, {}}, {"--units", Takes::Word, "feet|meters|metres", {}},
};

// The place options among those given.
PlaceOptions PlaceOptionsOf(const GivenOptions& given);

// --candles N|default (minutes before sunset, 0 to 90, or the place's own) and --havdalah nightfall|N (minutes after
// sunset, 0 to 120), as place saves them and shabbat takes them for one run (location/shabbat_settings.h).
inline constexpr Option kShabbatOptions[] = {{"--candles", Takes::Value, {}, {}}, {"--havdalah", Takes::Value, {}, {}}};

// Sets in settings what the options given say. Returns 0, or the exit status of the error it reported; command begins
// the messages.
int SetShabbatOptions(const GivenOptions& given, const char* command, ShabbatSettings& settings);

enum class PlaceUse {
    // For one command: a place given in the options is used alone, at elevation 0 feet unless the options say
    // otherwise; without one, the saved place with its elevation, and --elevation and --units on top. Nothing is
    // saved. A ZIP code is digits.
    Show,
    // For `place`: the saved values, and on top of them what the options change, read as the Preferences dialog
    // reads its fields (a ZIP code is the leading digits of the text; an elevation is 0 to 27000 in steps of 100). A
    // position typed in other than the saved city's own leaves no city (City 0). Without saved values the options
    // must name a place.
    Save,
};

// Fills location as use says. Returns 0, or the exit status of the error it reported; command begins the messages.
int ResolvePlace(const PlaceOptions& options,
                 PlaceUse use,
                 const char* command,
                 SavedSettings& saved,
                 Location& location);

// --observance's value when given (an error when it is not israel or diaspora), else the saved observance, else
// Diaspora. Returns 0 or the exit status of the error it reported.
int ResolveObservance(const std::optional<std::string>& text, SavedSettings& saved, Observance& observance);
