// The holiday text of a day: the names of its holidays, then a description of each, with line markers ("@" a
// holiday name, "#" the first paragraph of a description) for the text view.
#pragma once

#include <cstddef>

// Writes the text of the Hebrew date under the observance into buffer, at most capacity - 1 characters, always
// terminated. With keepMarkers false every "@" and "#" is removed. Returns the characters written.
std::size_t BuildHolidayText(int hebrewDay,
                             int hebrewMonth,
                             int hebrewYear,
                             int observance,
                             char* buffer,
                             std::size_t capacity,
                             bool keepMarkers);

// The holidays offered by the "Holiday List" box, in the order they are added (the box sorts them).
struct HolidayChoice {
    const char* name;
    int code;
};
struct HolidayChoiceList {
    const HolidayChoice* items;
    int count;
};
HolidayChoiceList HolidayChoices();
