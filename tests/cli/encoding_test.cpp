#include "location/encoding.h"

#include <gtest/gtest.h>

namespace {

// Expected bytes worked from the code page's published table.
TEST(Utf8FromWindows1252, ConvertsEachRangeOfTheCodePage) {
    const struct {
        const char* label;
        std::string_view in;
        std::string_view out;
    } cases[] = {
        {"plain text is unchanged", "New York, NY", "New York, NY"},
        {"a with tilde, Latin-1 range", "S\xE3o Paulo", "S\xC3\xA3o Paulo"},
        {"the last byte", "\xFF", "\xC3\xBF"},
        {"no-break space, the first Latin-1 byte", "\xA0", "\xC2\xA0"},
        {"euro sign, three bytes", "\x80", "\xE2\x82\xAC"},
        {"left double quote", "\x93", "\xE2\x80\x9C"},
        {"undefined 0x81 stays a control", "\x81", "\xC2\x81"},
        {"Y with diaeresis, 0x9F", "\x9F", "\xC5\xB8"},
        {"a zero byte is kept", std::string_view("a\0b", 3), std::string_view("a\0b", 3)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8FromWindows1252(c.in), c.out) << c.label;
    }
}

}  // namespace
