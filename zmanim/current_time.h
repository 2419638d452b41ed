// The current local time in the user's usual time format, for the zmanim page.
#pragma once

#include <cstddef>

// GetTimeFormatA of the user's default locale on Windows; the C library's "%X" elsewhere. Cut at size - 1 and
// terminated; returns the characters written.
std::size_t FormatCurrentTime(char* buffer, std::size_t size);
