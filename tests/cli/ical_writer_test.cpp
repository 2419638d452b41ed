#include "cli/ical_writer.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// Folded lines, worked by hand from the 75-octet limit: a continuation line holds its leading blank and 74 more.
TEST(IcalContentLine, FoldsAt75OctetsOnlyBetweenCharacters) {
    const std::string a74(74, 'a');
    const std::string e = "\xC3\xA9";         // e with acute, two octets
    const std::string alef = "\xD7\x90";      // Hebrew alef, two octets
    const std::string euro = "\xE2\x82\xAC";  // three octets
    const struct {
        const char* label;
        std::string line;
        std::string folded;
    } cases[] = {
        {"75 octets stay one line", a74 + "b", a74 + "b\r\n"},
        {"the 76th octet starts a continuation", a74 + "bc", a74 + "b\r\n c\r\n"},
        {"a two-octet letter across the limit moves whole", a74 + e, a74 + "\r\n " + e + "\r\n"},
        {"a two-octet letter ending at the limit stays", std::string(73, 'a') + alef + "z",
         std::string(73, 'a') + alef + "\r\n z\r\n"},
        {"a three-octet sign across the limit moves whole", std::string(73, 'a') + euro,
         std::string(73, 'a') + "\r\n " + euro + "\r\n"},
        {"continuation lines hold 74 octets after the blank", std::string(75 + 74 + 1, 'x'),
         std::string(75, 'x') + "\r\n " + std::string(74, 'x') + "\r\n x\r\n"},
        {"an empty line", "", "\r\n"},
        {"no UTF-8 within reach of the limit: cut by octets", std::string(76, '\x80'),
         std::string(75, '\x80') + "\r\n \x80\r\n"},
        {"five continuation octets are no UTF-8: cut at the limit",
         std::string(71, 'a') + "\xF0" + std::string(5, '\x80'),
         std::string(71, 'a') + "\xF0\x80\x80\x80\r\n \x80\x80\r\n"},
    };
    for (const auto& c : cases) {
        std::string out;
        AppendContentLine(out, c.line);
        EXPECT_EQ(out, c.folded) << c.label;
    }
}

// An offset is written with hours 00 to 23, whatever int it is.
TEST(IcalTimezone, WritesAnyOffsetWithinADay) {
    std::string out;
    AppendChangesTimezone(out, "Z", {{{2024, 1, 1, 0, 0, 0}, INT_MIN, INT_MAX}, {{2024, 6, 1, 0, 0, 0}, -16430, 0}});
    EXPECT_NE(out.find("TZOFFSETFROM:-235959\r\nTZOFFSETTO:+235959\r\n"), std::string::npos) << out;
    EXPECT_NE(out.find("TZOFFSETFROM:-043350\r\nTZOFFSETTO:+0000\r\n"), std::string::npos) << out;
}

TEST(IcalText, EscapesSeparatorsBackslashesAndLineEnds) {
    std::string out;
    AppendEscapedText(out, "New York, NY; a\\b\r\nsecond\n\nthird");
    EXPECT_EQ(out, "New York\\, NY\\; a\\\\b\\nsecond\\n\\nthird");
}

}  // namespace
