#include <ctime>

#include "zmanim/current_time.h"

std::size_t FormatCurrentTime(char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        buffer[0] = '\0';
        return 0;
    }
    // strftime writes nothing useful when the text does not fit; the buffer is then empty.
    const std::size_t written = std::strftime(buffer, size, "%X", &local);
    if (written == 0) {
        buffer[0] = '\0';
    }
    return written;
}
