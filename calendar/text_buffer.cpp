#include "calendar/text_buffer.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

std::size_t FormatText(char* buffer, std::size_t capacity, const char* format, ...) {
    if (buffer == nullptr || capacity == 0) {
        return 0;
    }
    va_list args;
    va_start(args, format);
    const int wanted = std::vsnprintf(buffer, capacity, format, args);
    va_end(args);
    if (wanted < 0) {
        buffer[0] = '\0';
        return 0;
    }
    const std::size_t length = static_cast<std::size_t>(wanted);
    return length < capacity ? length : capacity - 1;
}

std::size_t CopyText(char* buffer, std::size_t capacity, const char* text) {
    if (buffer == nullptr || capacity == 0) {
        return 0;
    }
    const std::size_t length = text == nullptr ? 0 : std::strlen(text);
    const std::size_t copied = length < capacity ? length : capacity - 1;
    if (copied > 0) {
        std::memcpy(buffer, text, copied);
    }
    buffer[copied] = '\0';
    return copied;
}
