#include "calendar/text_buffer.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(TextBuffer, FormatCutsAtCapacityMinusOneAndTerminates) {
    const struct {
        std::size_t capacity;
        const char* expected;
        std::size_t written;
    } cases[] = {{1, "", 0}, {2, "a", 1}, {6, "abc 1", 5}, {7, "abc 12", 6}, {100, "abc 12", 6}};
    for (const auto& c : cases) {
        char buffer[101];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(FormatText(buffer, c.capacity, "%s %d", "abc", 12), c.written) << c.capacity;
        EXPECT_STREQ(buffer, c.expected) << c.capacity;
        EXPECT_EQ(buffer[c.capacity], 'x') << "wrote past the capacity " << c.capacity;
    }
}

TEST(TextBuffer, ZeroCapacityOrNoBufferWritesNothing) {
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(FormatText(buffer, 0, "%d", 5), 0u);
    EXPECT_EQ(CopyText(buffer, 0, "abc"), 0u);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(FormatText(nullptr, 10, "%d", 5), 0u);
    EXPECT_EQ(CopyText(nullptr, 10, "abc"), 0u);
}

TEST(TextBuffer, CopyCutsAndTreatsNullAsEmpty) {
    char buffer[8];
    EXPECT_EQ(CopyText(buffer, sizeof buffer, "Jerusalem, Israel"), 7u);
    EXPECT_STREQ(buffer, "Jerusal");
    EXPECT_EQ(CopyText(buffer, sizeof buffer, nullptr), 0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(CopyText(buffer, sizeof buffer, "Paris"), 5u);
    EXPECT_STREQ(buffer, "Paris");
}

}  // namespace
