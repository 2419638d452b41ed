// English month names of both calendars, the date line, and the month lists of the Hebrew month boxes.
#pragma once

#include <cstddef>

// "January" .. "December"; null when month is not 1..12.
const char* GregorianMonthName(int month);

// "Tishrei" .. "Elul", 13 "Adar I", 14 "Adar II"; null when month is not 1..14.
const char* HebrewMonthName(int month);

// The date line "%s %d, %d", e.g. "Nisan 15, 5768", into buffer (cut at capacity - 1, terminated). A null month
// name is written as an empty name. Returns the characters written.
std::size_t FormatDateLine(const char* monthName, int day, int year, char* buffer, std::size_t capacity);

struct MonthChoice {
    const char* name;
    int month;
};

// The months of a regular (12) or leap (13) year in the order of the year, for the Hebrew month boxes.
struct MonthChoiceList {
    const MonthChoice* items;
    int count;
};
MonthChoiceList HebrewMonthChoices(bool leapYear);
