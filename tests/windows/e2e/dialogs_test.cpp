// Where Preferences and About open: centred on the main window, or on the screen while the main window is hidden,
// and inside the work area either way.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/windows/e2e/preferences_driver_win.h"
#include "tests/windows/e2e/session_suite_win.h"

namespace {

using namespace e2e;

constexpr int kAboutCommand = 32789;

class Dialogs : public SessionSuite<Dialogs> {};

struct DialogCase {
    const char* label;
    int command;
    int closeWith;
    enum { Centred, NearTheCorner, MainHidden } mainWindow;
};

TEST_F(Dialogs, OpenCentredOnTheMainWindowInsideTheWorkArea) {
    const DialogCase cases[] = {
        {"Preferences", kPreferencesCommand, IDCANCEL, DialogCase::Centred},
        {"About", kAboutCommand, IDOK, DialogCase::Centred},
        {"Preferences, the main window near the corner", kPreferencesCommand, IDCANCEL, DialogCase::NearTheCorner},
        {"About, the main window hidden", kAboutCommand, IDOK, DialogCase::MainHidden},
    };
    const HWND main = controls_.main;
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.label);
        const bool nearTheCorner = c.mainWindow == DialogCase::NearTheCorner;
        SetWindowPos(main, HWND_TOP, nearTheCorner ? work.right - 200 : 100, nearTheCorner ? work.bottom - 100 : 60, 0,
                     0, SWP_NOSIZE | (c.mainWindow == DialogCase::MainHidden ? SWP_HIDEWINDOW : SWP_SHOWWINDOW));
        PostMessageA(main, WM_COMMAND, MAKEWPARAM(c.command, 0), 0);
        const HWND dialog = WaitForOwnedDialog(main);
        ASSERT_NE(dialog, nullptr);
        RECT placed{};
        GetWindowRect(dialog, &placed);
        RECT over = work;
        if (c.mainWindow != DialogCase::MainHidden) {
            GetWindowRect(main, &over);
        }
        const int width = placed.right - placed.left;
        const int height = placed.bottom - placed.top;
        const int left = std::clamp<int>((over.left + over.right - width) / 2, work.left, work.right - width);
        const int top = std::clamp<int>((over.top + over.bottom - height) / 2, work.top, work.bottom - height);
        EXPECT_NEAR(placed.left, left, 1);
        EXPECT_NEAR(placed.top, top, 1);
        Send(GetDlgItem(dialog, c.closeWith), BM_CLICK);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    }
    SetWindowPos(main, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

}  // namespace
