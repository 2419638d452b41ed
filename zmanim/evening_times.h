// The moments of a day that candle lighting, havdalah and the fasts are timed by, at one place: minutes of UT after
// 0h UT of the day, as sunsetUt, nightfallUt and MorningDepressionUt give them (solar.h), so that they are the zmanim
// page's sunset and nightfall to the last bit and show as `kestrelon-cli zmanim --ut` shows those. Nothing when the sun
// does not reach the moment's angle that day (a polar day or night, a summer night too light for nightfall) or the day
// lies outside the years the sun's times are computed for.
#pragma once

#include <optional>
#include <vector>

#include "calendar/gregorian.h"
#include "zmanim/day_zmanim.h"
#include "zmanim/solar.h"

// The moments of any day at the place. The sun's events are set up once (DailySolarEvent), so that the days of a
// long listing pay only for what changes from one day to the next.
class EveningTimes {
  public:
    explicit EveningTimes(const ZmanimPlace& place);

    // Dawn (the sun 16.1 degrees below the horizon), sunset at the place's elevation, and nightfall (8.5 degrees
    // below) of each of the days, in their order: the same values as one day at a time, sooner for many days
    // (DailySolarEvent::On).
    enum class Event { Dawn, Sunset, Nightfall };
    std::vector<std::optional<double>> On(Event event, const std::vector<DayNumber>& days) const;

  private:
    DailySolarEvent dawn_;
    DailySolarEvent sunset_;
    DailySolarEvent nightfall_;
};

// The nightfall of one day, for a caller that wants no other moment.
std::optional<double> NightfallMinutes(DayNumber day, const ZmanimPlace& place);
