// The time-zone blocks of a calendar file: the zone the times of the zmanim are written in, and its VTIMEZONE.
#pragma once

#include <optional>
#include <string>

#include "location/location.h"
#include "zmanim/host_zone.h"

// How the times of the zmanim are written.
enum class ZoneKind {
    Zip,   // a ZIP place: its own VTIMEZONE from the fixed offset and the US rule
    Host,  // the computer's zone under its name, with a VTIMEZONE of its changes in the span
    Utc,   // the computer's zone has no name the program can tell: times in UTC
};

struct EventZone {
    ZoneKind kind = ZoneKind::Utc;
    std::string tzid;
    ZoneRule rule{};
};

EventZone EventZoneOf(const Location& location);

// Appends the VTIMEZONE of the zone for the years fromYear to toYear. A computer's zone that cannot convert an
// instant of the span has none: its times are written in UTC and zone becomes Utc.
void AppendEventZone(std::string& out, EventZone& zone, int fromYear, int toYear);

// The time an event at UT instant utcSeconds (as CivilTimeSeconds counts them) is written with: UTC, or the local
// time of the zone. Nothing when the zone cannot convert it.
std::optional<CivilTime> EventTime(const EventZone& zone, long long utcSeconds);
