#include "location/zip_code_text.h"

namespace {

constexpr int kLargestZipCode = 99999;
constexpr int kNoZipCode = -1;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

int ParseZipCodeText(const char* text) {
    if (text == nullptr) {
        return kNoZipCode;
    }
    int code = 0;
    int digits = 0;
    for (; IsDigit(text[digits]); ++digits) {
        if (code > kLargestZipCode) {
            return kNoZipCode;
        }
        code = code * 10 + (text[digits] - '0');
    }
    return digits == 0 ? kNoZipCode : code;
}
