#include "shell/day_grid.h"

#include <gtest/gtest.h>

namespace {

using day_grid::CellOfDay;
using day_grid::DayAt;

TEST(DayGrid, DaysFillTheWeekRowsFromTheFirstWeekday) {
    const struct {
        const char* label;
        int day, firstWeekday;
        int column, row;
    } cases[] = {
        {"first day on a Sunday", 1, 0, 0, 1},
        {"first day on a Saturday", 1, 6, 6, 1},
        {"31st of a month starting Friday is a Sunday of row 6", 31, 5, 0, 6},
        {"28th of a month starting Sunday ends row 4", 28, 0, 6, 4},
        {"8th of a month starting Sunday begins row 2", 8, 0, 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(CellOfDay(c.day, c.firstWeekday).column, c.column);
        EXPECT_EQ(CellOfDay(c.day, c.firstWeekday).row, c.row);
    }
}

TEST(DayGrid, CellBoxesAndTextAnchors) {
    const day_grid::CellBox sunday = day_grid::CellBoxOf(0, 1);
    EXPECT_EQ(sunday.left, 11);
    EXPECT_EQ(sunday.top, 25);
    EXPECT_EQ(sunday.right, 36);
    EXPECT_EQ(sunday.bottom, 50);
    const day_grid::CellBox saturday = day_grid::CellBoxOf(6, 6);
    EXPECT_EQ(saturday.left, 161);
    EXPECT_EQ(saturday.right, 186);
    EXPECT_EQ(saturday.bottom, 175);
    const day_grid::TextAnchor anchor = day_grid::TextAnchorOf(3, 2, 15);
    EXPECT_EQ(anchor.x, 99);
    EXPECT_EQ(anchor.y, 50 + 12 - 7);
}

// A click picks the day drawn under it, in every cell of every month shape.
TEST(DayGrid, ClickInAnyDrawnCellPicksItsDay) {
    for (int first = 0; first < 7; ++first) {
        for (int days = 28; days <= 31; ++days) {
            for (int day = 1; day <= days; ++day) {
                const day_grid::CellPosition cell = CellOfDay(day, first);
                const day_grid::CellBox box = day_grid::CellBoxOf(cell.column, cell.row);
                // The cell's centre and its corners, whose hit column the 13-pixel offset decides.
                EXPECT_EQ(DayAt(box.left + 12, box.top + 12, days, first), day);
                EXPECT_EQ(DayAt(box.left + 1, box.top, days, first), day) << day << " first " << first;
                EXPECT_EQ(DayAt(box.right - 1, box.bottom - 1, days, first), day);
            }
        }
    }
}

TEST(DayGrid, ClicksOutsideTheDaysPickNothing) {
    const struct {
        const char* label;
        int x, y, days, first;
        int expected;
    } cases[] = {
        {"header row", 100, 10, 31, 0, 0},
        {"empty cell after the last day", 40, 5 * 25 + 5, 28, 0, 0},
        {"empty cell before day 1", 20, 30, 31, 3, 0},
        {"right of the Saturday column", 190, 60, 31, 0, 0},
        {"left margin of row 5 picks the 28th", 5, 5 * 25 + 5, 28, 0, 28},
        {"left margin of row 2 picks the Saturday of row 1", 5, 2 * 25 + 5, 30, 0, 7},
        {"left margin of row 1 has no day above", 5, 30, 30, 0, 0},
        {"month not yet set", 50, 50, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(DayAt(c.x, c.y, c.days, c.first), c.expected);
    }
}

TEST(DayGrid, MonthViewTravelsInOneMessage) {
    const std::uint32_t packed = day_grid::PackMonthView(31, 15, 6);
    EXPECT_EQ(packed, 31u | (15u << 16) | (6u << 24));
    const day_grid::MonthView view = day_grid::UnpackMonthView(0x80000002u, packed);
    EXPECT_EQ(view.marks, 0x80000002u);
    EXPECT_EQ(view.daysInMonth, 31);
    EXPECT_EQ(view.selectedDay, 15);
    EXPECT_EQ(view.firstWeekday, 6);
    // A month longer than 31 days cannot be drawn or marked.
    EXPECT_EQ(day_grid::UnpackMonthView(0, day_grid::PackMonthView(200, 1, 0)).daysInMonth, 31);
}

}  // namespace
