#include "shell/layout.h"

#include <gtest/gtest.h>

namespace {

// Moving a base value moves its neighbours: the frames always enclose their month box and grid with 17 pixels to
// spare at the left and top, and the tab control spans both frames.
TEST(Layout, FramesEncloseTheirCalendars) {
    for (const auto& [frame, box, grid] :
         {std::tuple{layout::kGregorianFrame, layout::kGregorianMonthBox, layout::kGregorianGrid},
          std::tuple{layout::kHebrewFrame, layout::kHebrewMonthBox, layout::kHebrewGrid}}) {
        EXPECT_EQ(box.x - frame.x, 17);
        EXPECT_EQ(box.y - frame.y, 17);
        EXPECT_LT(grid.Right(), frame.Right());
        EXPECT_LT(grid.Bottom(), frame.Bottom());
    }
    EXPECT_EQ(layout::kTabControl.Right(), layout::kHebrewFrame.Right());
    EXPECT_LT(layout::kTabControl.Bottom(), layout::kMainWindowHeight);
}

// Dialogs open centred on the main window, moved only as far as needed to stand inside the work area.
TEST(Layout, CentredWithinStaysInsideTheArea) {
    const LayoutRect area = {0, 0, 1280, 1000};
    const struct {
        const char* label;
        LayoutRect over;
        int x;
        int y;
    } cases[] = {
        {"room on every side", {100, 100, 600, 500}, 250, 250},
        {"past the right and bottom edges", {1100, 900, 300, 200}, 980, 800},
        {"past the left and top edges", {-200, -150, 300, 200}, 0, 0},
        {"the area itself", area, 490, 400},
    };
    for (const auto& c : cases) {
        const LayoutRect placed = layout::CentredWithin(300, 200, c.over, area);
        EXPECT_EQ(placed.x, c.x) << c.label;
        EXPECT_EQ(placed.y, c.y) << c.label;
    }
    // A window larger than the area keeps its top-left corner inside it, where the title bar is.
    const LayoutRect large = layout::CentredWithin(1400, 1100, {900, 800, 600, 500}, area);
    EXPECT_EQ(large.x, 0);
    EXPECT_EQ(large.y, 0);
}

}  // namespace
