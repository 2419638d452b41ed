// The place options of the commands that need a place: --zip, --city, --lat and --lon, --elevation, --units.
#pragma once

#include <optional>
#include <string>

#include "location/location.h"

// The options as given; the place parts are read by SetPlace and SetElevation. date and ut belong to zmanim.
struct ZmanimOptions {
    std::optional<std::string> date;
    std::optional<std::string> zip;
    std::optional<std::string> city;
    std::optional<std::string> latitude;
    std::optional<std::string> longitude;
    std::optional<std::string> elevation;
    std::optional<std::string> units;
    bool ut = false;
};

// Fills the place of the options into location. Returns 0, or the exit status of the error it reported.
int SetPlace(const ZmanimOptions& options, Location& location);

// Fills the elevation and its unit, when given. Returns 0, or the exit status of the error it reported.
int SetElevation(const ZmanimOptions& options, Location& location);
