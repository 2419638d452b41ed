#include "textview/text_wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// A font where every character is 6 pixels wide, 7 in bold, so widths can be worked out by hand.
int FakeWidth(std::string_view text, TextFont font) {
    return static_cast<int>(text.size()) * (font == TextFont::kBold ? 7 : 6);
}

Lines Wrap(std::string_view paragraph, TextFont font, int clientWidth) {
    Lines lines;
    WrapParagraph(paragraph, font, clientWidth, FakeWidth, lines);
    return lines;
}

std::vector<std::string> Paragraphs(std::string_view text) {
    std::vector<std::string> pieces;
    for (std::string_view piece : SplitParagraphs(text)) {
        pieces.emplace_back(piece);
    }
    return pieces;
}

TEST(SplitParagraphs, RunsOfNewlinesSeparateLikeOne) {
    const struct {
        const char* label;
        const char* text;
        std::vector<std::string> expected;
    } cases[] = {
        {"empty text", "", {}},
        {"newlines only", "\n\n\n", {}},
        {"one paragraph without newline", "Purim", {"Purim"}},
        {"two newlines in a row", "Purim\n\nShushan", {"Purim", "Shushan"}},
        {"newline, space, newline", "Purim\n \nShushan", {"Purim", " ", "Shushan"}},
        {"leading and trailing newlines", "\n\nPurim\n", {"Purim"}},
        {"spaces only are a paragraph", "   ", {"   "}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Paragraphs(c.text), c.expected) << c.label;
    }
}

TEST(SplitParagraphs, UsesOnlyTheFirst19999Characters) {
    const struct {
        const char* label;
        std::size_t leading;
        std::vector<std::string> expected;
    } cases[] = {
        // leading "a"s, then "\nb": "b" is character leading + 2.
        {"b is character 19999", 19997, {std::string(19997, 'a'), "b"}},
        {"b is character 20000", 19998, {std::string(19998, 'a')}},
        {"the newline is character 20000", 19999, {std::string(19999, 'a')}},
    };
    for (const auto& c : cases) {
        const std::string text = std::string(c.leading, 'a') + "\nb";
        EXPECT_EQ(Paragraphs(text), c.expected) << c.label;
    }
}

TEST(CapText, StopsAtTheTerminatorOrTheCap) {
    EXPECT_EQ(CapText(static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(CapText("Chanukah"), "Chanukah");
    const std::string longText(25000, 'z');
    EXPECT_EQ(CapText(longText.c_str()).size(), 19999u);
    EXPECT_EQ(CapText(std::string_view(longText)).size(), 19999u);
}

TEST(LineMarkers, ChooseTheFontAndAreNotDrawn) {
    const struct {
        const char* line;
        TextFont font;
        const char* drawn;
    } cases[] = {
        {"@Purim ", TextFont::kBold, "Purim "},
        {"#Purim ", TextFont::kNormal, "Purim "},
        {"Purim ", TextFont::kNormal, "Purim "},
        {"", TextFont::kNormal, ""},
        {"@", TextFont::kBold, ""},
        {"a@b ", TextFont::kNormal, "a@b "},
        {"@#Purim ", TextFont::kBold, "#Purim "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FontOfLine(c.line), c.font) << c.line;
        EXPECT_EQ(DrawnPartOf(c.line), c.drawn) << c.line;
    }
}

// Worked by hand with 6 pixels a character: a line of n characters fits in width W while 6n + 16 < W.
TEST(WrapParagraph, BreaksWhereTheNextWordWouldNotFit) {
    const struct {
        const char* label;
        const char* paragraph;
        int width;
        Lines expected;
    } cases[] = {
        {"13 characters fit in 100", "aaa bbb ccc ddd", 100, {"aaa bbb ccc ", "ddd "}},
        {"width + 16 equal to the client width does not fit", "abcd efgh", 70, {"abcd ", "efgh "}},
        {"one pixel more fits", "abcd efgh", 71, {"abcd efgh "}},
        {"runs of spaces count as one", "  aaa   bbb  ", 500, {"aaa bbb "}},
        {"spaces only give one empty line", "   ", 500, {""}},
        {"one word per line", "aaaa bbbb cccc", 60, {"aaaa ", "bbbb ", "cccc "}},
        {"tabs are not separators", "a\tb c", 500, {"a\tb c "}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Wrap(c.paragraph, TextFont::kNormal, c.width), c.expected) << c.label;
    }
}

TEST(WrapParagraph, AWordTooWideForAnyLineGetsALineOfItsOwn) {
    // 16 characters need 6 * 16 + 16 = 112 pixels; the client is 50 wide.
    const struct {
        const char* label;
        const char* paragraph;
        Lines expected;
    } cases[] = {
        {"first word", "abcdefghijklmnop xy", {"abcdefghijklmnop ", "xy "}},
        {"middle word", "ab abcdefghijklmnop cd", {"ab ", "abcdefghijklmnop ", "cd "}},
        {"last word", "ab abcdefghijklmnop", {"ab ", "abcdefghijklmnop "}},
        {"only word", "abcdefghijklmnop", {"abcdefghijklmnop "}},
        {"two in a row", "abcdefghijklmnop qrstuvwxyzabcdef", {"abcdefghijklmnop ", "qrstuvwxyzabcdef "}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Wrap(c.paragraph, TextFont::kNormal, 50), c.expected) << c.label;
    }
}

TEST(WrapParagraph, TheMarkerCountsInTheFirstLinesWidth) {
    // "@abc def" is 8 characters: 7 * 8 + 16 = 72 in bold.
    EXPECT_EQ(Wrap("@abc def", TextFont::kBold, 72), (Lines{"@abc ", "def "}));
    EXPECT_EQ(Wrap("@abc def", TextFont::kBold, 73), (Lines{"@abc def "}));
}

TEST(WrapText, MeasuresEachParagraphInTheFontOfItsFirstCharacter) {
    // 8 characters: 7 * 8 + 16 = 72 in bold, 6 * 8 + 16 = 64 in the normal font; the client is 70 wide.
    const struct {
        const char* label;
        const char* text;
        Lines expected;
    } cases[] = {
        {"bold marker", "@aaa bbb", {"@aaa ", "bbb "}},
        {"plain marker", "#aaa bbb", {"#aaa bbb "}},
        {"no marker", "xaaa bbb", {"xaaa bbb "}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WrapText(c.text, 70, FakeWidth), c.expected) << c.label;
    }
}

TEST(WrapText, TheNoHolidayPage) {
    // At 280 pixels a line holds 43 characters: 6 * 43 + 16 = 274.
    const Lines expected = {"@No holiday today ", "", "Click on the calendar to see the holidays ", "for that day. ",
                            ""};
    EXPECT_EQ(
        WrapText("@No holiday today\n \nClick on the calendar to see the holidays for that day.\n \n", 280, FakeWidth),
        expected);
}

}  // namespace
