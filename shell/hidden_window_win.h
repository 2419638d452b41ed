// The hidden window: the owner of the whole run. Its creation shows the splash; it owns the notification-area
// icon and hears its messages; its end ends the program: it removes the icon and quits the message loop.
#pragma once

#include <windows.h>

struct App;

// Creates the hidden window for the App (showing the splash for three seconds) and keeps it in App::windows.
HWND CreateHiddenWindow(App& app, int showCommand);

// Adds the notification-area icon with its menu; start-up does so once the main window is up.
void AddTrayIcon(HWND hiddenWindow);

LRESULT CALLBACK HiddenWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
