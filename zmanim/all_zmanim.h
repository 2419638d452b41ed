// Every zman of one day at one place, in the order of the day, each from the solar computation of solar.h.
//
// Conventions (the most widespread ones):
// - Proportional hours are the Gra's: a twelfth of the day from sunrise to sunset. The Magen Avraham's day runs from
//   72 minutes before sunrise to 72 minutes after sunset, and only the two "mga" times use it.
// - Elevation: sunrise and sunset use the place's elevation, as the zmanim page's do, and so does everything counted
//   from them (the proportional hours, the Magen Avraham's day, midnight, 72 minutes after sunset). The angles below
//   the horizon (dawn 16.1 degrees, tallit 11.5, nightfall 8.5) are measured from the geometric horizon without any
//   dip, whatever the elevation: they measure the darkness of the sky. Midday is the sun's transit, which no
//   elevation moves.
// - Midnight is the middle of the night that ends at this day's sunrise: halfway between the sunset of the day
//   before and this sunrise. It often falls on the clock of the evening before (23:37 in Jerusalem in December).
// - A time that does not happen is nothing, never a clock: without sunrise or sunset (polar day or night) every time
//   counted from them is missing; a night too light for the sun to sink 16.1, 11.5 or 8.5 degrees has no dawn,
//   tallit or nightfall. Midday always happens.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "zmanim/day_zmanim.h"
#include "zmanim/local_time.h"

enum class Zman {
    Midnight,
    Dawn,
    Tallit,
    Sunrise,
    ShemaGra,
    ShemaMga,
    PrayerGra,
    PrayerMga,
    Midday,
    MinchaGedola,
    MinchaKetana,
    Plag,
    Sunset,
    Nightfall,
    Nightfall72,
};
inline constexpr std::size_t kZmanCount = static_cast<std::size_t>(Zman::Nightfall72) + 1;

// The key of a zman on the command line ("shema-gra") and its name as a page shows it ("Latest Shema (Gra)").
const char* ZmanKey(Zman zman);
const char* ZmanDisplayName(Zman zman);

// The proportional hours after sunrise (the Gra) or after the Magen Avraham's dawn at which the times counted in
// them fall: latest Shema 3, latest morning prayer 4, mincha gedola 6.5, mincha ketana 9.5, plag hamincha 10.75.
inline constexpr double kShemaHours = 3.0;
inline constexpr double kPrayerHours = 4.0;
inline constexpr double kMinchaGedolaHours = 6.5;
inline constexpr double kMinchaKetanaHours = 9.5;
inline constexpr double kPlagHours = 10.75;
// The Magen Avraham's day begins this long before sunrise and ends this long after sunset; nightfall-72 is sunset
// plus the same.
inline constexpr double kMagenAvrahamMinutes = 72.0;

// Minutes of UT after 0h UT of the date, in the order of Zman; outside [0, 1440) where the time falls on another UT
// day (midnight before 0h UT in Jerusalem, sunset after 24h UT in New York in summer).
using ZmanimUt = std::array<std::optional<double>, kZmanCount>;

// The times of a Gregorian date at a place. The date must be a day of years kFirstEventYear..kLastEventYear
// (solar.h), else every time is nothing; the place takes any values, as dayZmanim does.
ZmanimUt AllZmanimUt(int day, int month, int year, const ZmanimPlace& place);

struct ZmanTime {
    Zman zman;
    std::optional<double> minutesUt;  // as AllZmanimUt gives it
    std::optional<LocalClock> clock;  // on the place's clock; nothing when minutesUt is, or the zone cannot convert it
};
struct AllZmanim {
    std::array<ZmanTime, kZmanCount> times;  // in the order of Zman
};

// The times with their clocks, each through toLocalClock (local_time.h) as the zmanim page's are: a place with a
// zone of its own on that zone's clock, any other on the computer's through toHost.
AllZmanim allZmanim(int day, int month, int year, const ZmanimPlace& place, HostZoneConversion toHost);
