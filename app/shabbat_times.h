// Candle lighting, havdalah and the fasts' times of a span of days at a place: the days and what they mark from the
// holiday tables (holidays/shabbat_days.h, which says which evenings and why), each timed by the sun (zmanim/
// evening_times.h) under the user's rules (location/shabbat_settings.h). Like the tables, 1900 to 2099.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/gregorian.h"
#include "calendar/observance.h"
#include "holidays/shabbat_days.h"
#include "location/shabbat_settings.h"
#include "zmanim/day_zmanim.h"

struct ShabbatTime {
    DayNumber date;  // the day the time belongs to, whatever the date of its instant in UT
    ShabbatTimeKind kind;
    DayMoment moment;
    HolidayCode occasion;
    // Minutes of UT after 0h UT of date (beyond 1440 when the evening falls on the next UT day), and the instant in
    // UT seconds as CivilTimeSeconds counts them (EventInstant of local_time.h); nothing when the moment does not
    // happen that day.
    std::optional<double> minutesUt;
    std::optional<long long> instant;
};

// The times of the days first..last in date and time order. A time that does not happen is listed after the times
// of its day that do, a dawn that does not happen before them.
std::vector<ShabbatTime> ShabbatTimes(DayNumber first,
                                      DayNumber last,
                                      Observance observance,
                                      const ZmanimPlace& place,
                                      const ShabbatRules& rules);

// The times of the week (Sunday to Saturday) that holds the day, and when the week ends inside a festival or a
// fast (a festival that begins as Shabbat ends, Tisha B'Av on Sunday), the times after it up to the havdalah and the
// fast's end that close them.
std::vector<ShabbatTime> ShabbatWeekTimes(DayNumber day,
                                          Observance observance,
                                          const ZmanimPlace& place,
                                          const ShabbatRules& rules);

// The words the texts use for a time.
// The kind as the CSV lines and the calendar file's UIDs key it: "candles", "havdalah", "fast-begins", "fast-ends".
const char* ShabbatTimeKey(ShabbatTimeKind kind);
// The kind in words: "Candle lighting", "Havdalah", "Fast begins", "Fast ends".
const char* ShabbatTimeKindName(ShabbatTimeKind kind);
// What the time is for: "Shabbat", "Shabbat ends", "Yom Kippur", "Shabbat, Passover VII" (a festival evening that is
// also Shabbat's), "Shabbat, Sukkot I ends", "Tish'a B'Av"; holiday names in the program's Windows-1252 bytes. As its
// three pieces, for a writer that copies them as they are: "Shabbat, " or nothing, the name, " ends" or nothing.
struct ShabbatTimeOccasion {
    std::string_view shabbatToo;
    std::string_view name;
    std::string_view ends;
};
ShabbatTimeOccasion OccasionOf(const ShabbatTime& time, Observance observance);
// Appends the three pieces.
void AppendShabbatTimeOccasion(std::string& text, const ShabbatTime& time, Observance observance);
// The rules as one sentence: "Candles 18 minutes before sunset, havdalah at nightfall."
std::string ShabbatRulesText(const ShabbatRules& rules);
