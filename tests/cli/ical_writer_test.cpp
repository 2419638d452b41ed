#include "cli/ical_writer.h"

#include <gtest/gtest.h>

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
    };
    for (const auto& c : cases) {
        std::string out;
        AppendContentLine(out, c.line);
        EXPECT_EQ(out, c.folded) << c.label;
    }
}

TEST(IcalText, EscapesSeparatorsBackslashesAndLineEnds) {
    std::string out;
    AppendEscapedText(out, "New York, NY; a\\b\r\nsecond\n\nthird");
    EXPECT_EQ(out, "New York\\, NY\\; a\\\\b\\nsecond\\n\\nthird");
}

}  // namespace
