// The arithmetic of a day grid: which cell a day is drawn in, where a cell and its text stand, which day a click
// picks, and how a month travels in the UM_SET_MONTH_VIEW message. Portable and tested natively.
#pragma once

#include <cstdint>

#include "shell/layout.h"

namespace day_grid {

inline constexpr int kColumns = 7;  // Sunday first
inline constexpr int kWeekRows = 6;
inline constexpr char kWeekdayLetters[] = "SMTWTFS";

struct CellBox {
    int left;
    int top;
    int right;   // exclusive
    int bottom;  // exclusive
};

// Column c from 0 (Sunday), row r from 0 (the weekday letters).
constexpr CellBox CellBoxOf(int column, int row) {
    return {layout::kCellPx * column + 11, layout::kCellPx * row, layout::kCellPx * column + 36,
            layout::kCellPx * row + layout::kCellPx};
}

// Text is centred on x; textHeight is the height of "10" in the cell's font.
struct TextAnchor {
    int x;
    int y;
};
constexpr TextAnchor TextAnchorOf(int column, int row, int textHeight) {
    return {layout::kCellPx * column + 24, layout::kCellPx * row + 12 - textHeight / 2};
}

struct CellPosition {
    int column;
    int row;
};
// Day 1 of a month beginning on firstWeekday sits in row 1 at that weekday's column.
constexpr CellPosition CellOfDay(int day, int firstWeekday) {
    const int p = day + firstWeekday - 1;
    return {p % kColumns, p / kColumns + 1};
}

// The day a click at (x, y) picks, or 0. The margin left of Sunday (x 0..11) belongs to the Saturday of the row
// above, as the grid has always done.
constexpr int DayAt(int x, int y, int daysInMonth, int firstWeekday) {
    const int k = (x + 13) / layout::kCellPx;
    const int r = y / layout::kCellPx;
    if (k < 0 || k > 7 || r < 1) {
        return 0;
    }
    const int day = (r - 1) * kColumns + k - firstWeekday;
    if (day < 1 || day > daysInMonth) {
        return 0;
    }
    return day;
}

// One month in UM_SET_MONTH_VIEW: wParam the mark mask, lParam days (bits 0-7), selected day (16-23) and the
// first weekday (24-31).
struct MonthView {
    std::uint32_t marks;
    int daysInMonth;
    int selectedDay;
    int firstWeekday;
};

constexpr std::uint32_t PackMonthView(int daysInMonth, int selectedDay, int firstWeekday) {
    return (static_cast<std::uint32_t>(daysInMonth) & 0xFFu) |
           ((static_cast<std::uint32_t>(selectedDay) & 0xFFu) << 16) |
           ((static_cast<std::uint32_t>(firstWeekday) & 0xFFu) << 24);
}

// A month never has more than 31 days, whatever the message says: the mark mask has no bit for a 32nd.
inline constexpr int kMaxDaysInMonth = 31;

constexpr MonthView UnpackMonthView(std::uint32_t marks, std::uint32_t packed) {
    const int days = static_cast<int>(packed & 0xFFu);
    return {marks, days < kMaxDaysInMonth ? days : kMaxDaysInMonth, static_cast<int>((packed >> 16) & 0xFFu),
            static_cast<int>((packed >> 24) & 0xFFu)};
}

}  // namespace day_grid
