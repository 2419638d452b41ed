// The molad of every month: the mean conjunction the calendar is built on, as it is announced in synagogue on the
// Shabbat before the month (holidays/mevarchim.h).
//
// Times are Jerusalem mean time, the local mean time of Jerusalem's meridian (about 21 minutes ahead of Israel
// Standard Time), with no zone or daylight saving. The calculation counts hours from 6 pm of the evening before; the
// announcement, and everything here, names the civil day and its clock, the day changing at midnight: the first
// molad, Monday 5 hours and 204 parts in the calculation's count, is announced as Sunday, 11:11 PM and 6 parts.
// Hours run 0..23 from midnight, minutes 0..59, parts (chalakim) 0..17: a part is 1/1080 hour, 3 1/3 seconds, and
// 18 make a minute.
#pragma once

#include <cstddef>

#include "calendar/gregorian.h"

struct Molad {
    DayNumber day;  // the civil day, weekday WeekdayOf(day)
    int hour;       // 0..23, from midnight
    int minute;     // 0..59
    int parts;      // 0..17
};

// The molad of the month of the Hebrew year, in the program's month numbers (calendar/hebrew.h). A month that does
// not occur in the year counts as Tishrei, and a year outside kEarliestHebrewYear..kLatestHebrewYear as the nearer
// end. The molad of Tishrei 5785 was on Thursday, October 3, 2024, at 3:21 AM and 13 parts.
Molad MoladOf(int month, int year);

// The weekdays as the announcements name them: "Sunday" .. "Friday", and "Shabbat" for 6; null outside 0..6.
const char* AnnouncedWeekdayName(int weekday);

// The molad as announced, with its civil date: "Thursday, October 3, 2024, 3:21 AM and 13 chalakim" ("and 1
// chelek"; nothing after the minutes when the parts are 0). Into buffer, cut at capacity - 1 and terminated;
// returns the characters written.
std::size_t FormatMoladText(const Molad& molad, char* buffer, std::size_t capacity);
