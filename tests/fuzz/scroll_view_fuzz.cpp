// The scroll text view with any content and any scroll request: what it draws comes from its own lines or cells at
// the places its layout gives, and every scroll position it computes is within its range.
//
// Input: a series of steps, each an operation byte, three 32-bit integers and a text.
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "textview/scroll_text_view.h"

namespace {

constexpr int kMaxSteps = 32;

int FakeWidth(std::string_view text, TextFont font) {
    return static_cast<int>(text.size()) * (font == TextFont::kBold ? 7 : 6);
}

std::vector<std::string> SplitColumns(std::string_view text) {
    std::vector<std::string> columns(1);
    for (const char c : text) {
        if (c == '\t') {
            columns.emplace_back();
        } else {
            columns.back().push_back(c);
        }
    }
    return columns;
}

void CheckDrawing(const ScrollTextView& view, int position, const std::string& label) {
    const std::vector<DrawnText> texts = view.TextsToDraw(position);
    if (view.InTextMode()) {
        const std::vector<std::string>& lines = view.Lines();
        const std::size_t first = position > 0 ? static_cast<std::size_t>(position / kLineHeightPx) : 0;
        const std::size_t expected =
            first < lines.size() ? std::min<std::size_t>(lines.size() - first, kLinesPerPaint) : 0;
        FUZZ_CHECK(texts.size() == expected, label);
        for (std::size_t k = 0; k < texts.size(); ++k) {
            const std::string& line = lines[first + k];
            FUZZ_CHECK(texts[k].text == DrawnPartOf(line) && texts[k].font == FontOfLine(line), label);
            FUZZ_CHECK(texts[k].x == kTextMarginPx && texts[k].alignment == kAlignLeftTop, label);
            const long long y = std::min<long long>(
                kTextMarginPx + kLineHeightPx * static_cast<long long>(first + k) - position, 2147483647);
            FUZZ_CHECK(texts[k].y == y, label + ": line drawn at " + std::to_string(texts[k].y));
        }
        return;
    }
    FUZZ_CHECK(texts.size() <= kColumnOffsetsPx.size() * kRowOffsetsPx.size(), label);
    for (const DrawnText& text : texts) {
        bool placed = false;
        for (std::size_t j = 0; j < kColumnOffsetsPx.size() && j < view.Columns().size(); ++j) {
            for (std::size_t k = 0; k < kRowOffsetsPx.size() && k < view.Columns()[j].size(); ++k) {
                placed = placed || (text.x == kTextMarginPx + kColumnOffsetsPx[j] &&
                                    text.y == kTextMarginPx + kRowOffsetsPx[k] && text.text == view.Columns()[j][k] &&
                                    j < view.Alignments().size() && text.alignment == view.Alignments()[j]);
            }
        }
        FUZZ_CHECK(placed, label + ": a cell drawn where none is");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    ScrollTextView view;
    for (int step = 0; step < kMaxSteps && !input.Empty(); ++step) {
        const std::uint8_t operation = input.Byte();
        const std::int32_t a = input.Int32();
        const std::int32_t b = input.Int32();
        const std::int32_t c = input.Int32();
        const std::string_view text = input.Text();
        const std::string label = "step " + std::to_string(step) + " operation " + std::to_string(operation % 6);
        switch (operation % 6) {
            case 0:
                view.SetText(text, a, FakeWidth);
                FUZZ_CHECK(view.InTextMode() == !view.Lines().empty() && view.Columns().empty(), label);
                break;
            case 1: {
                const std::vector<std::string> columns = SplitColumns(text);
                const std::size_t before = view.Columns().size();
                view.SetColumns(columns);
                FUZZ_CHECK(!view.InTextMode() && view.Columns().size() == std::max(before, columns.size()), label);
                break;
            }
            case 2: {
                std::vector<std::uint32_t> alignments;
                for (const char ch : text) {
                    alignments.push_back(static_cast<unsigned char>(ch) % 2 == 0 ? kAlignLeftTop : kAlignRightTop);
                }
                view.SetAlignments(alignments.data(), alignments.size());
                FUZZ_CHECK(view.Alignments() == alignments, label);
                break;
            }
            case 3:
                view.Clear();
                FUZZ_CHECK(!view.InTextMode() && view.Columns().empty(), label);
                break;
            case 4: {
                // The range the window would store for the content, then a request from position c.
                const int maximum = ScrollMaximum(view.Lines().size(), a);
                const long long lines = static_cast<long long>(std::min(view.Lines().size(), kTextCap));
                const long long expected = view.Lines().empty() ? 0 : std::max(0LL, kLineHeightPx * (lines + 1) - a);
                FUZZ_CHECK(maximum == std::min<long long>(expected, 2147483647), label);
                const ScrollRange range{0, maximum};
                const int target = ScrollTarget(b, c, range, ClampToRange(c, range));
                FUZZ_CHECK(target >= 0 && target <= maximum, label + ": scrolled to " + std::to_string(target));
                CheckDrawing(view, target, label);
                break;
            }
            case 5: {
                // Any range and position, as a scroll bar might hold them.
                const ScrollRange range{a, b};
                const int clamped = ClampToRange(c, range);
                const int target = ScrollTarget(static_cast<int>(text.size()) % 10, c, range, c);
                if (a <= b) {
                    FUZZ_CHECK(clamped >= a && clamped <= b && target >= a && target <= b, label);
                } else {
                    FUZZ_CHECK(clamped == a && target == a, label);
                }
                CheckDrawing(view, c, label);
                break;
            }
        }
    }
    return 0;
}
