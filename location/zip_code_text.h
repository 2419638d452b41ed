// A ZIP code typed as text, read the way the Preferences dialog reads its box.
#pragma once

#include <cstdint>
#include <optional>

inline constexpr std::int32_t kLastZipCode = 99999;

// The number the leading digits of text spell: "00501" is 501, "10001-1234" and "10001 New York" are 10001. Nothing
// when text is null or does not begin with a digit, or when its leading digits spell more than 99999 (more digits
// than a ZIP code has, leading zeros aside: "123456" is nothing, "0000000501" is 501). Reads no further than the
// first character that is not a digit, so text of any length is read in a few steps.
std::optional<std::int32_t> LeadingZipCode(const char* text);
