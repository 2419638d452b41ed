#include "tools/perf/probe_win.h"

#include <algorithm>

namespace probe {

double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

double Median(std::vector<double> samples) {
    if (samples.empty()) {
        return 0.0;
    }
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 == 1 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2.0;
}

namespace {

struct TopLevelSearch {
    const char* className;
    DWORD process;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<TopLevelSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[128] = {};
    if (owner != search.process || GetClassNameA(window, name, sizeof name) == 0 ||
        lstrcmpiA(name, search.className) != 0) {
        return TRUE;
    }
    if (search.visibleOnly && !IsWindowVisible(window)) {
        return TRUE;
    }
    search.found = window;
    return FALSE;
}

HWND SearchTopLevel(const char* className, DWORD process, bool visibleOnly) {
    TopLevelSearch search{className, process, visibleOnly, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct ChildSearch {
    const char* className;
    int id;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<ChildSearch*>(lParam);
    char name[128] = {};
    if (GetDlgCtrlID(window) == search.id && GetClassNameA(window, name, sizeof name) != 0 &&
        lstrcmpiA(name, search.className) == 0) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindVisibleTopLevel(const char* className, DWORD process) {
    return SearchTopLevel(className, process, true);
}

HWND FindTopLevel(const char* className, DWORD process) {
    return SearchTopLevel(className, process, false);
}

HWND FindDescendant(HWND parent, const char* className, int id) {
    ChildSearch search{className, id, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000,
                               result != nullptr ? result : &ignored) != 0;
}

bool Start(const std::string& program, PROCESS_INFORMATION& process) {
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    process = {};
    return CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process) !=
           0;
}

void Finish(PROCESS_INFORMATION& process, DWORD timeoutMs) {
    if (process.hProcess == nullptr) {
        return;
    }
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_TIMEOUT) {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    process = {};
}

}  // namespace probe
