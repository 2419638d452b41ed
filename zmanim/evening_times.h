// The moments of a day that candle lighting, havdalah and the fasts are timed by, at one place: minutes of UT after
// 0h UT of the day, as sunsetUt, nightfallUt and MorningDepressionUt give them (solar.h), so that they are the zmanim
// page's sunset and nightfall to the last bit and show as `kestrelon-cli zmanim --ut` shows those. Nothing when the sun
// does not reach the moment's angle that day (a polar day or night, a summer night too light for nightfall) or the day
// lies outside the years the sun's times are computed for.
#pragma once

#include <optional>

#include "calendar/gregorian.h"
#include "zmanim/day_zmanim.h"

// Dawn (the sun 16.1 degrees below the horizon), sunset at the place's elevation, and nightfall (8.5 degrees below)
// of the day.
std::optional<double> DawnMinutes(DayNumber day, const ZmanimPlace& place);
std::optional<double> SunsetMinutes(DayNumber day, const ZmanimPlace& place);
std::optional<double> NightfallMinutes(DayNumber day, const ZmanimPlace& place);

// Candle lighting: the minutes before sunset. At New York (40:45N 74:00W) on Friday 18 October 2024 sunset is
// 22:10 UT, 6:10 PM EDT, and candles 18 minutes before it at 5:52 PM.
std::optional<double> CandleLightingMinutes(DayNumber day, const ZmanimPlace& place, int minutesBeforeSunset);
// Havdalah: at nightfall when minutesAfterSunset is empty, else that many minutes after sunset.
std::optional<double> HavdalahMinutes(DayNumber day,
                                      const ZmanimPlace& place,
                                      const std::optional<int>& minutesAfterSunset);
