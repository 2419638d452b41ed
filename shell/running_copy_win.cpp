#include "shell/running_copy_win.h"

#include "resource.h"
#include "shell/messages.h"
#include "shell/shell_win.h"

namespace {

constexpr DWORD kPollMs = 50;
// How long a start watches the hidden window it asked. A window that goes meanwhile belonged to a copy on its way
// out, and the request went with it; ending a copy takes a few milliseconds.
constexpr DWORD kHandOverWatchMs = 500;
constexpr DWORD kWatchPollMs = 10;

// Sleeps, having looked at the message queue first: a thread that has not done so for five seconds counts as hung,
// and a start that waited long would then show its splash as a window that does not answer.
void PauseAnswering(DWORD ms) {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    Sleep(ms);
}

// Posts the tray's Open to the running copy's hidden window; true when the window is still there after the watch.
bool HandOver(HWND hidden) {
    DWORD process = 0;
    GetWindowThreadProcessId(hidden, &process);
    // This start came from the user, so it may hand its right to the foreground to the copy that runs.
    AllowSetForegroundWindow(process);
    if (PostMessageA(hidden, UM_TRAY_COMMAND, CMD_SHOW_MAIN, 0) == FALSE) {
        return false;
    }
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kHandOverWatchMs) {
        if (!IsWindow(hidden)) {
            return false;
        }
        PauseAnswering(kWatchPollMs);
    }
    return IsWindow(hidden) != FALSE;
}

}  // namespace

bool RunningCopyMutex::TryClaim() {
    Release();
    const HANDLE mutex = CreateMutexA(nullptr, FALSE, kRunningCopyMutex);
    if (mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    mutex_ = mutex;
    return true;
}

void RunningCopyMutex::Release() {
    if (mutex_ != nullptr) {
        CloseHandle(mutex_);
        mutex_ = nullptr;
    }
}

bool ClaimOrHandOver(RunningCopyMutex& mutex, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (mutex.TryClaim()) {
            return true;
        }
        const HWND hidden = FindWindowA(kHiddenWindowClass, nullptr);
        if (hidden != nullptr && HandOver(hidden)) {
            return false;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        PauseAnswering(kPollMs);
    }
}
