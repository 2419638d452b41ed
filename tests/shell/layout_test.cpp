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

}  // namespace
