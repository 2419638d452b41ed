// The yearly days of a person's date in the Hebrew calendar: a yahrzeit, a Hebrew birthday, an anniversary, and
// the day of a bar or bat mitzvah. The rules for the days some years lack (30 Cheshvan, 30 Kislev, the Adars) are
// stated where they are implemented, each with its worked case.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "calendar/gregorian.h"

// The kinds of a person's date. A yahrzeit follows the yahrzeit rules; the others follow the birthday rules.
enum class PersonDateKind : std::uint8_t { Yahrzeit, Birthday, Anniversary, Other };

// Where a date of Adar in a common year is kept in a leap year: the usual custom of the kind (stated in
// anniversary.cpp), Adar I, Adar II, or both.
enum class AdarChoice : std::uint8_t { Usual, AdarI, AdarII, Both };

// A Hebrew date with the program's month numbers (calendar/hebrew.h: 1 Tishrei .. 12 Elul, 6 Adar, 13 Adar I,
// 14 Adar II).
struct HebrewDate {
    int day;
    int month;
    int year;
};

// The Hebrew date of an event on a civil day; one after sunset belongs to the next Hebrew day.
HebrewDate EventHebrewDate(DayNumber civilDay, bool afterSunset);

// The day or days on which the event's yearly date is kept in the Hebrew year; two only with AdarChoice::Both when
// the year is a leap year. Nothing for a year before the event's own.
struct YearlyDays {
    DayNumber first;
    std::optional<DayNumber> second;
};
std::optional<YearlyDays> YearlyDaysIn(const HebrewDate& event, PersonDateKind kind, AdarChoice adar, int hebrewYear);

// The yearly days of the years after the event's own that fall from first to last (days), in date order, each with
// its Hebrew year. The days of a Hebrew year lie in that year, so the years holding first to last give them all.
struct YearlyOccurrence {
    DayNumber day;
    int hebrewYear;
};
std::vector<YearlyOccurrence> YearlyOccurrencesIn(const HebrewDate& event,
                                                  PersonDateKind kind,
                                                  AdarChoice adar,
                                                  DayNumber first,
                                                  DayNumber last);

// The day of a bar mitzvah (13 Hebrew years) or bat mitzvah (12): the birthday of that year, by the birthday rules.
DayNumber ComingOfAgeDay(const HebrewDate& birth, int years);
