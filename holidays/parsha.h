// The weekly Torah portion read on each Shabbat, under the Israel and the Diaspora schedule.
//
// The cycle of a Hebrew year begins with Bereshit on the first Shabbat after Shmini Atzeret (Simchat Torah in the
// Diaspora) and ends with Ha'Azinu on the last Shabbat before the next year's Sukkot. Portions are read in order;
// where a year has fewer Shabbatot than portions, pairs are read together on one Shabbat as the year's shape requires
// (its length, the weekday of its New Year, and whether it is a leap year; nothing of the holiday tables, so every
// year of kEarliestHebrewYear..kLatestHebrewYear has its reading). Vezot Haberakhah is read on Simchat Torah, never
// on a Shabbat.
//
// A Shabbat that is itself a festival day, or a day of Chol HaMoed (Rosh Hashanah, Yom Kippur, Sukkot, Shmini
// Atzeret, Passover, Shavuot), has no weekly portion under either schedule: the result names that day instead, as
// the observance's holiday text names it ("CHM Passover V"; the Diaspora's eighth day is "Passover VIII", its
// second day of Shavuot "Shavuot II", and on 22 Tishrei Israel has "Shmini Atzeret / Simchat Torah"). The two
// schedules part only there: the Shabbat after Passover that is its eighth day in the Diaspora, and the second day
// of Shavuot on a Shabbat, give Israel a Shabbat more, and the Diaspora catches up by joining a pair that Israel
// reads apart (Behar-Bechukotai before Shavuot, else Matot-Masei or Chukat-Balak after it).
//
// Names are spelled in the common Israeli transliteration the holiday names use: "ch" for chet and chaf ("Chayei
// Sara", as "Chanukah"), "tz" for tzadi ("Tetzaveh"), "Shmini" as in "Shmini Atzeret", an apostrophe between two
// vowels or after a shva ("Re'eh", "Sh'lach", as "Ta'anit" and "B'Omer"); two portions read together are joined by a
// hyphen ("Vayakhel-Pekudei").
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "calendar/gregorian.h"
#include "calendar/observance.h"
#include "holidays/holiday_codes.h"

// The portions in the order of the year: the value is the portion's number.
enum class Portion : std::int32_t {
    None = 0,
    Bereshit = 1,
    Noach,
    LechLecha,
    Vayera,
    ChayeiSara,
    Toldot,
    Vayetzei,
    Vayishlach,
    Vayeshev,
    Miketz,
    Vayigash,
    Vayechi,
    Shemot,
    Vaera,
    Bo,
    Beshalach,
    Yitro,
    Mishpatim,
    Terumah,
    Tetzaveh,
    KiTisa,
    Vayakhel,  // 22
    Pekudei,
    Vayikra,
    Tzav,
    Shmini,
    Tazria,
    Metzora,
    AchreiMot,
    Kedoshim,
    Emor,
    Behar,
    Bechukotai,
    Bamidbar,  // 34
    Nasso,
    Behaalotcha,
    Shlach,
    Korach,
    Chukat,
    Balak,
    Pinchas,
    Matot,
    Masei,
    Devarim,  // 44
    Vaetchanan,
    Eikev,
    Reeh,
    Shoftim,
    KiTeitzei,
    KiTavo,
    Nitzavim,
    Vayeilech,
    HaAzinu,
    VezotHaberakhah,  // 54
};

inline constexpr int kPortionCount = 54;

constexpr int PortionNumber(Portion portion) {
    return static_cast<int>(portion);
}

// What is read on one Shabbat: one portion, two read together, or on a festival none and the festival day's code.
struct WeeklyPortion {
    DayNumber shabbat;     // the Saturday
    Portion first;         // Portion::None on a festival
    Portion second;        // the portion read with first, or Portion::None
    HolidayCode festival;  // the festival day the Shabbat is, or HolidayCode::None
};

// The reading of the Shabbat of the week that holds day n: n itself when it is a Saturday, else the Saturday after.
// Days outside the calendar (before 1 Tishrei of kEarliestHebrewYear, or whose Saturday is after kLastDayNumber)
// count as its first or last Saturday. 16 March 2024 (day 2460386, 6 Adar II 5784) reads Pekudei alone; 27 April 2024
// is 19 Nisan, "CHM Passover V" under both schedules.
WeeklyPortion PortionOfShabbat(DayNumber n, Observance observance);

// The readings of the Saturdays of first..last in order, as PortionOfShabbat gives them one by one, each year's
// reading worked out once: for a listing of many years. Saturdays outside the calendar are left out.
std::vector<WeeklyPortion> PortionsOfShabbatot(DayNumber first, DayNumber last, Observance observance);

// "Bereshit" .. "Vezot Haberakhah"; empty for Portion::None or a value outside 1..54.
std::string_view PortionName(Portion portion);

// The reading's name: the portion's, "Vayakhel-Pekudei" for two, or the festival day's under the observance (see
// above). Written into buffer, at most capacity - 1 characters, always terminated; returns the characters written.
// Every name fits kWeeklyPortionNameSize.
inline constexpr std::size_t kWeeklyPortionNameSize = 48;
std::size_t WeeklyPortionName(const WeeklyPortion& reading, Observance observance, char* buffer, std::size_t capacity);
