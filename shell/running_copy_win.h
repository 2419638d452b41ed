// One running copy per user session. The running copy holds a named mutex until its hidden window goes; a later
// start finds it taken, asks the running copy to show its main window and ends. A start that finds the mutex let go
// while it waits (the running copy was on its way out) runs itself.
#pragma once

#include <windows.h>

// The mutex, in the session's own namespace. Whoever holds a handle on it keeps it in being; the first start that
// creates it is the running copy.
inline constexpr char kRunningCopyMutex[] = "Local\\Kestrelon Running Copy";
// How long a later start waits for the running copy's hidden window. The copy takes the mutex first thing and makes
// the window a moment later, but the window's creation holds the three-second splash, and until it returns the
// window may not be found everywhere (under Wine it is found at once). A request that comes during the splash waits
// in the queue: the splash runs no message loop, and the start-up shows the main window anyway.
inline constexpr DWORD kRunningCopyWaitMs = 10000;

class RunningCopyMutex {
  public:
    RunningCopyMutex() = default;
    ~RunningCopyMutex() { Release(); }
    RunningCopyMutex(const RunningCopyMutex&) = delete;
    RunningCopyMutex& operator=(const RunningCopyMutex&) = delete;

    // Creates the mutex: true when this start is the first to hold it. When another copy holds it, keeps no handle,
    // so that the mutex goes as soon as that copy lets go.
    bool TryClaim();
    // Lets go of the mutex (the hidden window does so as it goes, before the program's last moments).
    void Release();

  private:
    HANDLE mutex_ = nullptr;
};

// The start-up's first step. Claims the mutex and returns true (the program runs), or, while another copy holds
// it, waits up to timeoutMs for that copy's hidden window, lets that copy come to the foreground, posts it the
// tray's Open command and returns false (the program ends). The wait holds no handle on the mutex and claims it as
// soon as it is free, also when the hidden window that was asked goes without a word: the copy was ending.
bool ClaimOrHandOver(RunningCopyMutex& mutex, DWORD timeoutMs);
