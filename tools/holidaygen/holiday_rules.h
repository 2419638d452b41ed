// The rules that place each holiday day in a Hebrew year, for both observances.
#pragma once

#include <vector>

#include "calendar/gregorian.h"
#include "calendar/observance.h"
#include "holidays/holiday_codes.h"

struct HolidayDay {
    DayNumber dayNumber;
    HolidayCode code;
};

// Every holiday day of the Hebrew year under the observance, in no particular order. Days
// outside 1900..2099 are included; the caller keeps the range it wants.
std::vector<HolidayDay> HolidayDaysOfHebrewYear(int hebrewYear, Observance observance);
