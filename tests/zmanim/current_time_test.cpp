#include "zmanim/current_time.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

namespace {

// The user's format varies, but every time of day has its hours and minutes as digits around a colon.
TEST(CurrentTime, WritesTheTimeOfDay) {
    char buffer[200];
    const std::size_t length = FormatCurrentTime(buffer, sizeof buffer);
    ASSERT_GT(length, 3u);
    EXPECT_EQ(length, std::strlen(buffer));
    const char* colon = std::strchr(buffer, ':');
    ASSERT_NE(colon, nullptr);
    ASSERT_GT(colon, buffer);
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(colon[-1])));
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(colon[1])));
}

TEST(CurrentTime, ATooSmallBufferStaysTerminated) {
    char buffer[3] = {'x', 'x', 'x'};
    const std::size_t length = FormatCurrentTime(buffer, sizeof buffer);
    EXPECT_LT(length, sizeof buffer);
    EXPECT_EQ(std::strlen(buffer), length);
    EXPECT_EQ(FormatCurrentTime(buffer, 0), 0u);
}

}  // namespace
