// Shabbat Mevarchim: the Shabbat before each Rosh Chodesh but Tishrei's, on which the coming month is blessed and
// its molad and the day or days of its Rosh Chodesh are announced.
//
// Rosh Chodesh is the first of the month, preceded by the 30th of the month before when that month has one. The
// Shabbat blessed is the last one before the first day of Rosh Chodesh: when Rosh Chodesh begins on a Shabbat, the
// month is blessed a week earlier. Tishrei is never blessed (Rosh Hashanah begins it). The same in Israel and the
// Diaspora.
#pragma once

#include <cstddef>
#include <optional>

#include "calendar/gregorian.h"

struct ShabbatMevarchim {
    DayNumber shabbat;      // the Saturday the month is blessed on
    int month;              // the month blessed, in the program's numbers (calendar/hebrew.h)
    int year;               // and its Hebrew year
    DayNumber roshChodesh;  // the first day of its Rosh Chodesh
    int roshChodeshDays;    // 1, or 2 after a month of 30 days
};

// The Shabbat Mevarchim of the month of the Hebrew year; empty for Tishrei and for a month that does not occur in the
// year. Cheshvan 5785 is blessed on October 26, 2024; its Rosh Chodesh is November 1 and 2.
std::optional<ShabbatMevarchim> MevarchimOf(int month, int year);

// The month blessed on day n, when n is a Shabbat Mevarchim; empty on every other day.
std::optional<ShabbatMevarchim> MevarchimOn(DayNumber n);

// The announcement of the days: "Rosh Chodesh Cheshvan: Friday, November 1, 2024 and Shabbat, November 2, 2024", or
// one day. Into buffer, cut at capacity - 1 and terminated; returns the characters written.
std::size_t FormatRoshChodeshText(const ShabbatMevarchim& blessed, char* buffer, std::size_t capacity);
