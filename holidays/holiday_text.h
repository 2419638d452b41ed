// The holiday text of a day: the names of its holidays, then a description of each, with line markers ("@" a
// holiday name, "#" the first paragraph of a description) for the text view.
#pragma once

#include <cstddef>
#include <string_view>

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

// The name a holiday shows under the observance, without its "@" marker and trailing blanks: "Tu B'Shvat", "CHM
// Sukkot III", "Shmini Atzeret / Simchat Torah" (code 45 under Israel). Empty when the code shows no name there
// (code 46 under Israel, whose day code 45 already names) or is not a holiday's.
std::string_view HolidayName(HolidayCode code, Observance observance);

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
