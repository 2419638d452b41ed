// The selected day's holiday text, zmanim and zmanim texts, gathered from the program's state and the computer's
// clock, time format and zone. Everything here only collects those facts and hands them to the core's functions
// that take values.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "zmanim/day_zmanim.h"

// The holiday text of the selected Hebrew date under the current observance, with or without the text view's line
// markers; at most size - 1 characters, always terminated. Returns the characters written.
std::size_t selectedDayHolidayText(const AppState& state, bool keepMarkers, char* buffer, std::size_t size);

// The zmanim of the selected day at the current place.
DayZmanim selectedDayZmanim(const AppState& state);

// Clears columns and appends the three column texts of the zmanim page: labels; the times; the current time,
// today's date and the place.
void zmanimPageColumns(const AppState& state, std::vector<std::string>& columns);

// The "Copy Zmanim" text of the selected day, at most size - 1 characters, always terminated.
std::size_t zmanimClipboardText(const AppState& state, char* buffer, std::size_t size);
