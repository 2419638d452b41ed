// The two holiday tables (Israel and Diaspora) and the lookups on them.
//
// Every holiday day from 1 January 1900 to 31 December 2099 is a row (Gregorian date, holiday code); rows are
// sorted by date, then code. The day-number column is filled once, when the calendar cursor is created.
#pragma once

#include <cstdint>

#include "calendar/gregorian.h"

inline constexpr int kObservanceIsrael = 1;
inline constexpr int kObservanceDiaspora = 2;  // every value other than 2 selects the Israel table

struct HolidayRow {
    std::int32_t day;
    std::int32_t month;
    std::int32_t year;
    std::int32_t code;
    DayNumber dayNumber;  // 0 until FillHolidayDayNumbers has run
};

struct HolidayTable {
    const HolidayRow* rows;
    int count;
};

// The table of an observance: 2 is the Diaspora table, anything else the Israel table.
HolidayTable HolidayTableFor(int observance);

// Writes the day number of every row of the Israel table, then of the Diaspora table.
void FillHolidayDayNumbers();

bool HasHoliday(DayNumber n, int observance);

// The codes of all rows of day n in table order. No day of the tables has more than kMaxHolidaysPerDay rows.
inline constexpr int kMaxHolidaysPerDay = 8;
struct HolidayCodes {
    int count;
    int codes[kMaxHolidaysPerDay];
};
HolidayCodes HolidaysOn(DayNumber n, int observance);

// The day number of the first row with the code from 1 Tishrei up to and including 1 Elul of the Hebrew year, or 0.
// Holidays after 1 Elul (Erev Rosh Hashanah) are never found; Rosh Chodesh finds 30 Tishrei.
DayNumber FindHolidayInHebrewYear(int hebrewYear, int observance, int code);
