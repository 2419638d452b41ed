// Notices from the tray: the program started with its clock a minute before a reminder falls due (by
// reminders_clock.sh) shows the balloon, whose text is read back from the tooltip that Wine's tray shows it with, and
// a click on it opens that day.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "tests/windows/e2e/calendar_driver_win.h"

namespace {

using namespace e2e;

// The text of the balloon the tray shows (a visible tooltip with the balloon style), read through memory lent in the
// tray's process; empty while there is none.
std::wstring VisibleBalloon() {
    std::wstring found;
    for (HWND tip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); tip != nullptr && found.empty();
         tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) {
        if (!IsWindowVisible(tip) || (GetWindowLongW(tip, GWL_STYLE) & TTS_BALLOON) == 0) {
            continue;
        }
        DWORD processId = 0;
        GetWindowThreadProcessId(tip, &processId);
        const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (process == nullptr) {
            continue;
        }
        constexpr SIZE_T kChars = 512;
        auto* remote = static_cast<char*>(
            VirtualAllocEx(process, nullptr, 4096 + kChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
        auto* remoteText = reinterpret_cast<wchar_t*>(remote + 4096);
        wchar_t text[kChars] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        WriteProcessMemory(process, remote, &tool, sizeof tool, nullptr);
        if (SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(remote)) != 0) {
            ReadProcessMemory(process, remote, &tool, sizeof tool, nullptr);
            tool.lpszText = remoteText;
            WriteProcessMemory(process, remote, &tool, sizeof tool, nullptr);
            SendMessageW(tip, TTM_GETTEXTW, kChars, reinterpret_cast<LPARAM>(remote));
            ReadProcessMemory(process, remoteText, text, sizeof text - sizeof(wchar_t), nullptr);
            found = text;
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
        CloseHandle(process);
    }
    return found;
}

// New York (ZIP 10001), Friday 16 May 2025, a day of the Omer: candles at 7:49 PM EDT, due 20 minutes before at
// 23:29:43 UT; the Omer's nightfall at 8:54 PM, 86 minutes before which (23:28:53 UT) its notice would fall due first
// were it on. reminders_clock.sh starts the program with these settings and its clock at 23:28:43 UT.
TEST(Reminders, TheCandlesNoticeReachesTheTrayAndTheOmerSwitchedOffStaysSilent) {
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = FindWindowA(kMainClass, "Kestrelon")) != nullptr; }, 20000));
    const HWND hidden = FindWindowA(kHiddenClass, nullptr);
    ASSERT_NE(hidden, nullptr);
    // However the test ends, the program ends with it.
    const std::unique_ptr<void, void (*)(void*)> exit(
        hidden, [](void* window) { PostMessageA(static_cast<HWND>(window), kTrayCommand, 32791, 0); });

    std::wstring balloon;
    EXPECT_TRUE(WaitFor([&] { return !(balloon = VisibleBalloon()).empty(); }, 90000)) << "no balloon";
    EXPECT_EQ(Narrow(balloon.c_str()), "Candle lighting for Shabbat at 7:49 PM (in 20 minutes)");

    // A click on the notice opens its day.
    CalendarControls::Find(main).GoTo(1, 1, 2008);
    Send(hidden, kTrayNotify, 0, NIN_BALLOONUSERCLICK);
    ExpectSelected(CalendarControls::Find(main), 16, 5, 2025);
}

}  // namespace
