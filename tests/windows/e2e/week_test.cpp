// The third tab, "Week": it shows the selected day's week, keeps its scroll position while its clock runs, and
// "Copy Week" puts its text on the clipboard.
#include <gtest/gtest.h>

#include <string>

#include "app/week_page.h"
#include "location/place_rules.h"
#include "tests/windows/e2e/preferences_driver_win.h"
#include "tests/windows/e2e/session_suite_win.h"

namespace {

using namespace e2e;

constexpr int kWeekTab = 2;
constexpr int kWeekViewId = 33;
constexpr int kCopyWeekCommand = 32808;

class Week : public SessionSuite<Week> {};

// The text without its second line, the running clock.
std::string WithoutClockLine(const std::string& text) {
    const std::size_t first = text.find('\n');
    const std::size_t second = first == std::string::npos ? first : text.find('\n', first + 1);
    return second == std::string::npos ? text : text.substr(0, first + 1) + text.substr(second + 1);
}

int DarkPixels(const Image& image) {
    int dark = 0;
    for (const COLORREF c : image.pixels) {
        dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200 ? 1 : 0;
    }
    return dark;
}

TEST_F(Week, ShowsTheWeekKeepsItsScrollAndCopiesWhatItShows) {
    PreferencesDialog dialog = PreferencesDialog::OpenFromMenu(controls_.main);
    ASSERT_TRUE(dialog.IsOpen());
    dialog.TypeZip("10001");
    dialog.Click(kLookUpZip);
    dialog.Ok();
    controls_.GoTo(1, 6, 2024);  // Shabbat Mevarchim of Sivan, in the Omer
    SetWindowPos(controls_.main, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(controls_.main);

    const HWND view = FindChild(controls_.main, "Scroll Text View Window Class", kWeekViewId);
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(IsWindowVisible(view));
    controls_.ShowTab(kWeekTab);
    controls_.Settle();
    EXPECT_TRUE(IsWindowVisible(view));
    EXPECT_FALSE(IsWindowVisible(controls_.holidayView));
    EXPECT_FALSE(IsWindowVisible(controls_.zmanimView));
    EXPECT_GT(DarkPixels(CaptureClient(view)), 200) << "the page's text is drawn";
    EXPECT_TRUE(CaptureWindow(controls_.main).SaveBmp(ScreenshotPath("main-week-tab.bmp")));

    // A page down leaves the running clock out of sight; the clock's ticks then must not scroll the page back.
    Send(view, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0));
    controls_.Settle();
    const Image scrolled = CaptureClient(view);
    Sleep(2500);
    controls_.Settle();
    const Image later = CaptureClient(view);
    EXPECT_TRUE(later.pixels == scrolled.pixels) << "the page moved while the clock ran";

    Location newYork;
    ASSERT_TRUE(ChooseCity(10001, newYork));
    const PageClock clock{"", {2026, 1, 1, 0, 0, 0}, HostUtcToLocal};
    std::string expected;
    for (const char c : WeekPageTextOf(GregorianToDayNumber(1, 6, 2024), newYork, {18, std::nullopt}, clock, false)) {
        expected += c == '\n' ? "\r\n" : std::string(1, c);
    }
    const std::string copied = CopyWithCommand(controls_.main, kCopyWeekCommand).text;
    EXPECT_EQ(copied.rfind("New York, NY  10001 (Diaspora)\r\n", 0), 0u) << copied;
    EXPECT_NE(copied.find("\r\nMolad: Friday, June 7, 2024, 12:25 AM and 9 chalakim\r\n"), std::string::npos);
    EXPECT_EQ(WithoutClockLine(copied), WithoutClockLine(expected));
}

}  // namespace
