// The selected day, and the holiday marks of the months shown for it.
//
// The cursor stores the selected day as a Gregorian date only; the Hebrew date, weekday and day number are derived
// on demand. It lives beside the holiday tables because creating the program's one cursor fills their day numbers,
// and its month marks are holiday lookups.
#pragma once

#include <cstdint>

#include "calendar/gregorian.h"

struct MonthMarkCache {
    std::uint32_t mask = 0;
    int month = 0;  // 0 matches nothing: the cache is empty
    int year = 0;
    int observance = -1;
};

class CalendarCursor {
  public:
    // Selected 1 January 1980, caches empty.
    CalendarCursor() = default;

    void SetToToday();
    void SetGregorianDate(int day, int month, int year);
    void SetGregorianDay(int day);
    void SetGregorianMonth(int month);
    void SetGregorianYear(int year);
    void SetFromDayNumber(DayNumber n);
    void SetHebrewDate(int day, int month, int year);
    void SetHebrewDay(int day);
    void SetHebrewMonth(int month);
    void SetHebrewYear(int year);

    int Day() const { return day_; }
    int Month() const { return month_; }
    int Year() const { return year_; }
    // Each writes nothing unless all four destinations are given.
    void GetGregorianDate(int* day, int* month, int* year, int* weekday) const;
    void GetHebrewDate(int* day, int* month, int* year, int* weekday) const;
    DayNumber CursorDayNumber() const;
    int GregorianMonthLength() const;
    int GregorianMonthFirstWeekday() const;
    int HebrewDay() const;
    int HebrewMonth() const;
    int HebrewYear() const;
    bool IsHebrewLeap() const;
    int HebrewMonthLength() const;
    int HebrewMonthFirstWeekday() const;
    std::uint32_t GregorianMonthMarks(int observance);
    std::uint32_t HebrewMonthMarks(int observance);

  private:
    int day_ = 1;
    int month_ = 1;
    int year_ = 1980;
    MonthMarkCache gregorianMarks_;
    MonthMarkCache hebrewMarks_;
};

// The program's one cursor. Creating it (during static initialisation) fills the holiday tables' day numbers.
extern CalendarCursor gCalendarCursor;

// The day number of the holiday's first day within the Hebrew year of the cursor's selected day, looking from
// 1 Tishrei up to 1 Elul of that year, or 0.
DayNumber FindHolidayInCursorHebrewYear(int observance, int code);
// The same for any cursor (FindHolidayInHebrewYear of holiday_table.h takes the Hebrew year itself).
DayNumber FindHolidayInCursorHebrewYear(const CalendarCursor& cursor, int observance, int code);
