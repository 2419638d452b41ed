// What the user sees: the colours of the day grids, the frames and their captions, and screenshots of both tabs.
#include <gtest/gtest.h>

#include "calendar/gregorian.h"
#include "shell/day_grid.h"
#include "tests/windows/e2e/calendar_driver_win.h"

namespace {

using namespace e2e;

COLORREF CellFill(const Image& grid, int day, int firstWeekday) {
    const day_grid::CellPosition cell = day_grid::CellOfDay(day, firstWeekday);
    const day_grid::CellBox box = day_grid::CellBoxOf(cell.column, cell.row);
    return grid.At(box.left + 2, box.top + 2);
}

std::string Rgb(COLORREF c) {
    return std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," + std::to_string(GetBValue(c));
}

int DarkPixels(const Image& image, int left, int top, int right, int bottom) {
    int dark = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const COLORREF c = image.At(x, y);
            dark += (GetRValue(c) + GetGValue(c) + GetBValue(c) < 200) ? 1 : 0;
        }
    }
    return dark;
}

TEST(Pixels, GridsFramesAndTabsLookAsDesigned) {
    AppSession session;
    const HWND main = session.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    const CalendarControls controls = CalendarControls::Find(main);
    ASSERT_TRUE(controls.Complete());
    SetWindowPos(main, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(main);

    // 1 April 2008 selected; 20 April is the first day of Passover (Diaspora, the first run's observance).
    controls.GoTo(1, 4, 2008);
    controls.SelectedCell(controls.gregorianGrid);  // lets every pending paint finish
    const int firstWeekday = FirstWeekdayOfGregorianMonth(4, 2008);
    const Image grid = CaptureClient(controls.gregorianGrid);
    EXPECT_EQ(Rgb(CellFill(grid, 1, firstWeekday)), "0,84,227") << "the selected day";
    EXPECT_EQ(Rgb(CellFill(grid, 20, firstWeekday)), "210,210,210") << "a holiday";
    EXPECT_EQ(Rgb(CellFill(grid, 2, firstWeekday)), "255,255,255") << "a plain day";
    EXPECT_EQ(Rgb(grid.At(2, 2)), "122,150,223") << "the header band";
    EXPECT_EQ(Rgb(grid.At(5, 100)), "255,255,255") << "the margin";
    // The selected day's number is drawn in white on its blue cell.
    const day_grid::CellPosition selected = day_grid::CellOfDay(1, firstWeekday);
    const day_grid::CellBox box = day_grid::CellBoxOf(selected.column, selected.row);
    int white = 0;
    for (int y = box.top + 4; y < box.bottom - 4; ++y) {
        for (int x = box.left + 4; x < box.right - 4; ++x) {
            white += grid.At(x, y) == RGB(255, 255, 255) ? 1 : 0;
        }
    }
    EXPECT_GT(white, 5);

    const Image window = CaptureClient(main);
    EXPECT_EQ(Rgb(window.At(20, 200)), "212,208,200") << "the background";
    EXPECT_EQ(Rgb(window.At(200, 32)), "128,128,128") << "the Common frame's top edge";
    EXPECT_EQ(Rgb(window.At(200, 33)), "255,255,255") << "its etched light line";
    EXPECT_EQ(Rgb(window.At(20, 0)), "128,128,128") << "the etched line under the menu";
    EXPECT_EQ(Rgb(window.At(20, 1)), "255,255,255");
    EXPECT_GT(DarkPixels(window, 42, 26, 100, 40), 20) << "the caption \"Common\"";
    EXPECT_GT(DarkPixels(window, 314, 26, 370, 40), 20) << "the caption \"Hebrew\"";

    EXPECT_TRUE(CaptureWindow(main).SaveBmp(ScreenshotPath("main-holiday-tab.bmp")));
    controls.ShowTab(1);
    controls.SelectedCell(controls.gregorianGrid);
    EXPECT_TRUE(IsWindowVisible(controls.zmanimView));
    EXPECT_TRUE(IsWindowVisible(controls.changeLocation));
    EXPECT_FALSE(IsWindowVisible(controls.holidayView));
    EXPECT_FALSE(IsWindowVisible(controls.holidayList));
    EXPECT_TRUE(CaptureWindow(main).SaveBmp(ScreenshotPath("main-zmanim-tab.bmp")));
}

}  // namespace
