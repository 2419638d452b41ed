#include <windows.h>

#include <climits>

#include "zmanim/current_time.h"

std::size_t FormatCurrentTime(char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const int capacity = size > INT_MAX ? INT_MAX : static_cast<int>(size);
    // The count includes the terminator; 0 means failure (for instance a buffer too small), and leaves it empty.
    const int written = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buffer, capacity);
    if (written <= 0) {
        buffer[0] = '\0';
        return 0;
    }
    buffer[size - 1] = '\0';
    return static_cast<std::size_t>(written - 1);
}
