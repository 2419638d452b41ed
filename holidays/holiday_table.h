// The two holiday tables (Israel and Diaspora) and the lookups on them.
//
// Every holiday day from 1 January 1900 to 31 December 2099 is a row (Gregorian date, holiday code, day number);
// rows are sorted by date, then code. The tables are generated with their day numbers, so they are constant data
// from the first instruction of the program on.
#pragma once

#include <cstdint>

#include "calendar/calendar_cursor.h"
#include "calendar/gregorian.h"
#include "calendar/observance.h"
#include "holidays/holiday_codes.h"

struct HolidayRow {
    std::int32_t day;
    std::int32_t month;
    std::int32_t year;
    HolidayCode code;
    DayNumber dayNumber;  // of day, month and year
};

struct HolidayTable {
    const HolidayRow* rows;
    int count;
};

// The table of an observance: Diaspora's for Diaspora, Israel's for every other value.
HolidayTable HolidayTableFor(Observance observance);

bool HasHoliday(DayNumber n, Observance observance);

// The codes of all rows of day n in table order. No day of the tables has more than kMaxHolidaysPerDay rows.
inline constexpr int kMaxHolidaysPerDay = 8;
struct HolidayCodes {
    int count;
    HolidayCode codes[kMaxHolidaysPerDay];
};
HolidayCodes HolidaysOn(DayNumber n, Observance observance);

// The day number of the first row with the code from 1 Tishrei up to and including 1 Elul of the Hebrew year, or 0.
// Holidays after 1 Elul (Erev Rosh Hashanah) are never found; Rosh Chodesh finds 30 Tishrei.
DayNumber FindHolidayInHebrewYear(int hebrewYear, Observance observance, HolidayCode code);
// The same within the Hebrew year of the cursor's selected day.
DayNumber FindHolidayInCursorHebrewYear(const CalendarCursor& cursor, Observance observance, HolidayCode code);
