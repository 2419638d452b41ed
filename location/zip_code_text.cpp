#include "location/zip_code_text.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::int32_t> LeadingZipCode(const char* text) {
    if (text == nullptr || !IsDigit(text[0])) {
        return std::nullopt;
    }
    std::int32_t code = 0;
    for (const char* digit = text; IsDigit(*digit); ++digit) {
        // Stops as soon as the code is too long, so the value never grows past 999999.
        code = code * 10 + (*digit - '0');
        if (code > kLastZipCode) {
            return std::nullopt;
        }
    }
    return code;
}
