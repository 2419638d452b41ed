// The time-zone blocks of a calendar file: the zone the times of the zmanim are written in, and its VTIMEZONE.
#pragma once

#include <optional>
#include <string>

#include "location/location.h"
#include "zmanim/host_zone.h"

// The zone of the times: a ZIP place's IANA zone ("America/New_York") on the clock the program keeps for it (the
// row's standard offset and the US rule), or the computer's zone under its name.
struct EventZone {
    std::string tzid;  // empty: the computer's zone has no name the program can tell, and the times are in UTC
    ZoneRule rule{};
};

EventZone EventZoneOf(const Location& location);

// Appends the VTIMEZONE of the zone for the years fromYear to toYear: every change of its offset in the span, no
// rule, so that a reader needs no zone data of its own. A computer's zone that cannot convert an instant of the
// span has none: its times are written in UTC and zone's tzid is cleared.
void AppendEventZone(std::string& out, EventZone& zone, int fromYear, int toYear);

// The time an event at UT instant utcSeconds (as CivilTimeSeconds counts them) is written with: UTC, or the local
// time of the zone. Nothing when the zone cannot convert it.
std::optional<CivilTime> EventTime(const EventZone& zone, long long utcSeconds);
