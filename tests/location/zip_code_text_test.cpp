#include "location/zip_code_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(LeadingZipCode, ReadsTheLeadingDigitsAsTheDialogDoes) {
    const struct {
        const char* label;
        const char* text;
        std::optional<std::int32_t> code;
    } cases[] = {
        {"five digits", "10001", 10001},
        {"leading zeros", "00501", 501},
        {"ZIP+4", "10001-1234", 10001},
        {"a name after the code", "10001 New York", 10001},
        {"fewer digits", "501", 501},
        {"zeros only", "00000", 0},
        {"the largest code", "99999", 99999},
        {"six digits", "100000", std::nullopt},
        {"many leading zeros", "0000000501", 501},
        {"a long run of digits", "12345678901234567890", std::nullopt},
        {"empty", "", std::nullopt},
        {"a blank first", " 10001", std::nullopt},
        {"a sign first", "+10001", std::nullopt},
        {"letters", "abc", std::nullopt},
        {"null", nullptr, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(LeadingZipCode(c.text), c.code);
    }
}

}  // namespace
