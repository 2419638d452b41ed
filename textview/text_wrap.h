// Page texts for the scroll text view: paragraphs, line markers and word wrapping.
//
// A page text is 8-bit, lines separated by "\n". A paragraph may begin with a marker: "@" draws it bold, "#" draws it
// plain; the marker itself is never shown. Wrapping measures through a callable, so the rules run without a window.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Only this many characters of a text (or of one paragraph or column string) are used; the rest is ignored.
inline constexpr std::size_t kTextCap = 19999;

// A line fits while its measured width plus this allowance is less than the client width.
inline constexpr int kWrapAllowancePx = 16;

enum class TextFont { kNormal, kBold };

// Width in pixels of text drawn in font.
using TextMeasure = std::function<int(std::string_view text, TextFont font)>;

// The first kTextCap characters of text, stopping at its terminator; null gives an empty view.
std::string_view CapText(const char* text);
std::string_view CapText(std::string_view text);

// The font a paragraph or display line asks for by its first character: "@" bold, anything else normal.
constexpr TextFont FontOfLine(std::string_view line) {
    return !line.empty() && line.front() == '@' ? TextFont::kBold : TextFont::kNormal;
}

// What is drawn of a display line: without its "@" or "#" marker.
constexpr std::string_view DrawnPartOf(std::string_view line) {
    if (!line.empty() && (line.front() == '@' || line.front() == '#')) {
        line.remove_prefix(1);
    }
    return line;
}

// Splits the first kTextCap characters at "\n". A run of newlines separates like one and newlines at either end
// give nothing, so no piece is empty; a piece of spaces only is kept. The pieces view into text.
std::vector<std::string_view> SplitParagraphs(std::string_view text);

// Wraps one paragraph to clientWidth and appends its display lines to lines. Words are the runs of characters
// other than " "; each line is built as "word word ... " (every non-empty line ends in one space) while
// measure(line + next word) + kWrapAllowancePx < clientWidth. A word that does not fit even on a line of its own
// gets a line of its own, never preceded by an empty one. A paragraph without words gives one empty line. A
// leading marker is part of the first word and counts in the first line's width.
void WrapParagraph(std::string_view paragraph,
                   TextFont font,
                   int clientWidth,
                   const TextMeasure& measure,
                   std::vector<std::string>& lines);

// All paragraphs of text, each wrapped in the font its first character asks for.
std::vector<std::string> WrapText(std::string_view text, int clientWidth, const TextMeasure& measure);
