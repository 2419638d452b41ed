// Which evenings and days have a time of their own: candle lighting, havdalah, and the beginning and end of a fast.
//
// The days of rest are Shabbat and the festival days on which work is forbidden: Rosh Hashanah (both days), Yom
// Kippur, the first day of Sukkot, Shmini Atzeret, the first and seventh days of Passover and Shavuot, and in the
// Diaspora also the second day of Sukkot, Simchat Torah, the second and eighth days of Passover and the second day
// of Shavuot. Which day is which comes from the holiday tables of the observance (holiday_table.h), so these rules
// hold for every day the tables hold, 1 January 1900 to 31 December 2099, and nowhere else: a day outside them has
// no festival, only its Shabbat.
//
// - Candles are lit on the evening before each day of rest: before sunset when that evening is a weekday's, and on
//   Friday before every Shabbat, even after a festival day; at nightfall, not before, when the evening itself ends a
//   day of rest and begins a festival day (a festival's second evening, a festival that begins as Shabbat ends).
// - Havdalah ends each day of rest that a weekday follows: Shabbat, and a festival day that is not followed by
//   Shabbat or another festival day.
// - A minor fast (the Fast of Gedaliah, the Fast of Tevet, the Fast of Esther, the Fast of Tammuz and the Fast of
//   the Firstborn, each on the day the tables keep it, postponed or brought forward) begins at dawn and ends at
//   nightfall. Tisha B'Av begins at sunset of the evening before and ends at nightfall. Yom Kippur begins with its
//   candles and ends with its havdalah, and has no fast times besides.
#pragma once

#include <cstdint>
#include <vector>

#include "calendar/gregorian.h"
#include "calendar/observance.h"
#include "holidays/holiday_codes.h"

enum class ShabbatTimeKind : std::uint8_t { Candles, Havdalah, FastBegins, FastEnds };

// The moment of its day a time is taken at; the sun's times turn each into a clock time.
enum class DayMoment : std::uint8_t {
    CandleLighting,    // sunset less the candle-lighting minutes
    NightfallCandles,  // nightfall: candles on an evening that ends a day of rest, lit not before it
    Havdalah,          // nightfall, or the havdalah minutes after sunset
    Dawn,              // a minor fast begins
    Sunset,            // Tisha B'Av begins on the evening before
    Nightfall,         // a fast ends
};

struct ShabbatDayTime {
    DayNumber day;  // the day whose evening (or morning, for dawn) it is
    ShabbatTimeKind kind;
    DayMoment moment;
    // Candles: the festival of the day they begin, None for Shabbat alone. Havdalah: the festival of the day it
    // ends, None for Shabbat alone. A fast's times: the fast (Yom Kippur's are its candles and havdalah).
    HolidayCode occasion;
};

// A day of rest under the observance: a Saturday, or one of the festival days above.
bool IsDayOfRest(DayNumber n, Observance observance);

// The times of the days first..last in date order; within a day, in the order of their moments as they fall in
// the day (a minor fast's dawn, the candles, Tisha B'Av's sunset, havdalah, a fast's nightfall). Empty when last
// is before first. 2 to 3 January 2004, a Friday and a Saturday, give the Friday's candles and the Saturday's
// havdalah.
std::vector<ShabbatDayTime> ShabbatDayTimes(DayNumber first, DayNumber last, Observance observance);
