// The zmanim of one day at one place as local clock times: sunrise, sunset, nightfall and the proportional hour.
#pragma once

#include <optional>

#include "calendar/gregorian.h"
#include "location/location.h"
#include "zmanim/local_time.h"

// A time is shown only when its has... flag is set: a polar day or night has no sunrise or sunset, a light summer
// night far north no nightfall, and a time the computer's zone could not convert has no local value either.
struct DayZmanim {
    int sunriseHour = 0;  // 0..23
    int sunriseMinute = 0;
    int sunsetHour = 0;
    int sunsetMinute = 0;
    int nightfallHour = 0;
    int nightfallMinute = 0;
    double proportionalHour = 0;  // minutes, |sunset - sunrise| / 12
    bool hasSunrise = false;
    bool hasSunset = false;
    bool hasNightfall = false;
    bool hasProportionalHour = false;  // both sunrise and sunset happen
};

// What the zmanim need of a place: degrees with the longitude west positive, metres, and its zone.
struct ZmanimPlace {
    double latitude;
    double longitude;
    double elevationMetres;
    ZoneRule zone;
};
ZmanimPlace ZmanimPlaceOf(const Location& location);

// The zmanim of a Gregorian date at a place; toHost converts for a place shown in the computer's zone. The date
// must be a day of a month of years kFirstEventYear..kLastEventYear (solar.h); any other gives no time at all. The
// place takes any values, as sunriseUt does (solar.h): a latitude at or beyond a pole, or a longitude beyond
// kMaxEventLongitudeDegrees, has no events. Within these a proportional hour stays near or below 120 minutes.
DayZmanim dayZmanim(int day, int month, int year, const ZmanimPlace& place, HostZoneConversion toHost);
