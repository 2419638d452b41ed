// One running copy per user session. The first start holds a named mutex for its whole run; a later start finds
// it taken, asks the running copy to show its main window and ends.
#pragma once

#include <windows.h>

// The mutex, in the session's own namespace.
inline constexpr char kRunningCopyMutex[] = "Local\\Kestrelon Running Copy";
// How long a later start waits for the running copy's hidden window. The copy takes the mutex first thing and makes
// the window a moment later, but the window's creation holds the three-second splash, and until it returns the
// window may not be found everywhere (under Wine it is found at once). A request that comes during the splash waits
// in the queue: the splash runs no message loop, and the start-up shows the main window anyway.
inline constexpr DWORD kRunningCopyWaitMs = 10000;

class RunningCopyMutex {
  public:
    RunningCopyMutex();
    ~RunningCopyMutex();
    RunningCopyMutex(const RunningCopyMutex&) = delete;
    RunningCopyMutex& operator=(const RunningCopyMutex&) = delete;

    // True when another copy of the program took the mutex first.
    bool AnotherCopyRuns() const { return anotherCopyRuns_; }

  private:
    HANDLE mutex_ = nullptr;
    bool anotherCopyRuns_ = false;
};

// Waits up to timeoutMs for the running copy's hidden window, lets that copy come to the foreground and posts it
// the tray's Open command. False when no such window appeared in time.
bool ShowRunningCopy(DWORD timeoutMs);
