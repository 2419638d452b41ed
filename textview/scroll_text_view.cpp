#include "textview/scroll_text_view.h"

#include <algorithm>
#include <climits>

int ScrollMaximum(std::size_t lineCount, int clientHeight) {
    if (lineCount == 0) {
        return 0;
    }
    // At most kTextCap lines reach here, so the product is far inside 64 bits; the cap keeps it an int.
    const long long lines = static_cast<long long>(std::min<std::size_t>(lineCount, kTextCap));
    const long long maximum = kLineHeightPx * (lines + 1) - clientHeight;
    return static_cast<int>(std::clamp<long long>(maximum, 0, INT_MAX));
}

int ClampToRange(int position, ScrollRange range) {
    if (range.max < range.min) {
        return range.min;
    }
    return std::clamp(position, range.min, range.max);
}

int ScrollTarget(int request, int thumbPosition, ScrollRange range, int position) {
    // Steps are taken in 64 bits so that a position near the ends of int cannot overflow.
    const long long p = position;
    long long target = p;
    switch (request) {
        case kScrollLineUp:
            target = p - kLineHeightPx;
            break;
        case kScrollLineDown:
            target = p + kLineHeightPx;
            break;
        case kScrollPageUp:
            target = p - kPageStepPx;
            break;
        case kScrollPageDown:
            target = p + kPageStepPx;
            break;
        case kScrollThumbPosition:
        case kScrollThumbTrack:
            target = thumbPosition;
            break;
        case kScrollTop:
            target = range.min;
            break;
        case kScrollBottom:
            target = range.max;
            break;
        default:
            break;
    }
    const long long clamped = std::clamp<long long>(target, INT_MIN, INT_MAX);
    return ClampToRange(static_cast<int>(clamped), range);
}

void ScrollTextView::SetText(std::string_view text, int clientWidth, const TextMeasure& measure) {
    columns_.clear();
    lines_ = WrapText(text, clientWidth, measure);
}

void ScrollTextView::SetColumns(const std::vector<std::string>& columns) {
    if (columns_.size() < columns.size()) {
        columns_.resize(columns.size());
    }
    lines_.clear();
    for (std::size_t j = 0; j < columns.size(); ++j) {
        std::vector<std::string>& rows = columns_[j];
        rows.clear();
        for (const std::string_view row : SplitParagraphs(columns[j])) {
            rows.emplace_back(row);
        }
    }
}

void ScrollTextView::Clear() {
    lines_.clear();
    columns_.clear();
}

void ScrollTextView::SetAlignments(const std::uint32_t* values, std::size_t count) {
    if (values == nullptr) {
        count = 0;
    }
    alignments_.assign(values, values + count);
}

std::vector<DrawnText> ScrollTextView::TextsToDraw(int scrollPosition) const {
    std::vector<DrawnText> texts;
    if (InTextMode()) {
        // A position above the first line (never stored by the view itself) still draws from line 0.
        const std::size_t first = scrollPosition > 0 ? static_cast<std::size_t>(scrollPosition / kLineHeightPx) : 0;
        const std::size_t end = std::min(lines_.size(), first + kLinesPerPaint);
        for (std::size_t i = first; i < end; ++i) {
            // A position far above the first line would put the line below the last int; it is drawn there.
            const long long y = std::min<long long>(
                kTextMarginPx + kLineHeightPx * static_cast<long long>(i) - static_cast<long long>(scrollPosition),
                INT_MAX);
            texts.push_back(
                {DrawnPartOf(lines_[i]), FontOfLine(lines_[i]), kTextMarginPx, static_cast<int>(y), kAlignLeftTop});
        }
        return texts;
    }
    const std::size_t drawnColumns = std::min({columns_.size(), alignments_.size(), kColumnOffsetsPx.size()});
    for (std::size_t j = 0; j < drawnColumns; ++j) {
        const std::size_t drawnRows = std::min(columns_[j].size(), kRowOffsetsPx.size());
        for (std::size_t k = 0; k < drawnRows; ++k) {
            texts.push_back({columns_[j][k], TextFont::kNormal, kTextMarginPx + kColumnOffsetsPx[j],
                             kTextMarginPx + kRowOffsetsPx[k], alignments_[j]});
        }
    }
    return texts;
}
