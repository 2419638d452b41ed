// Texts are written into a caller's buffer of a given capacity: at most capacity - 1 characters, always
// terminated. This is the one place that does it; nothing in the program formats without a bound.
#pragma once

#include <cstddef>

#if defined(__GNUC__)
#define KES_PRINTF_FORMAT(fmt, first) __attribute__((format(printf, fmt, first)))
#else
#define KES_PRINTF_FORMAT(fmt, first)
#endif

// Formats into buffer, cut at capacity - 1 characters and terminated. Returns the number of characters written
// (not counting the terminator). A capacity of 0 writes nothing.
std::size_t FormatText(char* buffer, std::size_t capacity, const char* format, ...) KES_PRINTF_FORMAT(3, 4);

// Copies text (null counts as empty) into buffer with the same rule.
std::size_t CopyText(char* buffer, std::size_t capacity, const char* text);
