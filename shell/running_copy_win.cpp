#include "shell/running_copy_win.h"

#include "resource.h"
#include "shell/messages.h"
#include "shell/shell_win.h"

namespace {

constexpr DWORD kPollMs = 50;

}  // namespace

RunningCopyMutex::RunningCopyMutex()
    : mutex_(CreateMutexA(nullptr, FALSE, kRunningCopyMutex)),
      anotherCopyRuns_(GetLastError() == ERROR_ALREADY_EXISTS) {}

RunningCopyMutex::~RunningCopyMutex() {
    if (mutex_ != nullptr) {
        CloseHandle(mutex_);
    }
}

bool ShowRunningCopy(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    HWND hidden = nullptr;
    while ((hidden = FindWindowA(kHiddenWindowClass, nullptr)) == nullptr) {
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        Sleep(kPollMs);
    }
    DWORD process = 0;
    GetWindowThreadProcessId(hidden, &process);
    // This start came from the user, so it may hand its right to the foreground to the copy that runs.
    AllowSetForegroundWindow(process);
    return PostMessageA(hidden, UM_TRAY_COMMAND, CMD_SHOW_MAIN, 0) != FALSE;
}
