// The hidden window: the owner of the whole run. Its creation shows the splash; it owns the notification-area
// icon and hears its messages, and keeps the schedule of the tray's notices (reminders_win.h); its end ends the
// program: it lets go of the running copy's mutex, removes the icon and quits the message loop.
#pragma once

#include <windows.h>

struct App;
class RunningCopyMutex;

// Creates the hidden window for the App (showing the splash for three seconds) and keeps it in App::windows. The
// window lets go of runningCopy as it goes, so that a start from then on runs instead of asking a copy that ends.
HWND CreateHiddenWindow(App& app, RunningCopyMutex& runningCopy, int showCommand);

// Adds the notification-area icon with its menu; start-up does so once the main window is up.
void AddTrayIcon(HWND hiddenWindow);

LRESULT CALLBACK HiddenWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
