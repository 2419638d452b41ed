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

// True when the text BuildHolidayText writes for the day names a holiday, false when it is the window's hint ("No
// holiday today", "Click on the calendar ...").
bool HolidayTextNamesAHoliday(int hebrewDay, int hebrewMonth, int hebrewYear, Observance observance);

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

// One holiday on its own, as an entry of its day in another calendar shows it, without markers.
//
// The name under the observance: "Passover I", under Israel "CHM Passover II". Simchat Torah under Israel, which
// the day's text leaves out because "Shmini Atzeret / Simchat Torah" names the day, keeps its own name here, so
// that every row of a table has one. Empty for a code outside 1..60.
std::string_view HolidayName(HolidayCode code, Observance observance);

// Whether the day's text names the code under the observance, as its own line: false only for a code whose day
// another code's name already names (Simchat Torah under Israel, in "Shmini Atzeret / Simchat Torah").
bool HolidayShownInDayText(HolidayCode code, Observance observance);

// The description, the same under both observances: a header line, then paragraphs, each line ending in "\n" and a
// line holding one blank after the header and after each paragraph ("Purim -- 14 Adar\n \nCelebrates ...\n \n").
// Written into buffer as BuildHolidayText writes, at most capacity - 1 characters and terminated; every
// description fits kHolidayDescriptionSize. Empty for a code outside 1..60 and for the codes that have none.
inline constexpr std::size_t kHolidayDescriptionSize = 2048;
std::size_t HolidayDescription(HolidayCode code, char* buffer, std::size_t capacity);
