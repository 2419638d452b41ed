// The selected day, and the holiday marks of the months shown for it.
//
// The cursor stores the selected day as a Gregorian date only; the Hebrew date, weekday and day number are derived
// on demand. Its month marks ask a holiday lookup it is given (HasHoliday of holidays/holiday_table.h in the
// programs), so the calendar needs nothing of the holiday tables. The program owns its one cursor; the command line
// and the tests make their own.
#pragma once

#include <cstdint>

#include "calendar/clock.h"
#include "calendar/gregorian.h"
#include "calendar/observance.h"

struct MonthMarkCache {
    std::uint32_t mask = 0;
    int month = 0;  // 0 matches nothing: the cache is empty
    int year = 0;
    Observance observance = static_cast<Observance>(-1);
};

// Whether day n has a holiday under the observance: HasHoliday of holiday_table.h, or a stand-in of a test's.
using HolidayLookup = bool (*)(DayNumber n, Observance observance);

class CalendarCursor {
  public:
    // Selected 1 January 1980, caches empty; the month marks are the days hasHoliday names.
    explicit CalendarCursor(HolidayLookup hasHoliday) : hasHoliday_(hasHoliday) {}

    // SetGregorianDate of the computer's local date.
    void SetToToday(const LocalDateTime& today);
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
    std::uint32_t GregorianMonthMarks(Observance observance);
    std::uint32_t HebrewMonthMarks(Observance observance);

  private:
    int day_ = 1;
    int month_ = 1;
    int year_ = 1980;
    MonthMarkCache gregorianMarks_;
    MonthMarkCache hebrewMarks_;
    HolidayLookup hasHoliday_;
};
