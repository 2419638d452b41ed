// The notification-area icon: the icon itself, its menu and its tip. The hidden window owns the one TrayState of
// the run (hidden_window_win.cpp) and hears the icon's mouse messages as UM_TRAY_NOTIFY.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

class TrayState {
  public:
    TrayState() = default;
    // Removes the icon and destroys its menu and picture.
    ~TrayState();
    TrayState(const TrayState&) = delete;
    TrayState& operator=(const TrayState&) = delete;

    // Adds the icon with its menu ("Show Kestrelon", "Exit"); its mouse messages go to owner. The shell's library is
    // loaded here, after the main window is up: the program needs nothing else from it, and loading it at start
    // delays the first window.
    void Add(HWND owner, HICON icon);
    // Shows the menu at the mouse and returns the command chosen, or 0.
    WPARAM TrackMenu() const;
    // The tip becomes today's dates (tray_tip.h).
    void ShowTodayInTip();
    // A balloon notice over the icon with the program's name as its title; the text is cut at the shell's 255
    // characters. A click on it comes back as UM_TRAY_NOTIFY with NIN_BALLOONUSERCLICK.
    void ShowBalloon(const std::string& utf8);

  private:
    using NotifyFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
    using NotifyWideFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);
    // Shell_NotifyIconA with the icon's data; false when the shell cannot be reached.
    bool Notify(DWORD message);

    NOTIFYICONDATAA data_{};
    HMENU menu_ = nullptr;
    NotifyFunction notify_ = nullptr;
    NotifyWideFunction notifyWide_ = nullptr;  // for the balloons, whose names may be in any script
    bool loaded_ = false;
    bool added_ = false;
};
