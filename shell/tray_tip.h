// The tip of the notification-area icon: today's Gregorian and Hebrew dates, "January 1, 2000 / Tevet 23, 5760".
#pragma once

#include <cstddef>

// Writes the tip of the Gregorian date (day, month, year) into buffer, cut at capacity - 1.
std::size_t FormatTrayTip(int day, int month, int year, char* buffer, std::size_t capacity);
