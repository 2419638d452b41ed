// The scroll text view without its window: the content, the scroll arithmetic and what a paint draws where.
//
// In text mode the view holds wrapped display lines and scrolls them in whole 19-pixel lines; in table mode it holds
// a few columns of short strings drawn at fixed offsets, one text alignment per column. The view is in text mode
// while it has lines. The scroll state itself belongs to the window's scroll bar; the functions here compute what
// to store there.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "textview/text_wrap.h"

inline constexpr int kLineHeightPx = 19;
inline constexpr int kTextMarginPx = 8;  // left and top, in both modes
inline constexpr int kLayoutHeightPx = 160;
inline constexpr int kLayoutWidthPx = 508;
inline constexpr int kLinesPerPaint = kLayoutHeightPx / kLineHeightPx;
inline constexpr int kPageStepPx = kLinesPerPaint * kLineHeightPx;

static_assert(kLinesPerPaint == 8);
static_assert(kPageStepPx == 152);

// Table cells sit at these offsets from the margin. Columns beyond the first seven, columns without an alignment
// and rows beyond the eighth are kept but not drawn. The second column ends at 124, far enough right that a
// right-aligned value ("60.5 min", 49 pixels in "MS Shell Dlg") clears the longest label, "Prop. hour:" (61).
inline constexpr std::array<int, 7> kColumnOffsetsPx = {0, 116, 126, 300, 310, 400, 450};
inline constexpr std::array<int, 8> kRowOffsetsPx = {0, 18, 36, 54, 72, 90, 108, 126};

// Text alignment values as the platform's text output takes them.
inline constexpr std::uint32_t kAlignLeftTop = 0;
inline constexpr std::uint32_t kAlignRightTop = 2;

// Scroll requests, numbered as the platform numbers them.
enum ScrollRequest : int {
    kScrollLineUp = 0,
    kScrollLineDown = 1,
    kScrollPageUp = 2,
    kScrollPageDown = 3,
    kScrollThumbPosition = 4,
    kScrollThumbTrack = 5,
    kScrollTop = 6,
    kScrollBottom = 7,
    kScrollEnd = 8,
};

struct ScrollRange {
    int min;
    int max;
};

// The scroll maximum for lineCount lines in a client of clientHeight pixels: 19 x (lines + 1) - height, at least
// 0. A view without lines never scrolls. 10 lines in 96 pixels give 19 x 11 - 96 = 113.
int ScrollMaximum(std::size_t lineCount, int clientHeight);

// position kept within the range, as the scroll bar keeps it when it is stored.
int ClampToRange(int position, ScrollRange range);

// The position a scroll request leads to from position, already kept within range: lines of 19 and pages of 152
// pixels, the thumb position as given, top and bottom; other requests leave it where it is.
int ScrollTarget(int request, int thumbPosition, ScrollRange range, int position);

// One string to draw: at (x, y) in the font, with the text alignment (left and top in text mode).
struct DrawnText {
    std::string_view text;
    TextFont font;
    int x;
    int y;
    std::uint32_t alignment;
};

class ScrollTextView {
  public:
    // Replaces the content by the wrapped paragraphs of text (see WrapText). An empty text, or one of newlines
    // only, leaves the view empty.
    void SetText(std::string_view text, int clientWidth, const TextMeasure& measure);

    // Replaces column j by the rows of columns[j], split at "\n" as paragraphs are, and leaves text mode. The table
    // grows to the number of strings but never shrinks: columns beyond them keep their rows.
    void SetColumns(const std::vector<std::string>& columns);

    void Clear();

    void SetAlignments(const std::uint32_t* values, std::size_t count);

    bool InTextMode() const { return !lines_.empty(); }
    const std::vector<std::string>& Lines() const { return lines_; }
    const std::vector<std::vector<std::string>>& Columns() const { return columns_; }
    const std::vector<std::uint32_t>& Alignments() const { return alignments_; }

    // What a paint draws at scroll position scrollPosition, in order. Text mode: at most 8 lines from line
    // position / 19, line i at y = 8 + 19 i - position (at most the largest int), without markers. Table mode: the
    // cells at their offsets, markers not interpreted. The drawn texts view into the view's own strings.
    std::vector<DrawnText> TextsToDraw(int scrollPosition) const;

  private:
    std::vector<std::string> lines_;
    std::vector<std::vector<std::string>> columns_;
    std::vector<std::uint32_t> alignments_;
};
