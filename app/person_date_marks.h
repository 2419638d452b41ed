// Which days of a month the calendars show carry a person's date (location/dates_file.h): the days of its yearly
// dates (calendar/anniversary.h) that fall in the month, as the day grids take their marks.
#pragma once

#include <cstdint>
#include <vector>

#include "calendar/gregorian.h"
#include "location/dates_file.h"

// Bit d set for day d (1..31) of the month that begins on firstDay and has daysInMonth days, when a yearly day of one
// of the dates falls on it. A date whose Adar choice is "both" marks both its days.
std::uint32_t PersonDateMarks(const std::vector<PersonDate>& dates, DayNumber firstDay, int daysInMonth);

// The marks of the month a grid shows, worked out again only when the month or the dates change: the dates are
// known by their revision (AppState::datesRevision), which grows whenever different dates are read.
class PersonDateMarkCache {
  public:
    std::uint32_t MarksOf(const std::vector<PersonDate>& dates,
                          unsigned datesRevision,
                          DayNumber firstDay,
                          int daysInMonth);

  private:
    bool filled_ = false;
    unsigned revision_ = 0;
    DayNumber firstDay_ = 0;
    int daysInMonth_ = 0;
    std::uint32_t marks_ = 0;
};
