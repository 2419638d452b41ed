// The rules that place each holiday day in a Hebrew year, for both observances.
#pragma once

#include <vector>

#include "calendar/gregorian.h"

struct HolidayDay {
    DayNumber dayNumber;
    int code;
};

// Every holiday day of the Hebrew year under the observance (1 Israel, 2 Diaspora), in no particular order. Days
// outside 1900..2099 are included; the caller keeps the range it wants.
std::vector<HolidayDay> HolidayDaysOfHebrewYear(int hebrewYear, int observance);
