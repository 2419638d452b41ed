#include "textview/scroll_text_view.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

int FakeWidth(std::string_view text, TextFont font) {
    return static_cast<int>(text.size()) * (font == TextFont::kBold ? 7 : 6);
}

// n one-word paragraphs "w0", "w1", ...: n display lines at any width.
std::string WordsPerLine(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += "w" + std::to_string(i) + "\n";
    }
    return text;
}

struct Drawn {
    std::string text;
    TextFont font;
    int x;
    int y;
    std::uint32_t alignment;
    bool operator==(const Drawn& o) const {
        return text == o.text && font == o.font && x == o.x && y == o.y && alignment == o.alignment;
    }
};

std::ostream& operator<<(std::ostream& out, const Drawn& d) {
    return out << "{\"" << d.text << "\" " << (d.font == TextFont::kBold ? "bold" : "normal") << " at " << d.x << ","
               << d.y << " align " << d.alignment << "}";
}

std::vector<Drawn> DrawnAt(const ScrollTextView& view, int position) {
    std::vector<Drawn> drawn;
    for (const DrawnText& t : view.TextsToDraw(position)) {
        drawn.push_back({std::string(t.text), t.font, t.x, t.y, t.alignment});
    }
    return drawn;
}

constexpr std::uint32_t kZmanimAlignments[] = {0, 2, 0};

TEST(ScrollMaximum, IsNineteenPerLinePlusOneLessTheHeight) {
    const struct {
        const char* label;
        std::size_t lines;
        int height;
        int expected;
    } cases[] = {
        {"10 lines in 96", 10, 96, 113},        {"5 lines in 96", 5, 96, 18},       {"4 lines fit in 96", 4, 96, 0},
        {"exactly 95 = 19 x 5 fits", 4, 95, 0}, {"one line in 10", 1, 10, 28},      {"no lines never scroll", 0, 10, 0},
        {"no lines, usual height", 0, 96, 0},   {"a zero-height client", 3, 0, 76},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScrollMaximum(c.lines, c.height), c.expected) << c.label;
    }
}

TEST(ScrollTarget, MovesByLinesAndPagesWithinTheRange) {
    const ScrollRange range{0, 113};
    const struct {
        const char* label;
        int request;
        int thumb;
        int from;
        int expected;
    } cases[] = {
        {"line down from 0", kScrollLineDown, 0, 0, 19},
        {"line down at the maximum stays", kScrollLineDown, 0, 113, 113},
        {"line down near the maximum stops there", kScrollLineDown, 0, 100, 113},
        {"line up from 50", kScrollLineUp, 0, 50, 31},
        {"line up at 0 stays", kScrollLineUp, 0, 0, 0},
        {"page up from 100 goes to 0", kScrollPageUp, 0, 100, 0},
        {"page down from 0 goes to the maximum", kScrollPageDown, 0, 0, 113},
        {"thumb position", kScrollThumbPosition, 50, 0, 50},
        {"thumb track", kScrollThumbTrack, 77, 10, 77},
        {"thumb beyond the maximum", kScrollThumbTrack, 65535, 10, 113},
        {"top", kScrollTop, 0, 80, 0},
        {"bottom", kScrollBottom, 0, 0, 113},
        {"end of scrolling leaves it", kScrollEnd, 0, 40, 40},
        {"an unknown request leaves it", 99, 0, 40, 40},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScrollTarget(c.request, c.thumb, range, c.from), c.expected) << c.label;
    }
}

TEST(ScrollTarget, APageIs152PixelsWhateverTheHeight) {
    EXPECT_EQ(ScrollTarget(kScrollPageDown, 0, {0, 1000}, 0), 152);
    EXPECT_EQ(ScrollTarget(kScrollPageUp, 0, {0, 1000}, 500), 348);
}

TEST(ScrollTarget, AnEmptyRangeKeepsThePositionAtItsMinimum) {
    EXPECT_EQ(ScrollTarget(kScrollLineDown, 0, {0, 0}, 0), 0);
    EXPECT_EQ(ScrollTarget(kScrollThumbPosition, 30, {0, 0}, 0), 0);
    EXPECT_EQ(ScrollTarget(kScrollBottom, 0, {5, 2}, 9), 5);
}

TEST(ScrollTextView, SetTextEntersTextModeAndDropsTheTable) {
    ScrollTextView view;
    view.SetColumns({"Sunrise:", "6:01 AM"});
    view.SetText("@Purim", 300, FakeWidth);
    EXPECT_TRUE(view.InTextMode());
    EXPECT_TRUE(view.Columns().empty());
    EXPECT_EQ(view.Lines(), (Lines{"@Purim "}));
}

TEST(ScrollTextView, AnEmptyTextLeavesTheViewEmpty) {
    ScrollTextView view;
    view.SetText("Purim", 300, FakeWidth);
    view.SetText("\n\n", 300, FakeWidth);
    EXPECT_FALSE(view.InTextMode());
    EXPECT_TRUE(view.Lines().empty());
    EXPECT_TRUE(view.TextsToDraw(0).empty());
}

TEST(ScrollTextView, SetColumnsGrowsTheTableButNeverShrinksIt) {
    ScrollTextView view;
    view.SetColumns({"a1\na2", "b1", "c1\nc2"});
    view.SetColumns({"x1", "y1\n\ny2\n"});
    const std::vector<Lines> expected = {{"x1"}, {"y1", "y2"}, {"c1", "c2"}};
    EXPECT_EQ(view.Columns(), expected);
}

TEST(ScrollTextView, SetColumnsLeavesTextMode) {
    ScrollTextView view;
    view.SetText("Purim", 300, FakeWidth);
    view.SetColumns({"a"});
    EXPECT_FALSE(view.InTextMode());
    EXPECT_TRUE(view.Lines().empty());
}

TEST(ScrollTextView, SetColumnsCutsEachStringAt19999Characters) {
    ScrollTextView view;
    view.SetColumns({std::string(19998, 'a') + "\nb", std::string(19997, 'a') + "\nb"});
    EXPECT_EQ(view.Columns()[0].size(), 1u);
    EXPECT_EQ(view.Columns()[1], (Lines{std::string(19997, 'a'), "b"}));
}

TEST(ScrollTextView, ClearEmptiesBothModesButKeepsTheAlignments) {
    ScrollTextView view;
    view.SetAlignments(kZmanimAlignments, 3);
    view.SetColumns({"a", "b"});
    view.Clear();
    EXPECT_TRUE(view.Columns().empty());
    view.SetText("Purim", 300, FakeWidth);
    view.Clear();
    EXPECT_TRUE(view.Lines().empty());
    EXPECT_EQ(view.Alignments(), (std::vector<std::uint32_t>{0, 2, 0}));
}

TEST(ScrollTextView, SetAlignmentsReplacesTheValues) {
    ScrollTextView view;
    view.SetAlignments(kZmanimAlignments, 3);
    const std::uint32_t right[] = {2};
    view.SetAlignments(right, 1);
    EXPECT_EQ(view.Alignments(), (std::vector<std::uint32_t>{2}));
    view.SetAlignments(nullptr, 5);
    EXPECT_TRUE(view.Alignments().empty());
}

TEST(ScrollTextView, APaintDrawsAtMostEightLinesFromTheFirstVisible) {
    ScrollTextView view;
    view.SetText(WordsPerLine(10), 300, FakeWidth);
    const struct {
        const char* label;
        int position;
        int firstLine;
        int count;
        int firstY;
    } cases[] = {
        {"at the top", 0, 0, 8, 8},
        {"one line down", 19, 1, 8, 8},
        {"part of a line down", 20, 1, 8, 7},
        {"at the maximum for a height of 96", 113, 5, 5, -10},
        {"below the last line", 400, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::vector<Drawn> drawn = DrawnAt(view, c.position);
        ASSERT_EQ(drawn.size(), static_cast<std::size_t>(c.count));
        for (int i = 0; i < c.count; ++i) {
            const std::size_t n = static_cast<std::size_t>(i);
            EXPECT_EQ(drawn[n].text, "w" + std::to_string(c.firstLine + i) + " ");
            EXPECT_EQ(drawn[n].x, 8);
            EXPECT_EQ(drawn[n].y, c.firstY + 19 * i);
            EXPECT_EQ(drawn[n].alignment, kAlignLeftTop);
        }
    }
}

TEST(ScrollTextView, MarkedLinesAreDrawnWithoutMarkerAndOnlyTheFirstIsBold) {
    ScrollTextView view;
    // "@Rosh Hashana" does not fit in 100 pixels with its next word: 7 * 13 + 16 = 107.
    view.SetText("@Rosh Hashana\n#The new year\n \nplain", 100, FakeWidth);
    const std::vector<Drawn> expected = {
        {"Rosh ", TextFont::kBold, 8, 8, 0},
        {"Hashana ", TextFont::kNormal, 8, 27, 0},
        {"The new year ", TextFont::kNormal, 8, 46, 0},
        {"", TextFont::kNormal, 8, 65, 0},
        {"plain ", TextFont::kNormal, 8, 84, 0},
    };
    EXPECT_EQ(DrawnAt(view, 0), expected);
}

TEST(ScrollTextView, ZmanimTableCellsSitAtTheirOffsets) {
    ScrollTextView view;
    view.SetAlignments(kZmanimAlignments, 3);
    view.SetColumns({"Sunrise:\nSunset:\nNightfall:\nHour:", "6:01 AM\n7:45 PM\n8:20 PM\n75", "@Now\n#Today"});
    const std::vector<Drawn> expected = {
        {"Sunrise:", TextFont::kNormal, 8, 8, 0},    {"Sunset:", TextFont::kNormal, 8, 26, 0},
        {"Nightfall:", TextFont::kNormal, 8, 44, 0}, {"Hour:", TextFont::kNormal, 8, 62, 0},
        {"6:01 AM", TextFont::kNormal, 124, 8, 2},   {"7:45 PM", TextFont::kNormal, 124, 26, 2},
        {"8:20 PM", TextFont::kNormal, 124, 44, 2},  {"75", TextFont::kNormal, 124, 62, 2},
        {"@Now", TextFont::kNormal, 134, 8, 0},      {"#Today", TextFont::kNormal, 134, 26, 0},
    };
    EXPECT_EQ(DrawnAt(view, 0), expected);
    EXPECT_EQ(DrawnAt(view, 57), expected) << "the table does not scroll";
}

TEST(ScrollTextView, TwoColumnsAfterThreeStillDrawTheOldThird) {
    ScrollTextView view;
    view.SetAlignments(kZmanimAlignments, 3);
    view.SetColumns({"a", "b", "c"});
    view.SetColumns({"x", "y"});
    const std::vector<Drawn> expected = {
        {"x", TextFont::kNormal, 8, 8, 0}, {"y", TextFont::kNormal, 124, 8, 2}, {"c", TextFont::kNormal, 134, 8, 0}};
    EXPECT_EQ(DrawnAt(view, 0), expected);
}

TEST(ScrollTextView, TheTableDrawsNoMoreThanItsBounds) {
    const std::uint32_t nine[9] = {};
    const struct {
        const char* label;
        std::size_t alignments;
        std::size_t columns;
        std::size_t rows;
        std::size_t drawnColumns;
        std::size_t drawnRows;
    } cases[] = {
        {"within the bounds", 3, 3, 4, 3, 4},
        {"nine columns", 9, 9, 1, 7, 1},
        {"more columns than alignments", 2, 3, 1, 2, 1},
        {"no alignments", 0, 3, 1, 0, 1},
        {"ten rows", 1, 1, 10, 1, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ScrollTextView view;
        view.SetAlignments(nine, c.alignments);
        std::string column;
        for (std::size_t k = 0; k < c.rows; ++k) {
            column += "r" + std::to_string(k) + "\n";
        }
        view.SetColumns(std::vector<std::string>(c.columns, column));
        const std::vector<Drawn> drawn = DrawnAt(view, 0);
        ASSERT_EQ(drawn.size(), c.drawnColumns * c.drawnRows);
        if (!drawn.empty()) {
            EXPECT_EQ(drawn.back().x, 8 + kColumnOffsetsPx[c.drawnColumns - 1]);
            EXPECT_EQ(drawn.back().y, 8 + kRowOffsetsPx[c.drawnRows - 1]);
        }
    }
}

}  // namespace
