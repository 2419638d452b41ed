// Living in the notification area: closing, reopening and ending the program.
#include <gtest/gtest.h>

#include "calendar/clock.h"
#include "tests/windows/e2e/calendar_driver_win.h"

namespace {

using namespace e2e;

int CountMainWindows() {
    int count = 0;
    EnumWindows(
        [](HWND window, LPARAM counter) -> BOOL {
            if (ClassOf(window) == kMainClass) {
                ++*reinterpret_cast<int*>(counter);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(Tray, ClosingLeavesTheIconWhichReopensTodayAndExitEndsTheProgram) {
    AppSession session;
    HWND main = session.WaitForMainWindow();
    ASSERT_NE(main, nullptr);

    // While running, the icon sits in the notification area (it is added right after the main window).
    HWND tray = nullptr;
    EXPECT_TRUE(WaitFor(
        [&] {
            tray = FindWindowA("__winex11_standalone_tray", nullptr);
            return tray != nullptr && FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr) != nullptr;
        },
        5000));
    ASSERT_NE(tray, nullptr);

    {
        SCOPED_TRACE("choosing Show Kestrelon while the window is open makes no second window");
        Send(session.Hidden(), kTrayCommand, 110, 0);
        EXPECT_EQ(CountMainWindows(), 1);
        EXPECT_EQ(session.Main(), main);
    }
    {
        SCOPED_TRACE("closing the main window leaves the program in the tray");
        const CalendarControls before = CalendarControls::Find(main);
        before.GoTo(15, 1, 2008);
        Send(main, WM_CLOSE);
        EXPECT_TRUE(WaitFor([&] { return session.Main() == nullptr; }, 5000));
        EXPECT_EQ(WaitForSingleObject(session.Process(), 500), static_cast<DWORD>(WAIT_TIMEOUT));
        EXPECT_NE(session.Hidden(), nullptr);
        EXPECT_NE(FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr), nullptr);
    }
    {
        SCOPED_TRACE("a double-click on the icon opens the window again with today selected");
        Send(session.Hidden(), kTrayNotify, 0, WM_LBUTTONDBLCLK);
        main = session.WaitForMainWindow(5000);
        ASSERT_NE(main, nullptr);
        const LocalDateTime today = ReadLocalClock();
        ExpectSelected(CalendarControls::Find(main), today.day, today.month, today.year);
    }
    {
        SCOPED_TRACE("other mouse messages and an empty menu choice change nothing");
        Send(session.Hidden(), kTrayNotify, 0, WM_LBUTTONDOWN);
        Send(session.Hidden(), kTrayCommand, 0, 0);
        EXPECT_EQ(CountMainWindows(), 1);
    }
    {
        SCOPED_TRACE("Exit ends the program with exit code 0 and removes the icon");
        EXPECT_EQ(session.Exit(), 0u);
        EXPECT_EQ(FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr), nullptr);
    }
}

TEST(Tray, ExitFromTheFileMenuEndsTheProgram) {
    AppSession session;
    const HWND main = session.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_COMMAND, 32791, 0);
    ASSERT_EQ(WaitForSingleObject(session.Process(), 10000), static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(session.Process(), &code);
    EXPECT_EQ(code, 0u);
}

}  // namespace
