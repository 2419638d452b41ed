#include "shell/layout.h"

#include <gtest/gtest.h>

namespace {

// The rectangles the main window's controls must have, as a user measures them on the screen.
TEST(Layout, ControlsStandWhereTheWindowShowsThem) {
    const struct {
        const char* label;
        LayoutRect actual;
        LayoutRect expected;
    } cases[] = {
        {"tab control", layout::kTabControl, {34, 294, 508, 160}},
        {"Change Location button", layout::kChangeLocationButton, {320, 19, 100, 25}},
        {"Holiday List", layout::kHolidayList, {325, 45, 160, 500}},
        {"Holidays label", layout::kHolidaysLabel, {325, 19, 60, 15}},
        {"text views", layout::kTextView, {10, 19, 300, 100}},
        {"Gregorian grid", layout::kGregorianGrid, {51, 73, 204, 189}},
        {"Gregorian Month", layout::kGregorianMonthBox, {51, 49, 90, 200}},
        {"Gregorian Year", layout::kGregorianYearField, {181, 49, 40, 21}},
        {"Gregorian spinner", layout::kGregorianSpinner, {223, 49, 40, 21}},
        {"Hebrew grid", layout::kHebrewGrid, {323, 73, 204, 189}},
        {"Hebrew month boxes", layout::kHebrewMonthBox, {323, 49, 90, 200}},
        {"Hebrew Year", layout::kHebrewYearField, {455, 49, 40, 21}},
        {"Hebrew spinner", layout::kHebrewSpinner, {497, 49, 40, 21}},
        {"Common frame", layout::kGregorianFrame, {34, 32, 236, 247}},
        {"Hebrew frame", layout::kHebrewFrame, {306, 32, 236, 247}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.actual.x, c.expected.x);
        EXPECT_EQ(c.actual.y, c.expected.y);
        EXPECT_EQ(c.actual.width, c.expected.width);
        EXPECT_EQ(c.actual.height, c.expected.height);
    }
}

TEST(Layout, WindowAndGridDrawingSizes) {
    EXPECT_EQ(layout::kMainWindowWidth, 584);
    EXPECT_EQ(layout::kMainWindowHeight, 529);
    EXPECT_EQ(layout::kGridDrawingWidth, 202);
    EXPECT_EQ(layout::kGridDrawingHeight, 187);
    // The grids' client areas, inside the 2-pixel edge.
    EXPECT_EQ(layout::kGregorianGridClientLeft, 53);
    EXPECT_EQ(layout::kGridClientTop, 75);
    EXPECT_EQ(layout::kTabSurfaceMinHeight, 119);
}

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
