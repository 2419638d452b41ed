#include "textview/clipboard_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::size_t kCapacity = 19999;

// Runs the conversion into a zeroed block of capacity + 1 bytes followed by guard bytes.
struct Converted {
    std::string text;
    std::size_t returned;
    bool guardIntact;
    bool restZero;
};

Converted Convert(const char* text, std::size_t capacity) {
    std::vector<char> block(capacity + 1 + 8, '\0');
    for (std::size_t i = capacity + 1; i < block.size(); ++i) {
        block[i] = 'G';
    }
    const std::size_t returned = ConvertLineEndsForClipboard(text, block.data(), capacity);
    Converted result{std::string(block.data()), returned, true, true};
    for (std::size_t i = capacity + 1; i < block.size(); ++i) {
        result.guardIntact = result.guardIntact && block[i] == 'G';
    }
    for (std::size_t i = result.text.size(); i <= capacity; ++i) {
        result.restZero = result.restZero && block[i] == '\0';
    }
    return result;
}

// The plain rule without any limit: every "\n" becomes "\r\n".
std::string WithWindowsLineEnds(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

TEST(ClipboardText, EveryNewlineBecomesCarriageReturnNewline) {
    const struct {
        const char* label;
        const char* text;
        const char* expected;
    } cases[] = {
        {"empty", "", ""},
        {"no newline", "Purim", "Purim"},
        {"one newline", "a\nb", "a\r\nb"},
        {"newline alone", "\n", "\r\n"},
        {"two in a row", "\n\n", "\r\n\r\n"},
        {"trailing", "a\n", "a\r\n"},
        {"a carriage return already there is kept", "a\r\nb", "a\r\r\nb"},
        {"the no-holiday text", "No holiday today\n \nClick on the calendar to see the holidays for that day.\n \n",
         "No holiday today\r\n \r\nClick on the calendar to see the holidays for that day.\r\n \r\n"},
    };
    for (const auto& c : cases) {
        const Converted converted = Convert(c.text, kCapacity);
        EXPECT_EQ(converted.text, c.expected) << c.label;
        EXPECT_EQ(converted.returned, converted.text.size()) << c.label;
    }
}

TEST(ClipboardText, NCharactersWithKNewlinesGiveNPlusK) {
    std::string text;
    std::size_t newlines = 0;
    for (int i = 0; i < 3000; ++i) {
        const bool newline = i % 7 == 3 || i % 11 == 0;
        text += newline ? '\n' : static_cast<char>('a' + i % 26);
        newlines += newline ? 1 : 0;
    }
    const Converted converted = Convert(text.c_str(), kCapacity);
    EXPECT_EQ(converted.text.size(), text.size() + newlines);
    EXPECT_EQ(converted.text, WithWindowsLineEnds(text));
}

TEST(ClipboardText, IsCutAfterThePassThatReaches19996Characters) {
    const struct {
        const char* label;
        std::string text;
        std::string expected;
    } cases[] = {
        {"no newlines", std::string(25000, 'x'), std::string(19996, 'x')},
        {"a newline after the last character copied", std::string(19995, 'x') + "y\nzzz",
         std::string(19995, 'x') + "y\r\n"},
        {"a newline starting the last pass", std::string(19994, 'x') + "\nzzz", std::string(19994, 'x') + "\r\n"},
        {"a newline in the pass that reaches the limit", std::string(19996, 'x') + "\nzzz",
         std::string(19996, 'x') + "\r\n"},
        {"a character after the cut is left out with its newline", std::string(19996, 'x') + "y\nzzz",
         std::string(19996, 'x')},
        {"newlines only", std::string(15000, '\n'), WithWindowsLineEnds(std::string(9998, '\n'))},
    };
    for (const auto& c : cases) {
        const Converted converted = Convert(c.text.c_str(), kCapacity);
        EXPECT_EQ(converted.text.size(), c.expected.size()) << c.label;
        EXPECT_TRUE(converted.text == c.expected) << c.label;
        EXPECT_LE(converted.text.size(), 19998u) << c.label;
        EXPECT_TRUE(converted.restZero) << c.label;
        EXPECT_TRUE(converted.guardIntact) << c.label;
    }
}

TEST(ClipboardText, NullTextGivesAnEmptyText) {
    const Converted converted = Convert(nullptr, kCapacity);
    EXPECT_EQ(converted.text, "");
    EXPECT_EQ(converted.returned, 0u);
}

TEST(ClipboardText, SmallCapacitiesStayInsideTheBlock) {
    for (std::size_t capacity = 0; capacity <= 8; ++capacity) {
        const Converted converted = Convert("\n\n\n\n\n\n", capacity);
        EXPECT_TRUE(converted.guardIntact) << capacity;
        EXPECT_LT(converted.text.size(), std::max<std::size_t>(capacity, 1)) << capacity;
    }
    EXPECT_EQ(Convert("abcdef", 3).text, "");
    EXPECT_EQ(Convert("abcdef", 4).text, "a");
    EXPECT_EQ(Convert("\nabcdef", 4).text, "\r\n");
    EXPECT_EQ(Convert("a\nbcdef", 4).text, "a\r\n");
}

}  // namespace
