// The zmanim of one day at one place as local clock times: sunrise, sunset, nightfall and the proportional hour.
#pragma once

#include <optional>

#include "calendar/gregorian.h"
#include "location/location.h"
#include "zmanim/host_zone.h"

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

struct LocalClock {
    int hour;  // 0..23
    int minute;
};

// A UT instant split into whole hours, minutes and seconds by truncation, never rounding: 564.897 minutes is
// 9:24:53. Meant for minutes in [0, 1440); the hour is never 24. Minutes outside are taken as the nearer end of
// that range, not a number as 0.
struct UtClock {
    int hour;
    int minute;
    int second;
};
UtClock SplitUtMinutes(double minutes);

// Seconds from 0h of day 0 of the day numbers to a civil time, and back: 1 January 1970 0h is 2440588 * 86400.
long long CivilTimeSeconds(const CivilTime& time);
CivilTime CivilTimeOfSeconds(long long seconds);

// Local time of a UT instant in a fixed zone with the US daylight-saving rule of the year (2007 on: second Sunday
// of March to first Sunday of November; before: first Sunday of April to last Sunday of October; at 02:00).
// Any values give a defined time: fields beyond their ranges count on from the date (hour 25 is 1:00 the next
// day), and the date is taken within the calendar (kFirstDayNumber..kLastDayNumber).
CivilTime FixedZoneToLocal(const CivilTime& utc, int offsetHours, bool observesDst);

// The computer's own zone: HostUtcToLocal of host_zone.h in the programs, a fixed rule of a test's.
using HostZoneConversion = bool (*)(const CivilTime& utc, CivilTime& local);

// The local clock time of minutesUt minutes of UT after 0h UT of day. The minutes are moved once onto the day they
// fall on. Nothing when the minutes are not a number, fall more than a million days away or on a day outside
// kFirstDayNumber..kLastDayNumber, or the host zone cannot convert the instant.
std::optional<LocalClock> toLocalClock(double minutesUt,
                                       DayNumber day,
                                       const ZoneRule& zone,
                                       HostZoneConversion toHost);

// The zmanim of a Gregorian date at a place; toHost converts for a place shown in the computer's zone. The date
// must be a day of a month of years kFirstEventYear..kLastEventYear (solar.h); any other gives no time at all. The
// place takes any values, as sunriseUt does (solar.h): a latitude at or beyond a pole, or a longitude beyond
// kMaxEventLongitudeDegrees, has no events. Within these a proportional hour stays near or below 120 minutes.
DayZmanim dayZmanim(int day, int month, int year, const ZmanimPlace& place, HostZoneConversion toHost);
