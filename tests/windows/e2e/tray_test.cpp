// Living in the notification area: closing, reopening and ending the program.
#include <gtest/gtest.h>

#include <memory>

#include "calendar/clock.h"
#include "tests/windows/e2e/calendar_driver_win.h"
#include "tests/windows/e2e/preferences_driver_win.h"

namespace {

using namespace e2e;

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
        EXPECT_EQ(CountWindows(kMainClass), 1);
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
        EXPECT_EQ(CountWindows(kMainClass), 1);
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

// Whether a stands above b among the top-level windows.
bool IsAbove(HWND a, HWND b) {
    for (HWND window = GetTopWindow(nullptr); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
        if (window == a || window == b) {
            return window == a;
        }
    }
    return false;
}

// A second start, as from the Start menu, while the program runs: the running copy shows its main window (or the
// dialog open over it), and the second copy ends with 0 before it shows anything. After it one program is left,
// with one icon and one window.
struct SecondStartCase {
    const char* label;
    enum { MainWindowOpen, OnlyTheIcon, DuringTheSplash, PreferencesOpen } when;
};

TEST(Tray, SecondStartShowsTheRunningCopyAndEnds) {
    const SecondStartCase cases[] = {
        {"the main window open, another window in front", SecondStartCase::MainWindowOpen},
        {"the main window closed, only the icon left", SecondStartCase::OnlyTheIcon},
        {"while the running copy shows its splash", SecondStartCase::DuringTheSplash},
        {"Preferences open over the main window, another window in front", SecondStartCase::PreferencesOpen},
    };
    for (const SecondStartCase& c : cases) {
        SCOPED_TRACE(c.label);
        const int iconsBefore = CountTrayIcons();
        AppSession session;
        if (c.when == SecondStartCase::DuringTheSplash) {
            ASSERT_TRUE(WaitFor([] { return FindWindowA("Splash Window Class", nullptr) != nullptr; }, 10000));
            EXPECT_EQ(AppSession(AppSession::AnotherCopy{}).WaitForExit(20000), 0u);
        }
        HWND main = session.WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitFor([&] { return CountTrayIcons() == iconsBefore + 1; }, 5000));
        if (c.when == SecondStartCase::MainWindowOpen) {
            const HWND front = CreateWindowExA(0, "Static", "in front", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                               nullptr, nullptr, nullptr);
            SetForegroundWindow(front);
            ASSERT_EQ(GetForegroundWindow(), front);
            EXPECT_EQ(AppSession(AppSession::AnotherCopy{}).WaitForExit(10000), 0u);
            EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == main; }, 5000)) << "the window stayed behind";
            EXPECT_EQ(session.Main(), main);
            DestroyWindow(front);
        } else if (c.when == SecondStartCase::OnlyTheIcon) {
            CalendarControls::Find(main).GoTo(15, 1, 2008);
            Send(main, WM_CLOSE);
            ASSERT_TRUE(WaitFor([&] { return session.Main() == nullptr; }, 5000));
            EXPECT_EQ(AppSession(AppSession::AnotherCopy{}).WaitForExit(10000), 0u);
            main = session.WaitForMainWindow(5000);
            ASSERT_NE(main, nullptr);
            const LocalDateTime today = ReadLocalClock();
            ExpectSelected(CalendarControls::Find(main), today.day, today.month, today.year);
        } else if (c.when == SecondStartCase::PreferencesOpen) {
            PostMessageA(main, WM_COMMAND, MAKEWPARAM(kPreferencesCommand, 0), 0);
            const HWND dialog = WaitForOwnedDialog(main);
            ASSERT_NE(dialog, nullptr);
            const HWND front = CreateWindowExA(0, "Static", "in front", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                               nullptr, nullptr, nullptr);
            SetForegroundWindow(front);
            EXPECT_EQ(AppSession(AppSession::AnotherCopy{}).WaitForExit(10000), 0u);
            EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == dialog; }, 5000))
                << "the dialog is not in front: " << ClassOf(GetForegroundWindow());
            EXPECT_TRUE(IsAbove(dialog, main)) << "the disabled main window covers its dialog";
            DestroyWindow(front);
            Send(GetDlgItem(dialog, IDCANCEL), BM_CLICK);
            EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
        }
        EXPECT_EQ(CountWindows(kMainClass), 1);
        EXPECT_EQ(CountWindows(kHiddenClass), 1);
        EXPECT_EQ(CountWindows("Splash Window Class"), 0);
        EXPECT_EQ(CountTrayIcons(), iconsBefore + 1);
        EXPECT_EQ(session.Exit(), 0u);
    }
}

// The hand-over as the second copy does it, against a stand-in for the running copy: the test holds the mutex and
// makes the hidden window only after a while, as a copy still starting does.
TEST(Tray, SecondStartWaitsForTheRunningCopysHiddenWindow) {
    const std::unique_ptr<void, decltype(&CloseHandle)> mutex(CreateMutexA(nullptr, FALSE, kRunningCopyMutex),
                                                              &CloseHandle);
    ASSERT_NE(mutex, nullptr);
    ASSERT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << "a Kestrelon is running";
    {
        SCOPED_TRACE("no hidden window appears: the copy gives up after its wait and ends with 0");
        const DWORD start = GetTickCount();
        EXPECT_EQ(AppSession(AppSession::AnotherCopy{}).WaitForExit(30000), 0u);
        EXPECT_GE(GetTickCount() - start, 5000u) << "it did not wait";
    }
    {
        SCOPED_TRACE("the hidden window appears late: the copy posts it the tray's Open and ends with 0");
        const WNDCLASSA windowClass{0,       DefWindowProcA, 0,       0,       GetModuleHandleA(nullptr),
                                    nullptr, nullptr,        nullptr, nullptr, kHiddenClass};
        ASSERT_NE(RegisterClassA(&windowClass), 0);
        const AppSession copy(AppSession::AnotherCopy{});
        EXPECT_EQ(copy.WaitForExit(1500), STILL_ACTIVE) << "it did not wait";
        const HWND standIn = CreateWindowExA(0, kHiddenClass, "stand-in", 0, 0, 0, 0, 0, nullptr, nullptr,
                                             GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(standIn, nullptr);
        MSG request{};
        EXPECT_TRUE(
            WaitFor([&] { return PeekMessageA(&request, standIn, kTrayCommand, kTrayCommand, PM_REMOVE); }, 15000));
        EXPECT_EQ(request.wParam, 110u) << "not the tray's Open";
        EXPECT_EQ(copy.WaitForExit(5000), 0u);
        DestroyWindow(standIn);
        UnregisterClassA(kHiddenClass, GetModuleHandleA(nullptr));
    }
}

// A start in the moment the running copy ends still ends with a running copy. The test stands in for the ending
// copy: it holds the mutex, with or without a hidden window, and lets go.
struct EndingCopyCase {
    const char* label;
    bool requestGoesWithTheWindow;
};

TEST(Tray, StartWhileTheRunningCopyEndsLeavesARunningCopy) {
    const EndingCopyCase cases[] = {
        // The waiting start holds no handle on the mutex, so the mutex goes with the old copy's, and whichever of the
        // two starts finds it free runs; the other hands over to it. A copy that waited still answers messages once
        // up (a thread silent for five seconds counts as hung).
        {"hidden window gone, mutex let go two seconds later, then one more start", false},
        // The request went into the queue of a window on its way out: the start sees the window go and runs.
        {"the request posted to a hidden window that goes without reading it", true},
    };
    const WNDCLASSA windowClass{0,       DefWindowProcA, 0,       0,       GetModuleHandleA(nullptr),
                                nullptr, nullptr,        nullptr, nullptr, kHiddenClass};
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    for (const EndingCopyCase& c : cases) {
        SCOPED_TRACE(c.label);
        ResetSettings();
        const HANDLE mutex = CreateMutexA(nullptr, FALSE, kRunningCopyMutex);
        ASSERT_NE(mutex, nullptr);
        ASSERT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << "a Kestrelon is running";
        const HWND standIn = c.requestGoesWithTheWindow
                                 ? CreateWindowExA(0, kHiddenClass, "stand-in", 0, 0, 0, 0, 0, nullptr, nullptr,
                                                   GetModuleHandleA(nullptr), nullptr)
                                 : nullptr;
        AppSession waiting(AppSession::AnotherCopy{});
        std::unique_ptr<AppSession> next;
        if (c.requestGoesWithTheWindow) {
            MSG request{};
            EXPECT_TRUE(
                WaitFor([&] { return PeekMessageA(&request, standIn, kTrayCommand, kTrayCommand, PM_REMOVE); }, 15000));
            DestroyWindow(standIn);
            CloseHandle(mutex);
        } else {
            EXPECT_EQ(waiting.WaitForExit(2000), STILL_ACTIVE) << "it did not wait";
            CloseHandle(mutex);
            next = std::make_unique<AppSession>(AppSession::AnotherCopy{});
        }

        const HWND main = waiting.WaitForMainWindow(15000);
        ASSERT_NE(main, nullptr) << "no copy runs";
        DWORD owner = 0;
        GetWindowThreadProcessId(main, &owner);
        const AppSession& running = next != nullptr && owner == next->ProcessId() ? *next : waiting;
        EXPECT_EQ(owner, running.ProcessId());
        if (next != nullptr) {
            const AppSession& other = &running == &waiting ? *next : waiting;
            EXPECT_EQ(other.WaitForExit(15000), 0u) << "the other start did not hand over";
        }
        EXPECT_EQ(running.WaitForExit(0), STILL_ACTIVE);
        EXPECT_EQ(CountWindows(kMainClass), 1);
        EXPECT_EQ(CountWindows(kHiddenClass), 1);
    }
    UnregisterClassA(kHiddenClass, GetModuleHandleA(nullptr));
}

}  // namespace
