// Drives a running Kestrelon from another process, as the end-to-end tests do, for the refresh timing and the
// idle measurement.
//
//   drive_kestrelon refresh-time PROGRAM ROUNDS   start it, time ROUNDS month changes on every tab, end it
//   drive_kestrelon show-zmanim PROGRAM           start it, show the Zmanim tab and leave it running
//   drive_kestrelon exit                          end the running Kestrelon through its tray command
//   drive_kestrelon close-window CLASS            close the top-level window of this class and wait until it goes
//
// A month change is timed as the round trip of the month box's CBN_SELCHANGE, which the main window answers by
// moving the cursor to a new month and refreshing (so the month mark caches are cold). A synchronous repaint of
// every window follows, outside the timing, and then an empty round trip (WM_NULL), whose time is the cost of the
// message passing alone.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "resource.h"
#include "shell/layout.h"
#include "shell/messages.h"
#include "tools/perf/probe_win.h"

namespace {

constexpr char kMainClass[] = "KESTRELON";
constexpr char kHiddenClass[] = "Puppeteer Window Class";
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr int kZmanimTab = 1;
// The tabs in their order; refresh-time times each of them.
constexpr const char* kTabNames[] = {"Holiday", "Zmanim", "Week"};

struct Controls {
    HWND main = nullptr;
    HWND tab = nullptr;
    HWND gregorianMonth = nullptr;
};

HWND DirectChildAt(HWND parent, const char* className, int left, int top) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
        char name[64] = {};
        GetClassNameA(child, name, sizeof name);
        if (rect.left == left && rect.top == top && lstrcmpiA(name, className) == 0) {
            return child;
        }
    }
    return nullptr;
}

// Starts the program and waits until its main window is visible with its last child made and answers messages.
bool StartKestrelon(const std::string& program, PROCESS_INFORMATION& process, Controls& controls) {
    if (!probe::Start(program, process)) {
        std::fprintf(stderr, "cannot start %s: error %lu\n", program.c_str(), GetLastError());
        return false;
    }
    const double start = probe::NowMs();
    while (true) {
        controls.main = probe::FindVisibleTopLevel(kMainClass, process.dwProcessId);
        if (controls.main != nullptr &&
            probe::FindDescendant(controls.main, "msctls_updown32", IDC_HEBREW_SPINNER) != nullptr) {
            break;
        }
        if (probe::NowMs() - start > kStartTimeoutMs || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
            std::fprintf(stderr, "the main window did not appear\n");
            return false;
        }
        Sleep(20);
    }
    probe::SendWithin(controls.main, WM_NULL, 0, 0);
    controls.tab = probe::FindDescendant(controls.main, WC_TABCONTROLA, IDC_TAB);
    controls.gregorianMonth =
        DirectChildAt(controls.main, "ComboBox", layout::kGregorianMonthBox.x, layout::kGregorianMonthBox.y);
    if (controls.tab == nullptr || controls.gregorianMonth == nullptr) {
        std::fprintf(stderr, "the tab control or the month box is missing\n");
        return false;
    }
    return true;
}

bool ShowTab(const Controls& controls, int tab) {
    // Moving the focus of a tab control without buttons selects the tab and notifies the parent.
    DWORD_PTR current = 0;
    return probe::SendWithin(controls.tab, TCM_SETCURFOCUS, static_cast<WPARAM>(tab), 0) &&
           probe::SendWithin(controls.tab, TCM_GETCURSEL, 0, 0, &current) && static_cast<int>(current) == tab;
}

void RepaintEverything(HWND main) {
    // Sends WM_PAINT to every window of the program with something to paint and returns when all have painted.
    RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

struct Timings {
    std::vector<double> monthChange;
    std::vector<double> empty;
    std::vector<double> repaint;
    std::vector<double> warmRefresh;
};

bool TimeRounds(const Controls& controls, int rounds, Timings& timings) {
    DWORD_PTR index = 0;
    probe::SendWithin(controls.gregorianMonth, CB_GETCURSEL, 0, 0, &index);
    const WPARAM selectionChanged = MAKEWPARAM(GetDlgCtrlID(controls.gregorianMonth), CBN_SELCHANGE);
    for (int round = 0; round < rounds; ++round) {
        index = (index + 1) % 12;
        if (!probe::SendWithin(controls.gregorianMonth, CB_SETCURSEL, index, 0)) {
            return false;
        }
        const double t0 = probe::NowMs();
        probe::SendWithin(controls.main, WM_COMMAND, selectionChanged,
                          reinterpret_cast<LPARAM>(controls.gregorianMonth));
        const double t1 = probe::NowMs();
        RepaintEverything(controls.main);
        const double t2 = probe::NowMs();
        probe::SendWithin(controls.main, WM_NULL, 0, 0);
        const double t3 = probe::NowMs();
        // The same month again: the caches now hold it.
        probe::SendWithin(controls.main, UM_REFRESH, 0, 0);
        const double t4 = probe::NowMs();
        RepaintEverything(controls.main);
        timings.monthChange.push_back(t1 - t0);
        timings.repaint.push_back(t2 - t1);
        timings.empty.push_back(t3 - t2);
        timings.warmRefresh.push_back(t4 - t3);
    }
    return true;
}

void Report(const char* tabName, const Timings& t) {
    const double change = probe::Median(t.monthChange);
    const double empty = probe::Median(t.empty);
    std::printf("tab %s rounds %zu month-change %.3f empty %.3f refresh-cold %.3f refresh-warm %.3f repaint %.3f\n",
                tabName, t.monthChange.size(), change, empty, change - empty, probe::Median(t.warmRefresh) - empty,
                probe::Median(t.repaint));
}

void EndKestrelon(PROCESS_INFORMATION& process) {
    if (const HWND hidden = probe::FindTopLevel(kHiddenClass, process.dwProcessId)) {
        PostMessageA(hidden, UM_TRAY_COMMAND, CMD_EXIT, 0);
    }
    probe::Finish(process, kExitTimeoutMs);
}

int RefreshTime(const std::string& program, int rounds) {
    PROCESS_INFORMATION process{};
    Controls controls;
    if (!StartKestrelon(program, process, controls)) {
        probe::Finish(process, 0);
        return 1;
    }
    DWORD_PTR tabCount = 0;
    bool ok = probe::SendWithin(controls.tab, TCM_GETITEMCOUNT, 0, 0, &tabCount) &&
              tabCount == sizeof kTabNames / sizeof kTabNames[0];
    if (!ok) {
        std::fprintf(stderr, "the program has %d tabs, not %d\n", static_cast<int>(tabCount),
                     static_cast<int>(sizeof kTabNames / sizeof kTabNames[0]));
    }
    for (int tab = 0; ok && tab < static_cast<int>(tabCount); ++tab) {
        Timings warmUp;
        Timings timings;
        ok = ShowTab(controls, tab) && TimeRounds(controls, 12, warmUp) && TimeRounds(controls, rounds, timings);
        if (ok) {
            Report(kTabNames[tab], timings);
        }
    }
    EndKestrelon(process);
    if (!ok) {
        std::fprintf(stderr, "the program stopped answering\n");
    }
    return ok ? 0 : 1;
}

int ShowZmanim(const std::string& program) {
    PROCESS_INFORMATION process{};
    Controls controls;
    if (!StartKestrelon(program, process, controls) || !ShowTab(controls, kZmanimTab)) {
        EndKestrelon(process);
        return 1;
    }
    RepaintEverything(controls.main);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf("Kestrelon shows the Zmanim tab\n");
    return 0;
}

// Posts a message to the top-level window of this class and waits until the window is gone.
int PostAndWaitForEnd(const char* className, UINT message, WPARAM wParam) {
    const HWND window = FindWindowA(className, nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "no window of class %s\n", className);
        return 1;
    }
    PostMessageA(window, message, wParam, 0);
    const double start = probe::NowMs();
    while (IsWindow(window)) {
        if (probe::NowMs() - start > kExitTimeoutMs) {
            std::fprintf(stderr, "the window of class %s is still there\n", className);
            return 1;
        }
        Sleep(20);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "refresh-time") == 0 && std::atoi(argv[3]) > 0) {
        return RefreshTime(argv[2], std::atoi(argv[3]));
    }
    if (argc == 3 && std::strcmp(argv[1], "show-zmanim") == 0) {
        return ShowZmanim(argv[2]);
    }
    if (argc == 2 && std::strcmp(argv[1], "exit") == 0) {
        return PostAndWaitForEnd(kHiddenClass, UM_TRAY_COMMAND, CMD_EXIT);
    }
    if (argc == 3 && std::strcmp(argv[1], "close-window") == 0) {
        return PostAndWaitForEnd(argv[2], WM_CLOSE, 0);
    }
    std::fprintf(stderr,
                 "usage: drive_kestrelon refresh-time PROGRAM ROUNDS | drive_kestrelon show-zmanim PROGRAM | "
                 "drive_kestrelon exit | drive_kestrelon close-window CLASS\n");
    return 2;
}
