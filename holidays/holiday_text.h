// The holiday text of a day: the names of its holidays, then a description of each, with line markers ("@" a
// holiday name, "#" the first paragraph of a description) for the text view.
#pragma once

#include <cstddef>

#include "calendar/observance.h"
#include "holidays/holiday_codes.h"

// Writes the text of the Hebrew date under the observance into buffer, at most capacity - 1 characters, always
// terminated. With keepMarkers false every "@" and "#" is removed. Returns the characters written.
std::size_t BuildHolidayText(int hebrewDay,
                             int hebrewMonth,
                             int hebrewYear,
                             Observance observance,
                             char* buffer,
                             std::size_t capacity,
                             bool keepMarkers);

// The holidays offered by the "Holiday List" box, in the order they are added (the box sorts them).
struct HolidayChoice {
    const char* name;
    HolidayCode code;
};
struct HolidayChoiceList {
    const HolidayChoice* items;
    int count;
};
HolidayChoiceList HolidayChoices();
