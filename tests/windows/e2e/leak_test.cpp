// The program's GDI objects over many refreshes: a window that repaints every second must not leak a handle.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "calendar/month_names.h"
#include "tests/windows/e2e/calendar_driver_win.h"
#include "tests/windows/support/gdi_count_win.h"

namespace {

using namespace e2e;

constexpr int kWarmUpRefreshes = 100;
constexpr int kCountedRefreshes = 1000;
constexpr int kRefreshesPerMonth = 25;
constexpr int kRefreshesPerYear = 100;

// Sends every window of the program that has something to paint WM_PAINT, and returns when all have painted.
void RepaintEverything(HWND main) {
    RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Refreshes and repaints everything `count` times; every few refreshes the month moves on, and now and then the
// year, so the grids, the mark caches and the visible Hebrew month box change too.
void RefreshRepeatedly(const CalendarControls& controls, int count, int& step) {
    for (int i = 0; i < count; ++i, ++step) {
        if (step % kRefreshesPerYear == 0) {
            controls.SpinTo(controls.gregorianSpinner, 2001 + (step / kRefreshesPerYear) % 20);
        }
        if (step % kRefreshesPerMonth == 0) {
            ChooseComboEntry(controls.gregorianMonth, GregorianMonthName(1 + (step / kRefreshesPerMonth) % 12));
        }
        Send(controls.main, kRefresh);
        RepaintEverything(controls.main);
    }
}

// The live objects while the program is idle. The one-second timer may be painting while the table is read, with a
// memory DC and bitmap alive for that moment, so the least of a few readings is taken; a leaked object stays in
// every reading.
std::optional<std::size_t> IdleObjectCount(HANDLE process, HWND main) {
    std::optional<std::size_t> least;
    for (int reading = 0; reading < 5; ++reading) {
        Send(main, WM_NULL);
        const std::optional<std::size_t> count = CountLiveGdiObjects(process);
        if (!count) {
            return std::nullopt;
        }
        least = least ? std::min(*least, *count) : *count;
        Sleep(20);
    }
    return least;
}

TEST(Leaks, GdiObjectsDoNotGrowOverAThousandRefreshesOfTheZmanimTab) {
    AppSession session;
    const HWND main = session.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    const CalendarControls controls = CalendarControls::Find(main);
    ASSERT_TRUE(controls.Complete());
    controls.ShowTab(1);
    ASSERT_TRUE(IsWindowVisible(controls.zmanimView));

    // The first paints realise fonts and fill Wine's caches of device contexts; that happens once.
    int step = 0;
    RefreshRepeatedly(controls, kWarmUpRefreshes, step);
    const std::optional<std::size_t> before = IdleObjectCount(session.Process(), main);
    ASSERT_TRUE(before.has_value()) << "the program's GDI handle table cannot be read";
    ASSERT_GT(*before, 0u);

    RefreshRepeatedly(controls, kCountedRefreshes, step);
    const std::optional<std::size_t> after = IdleObjectCount(session.Process(), main);
    ASSERT_TRUE(after.has_value());
    EXPECT_LE(*after, *before) << "live GDI objects grew from " << *before << " to " << *after << " over "
                               << kCountedRefreshes << " refreshes";
    EXPECT_EQ(session.Exit(), 0u);
}

}  // namespace
