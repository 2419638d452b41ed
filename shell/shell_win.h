// The windows of the program and how they reach each other.
#pragma once

#include <windows.h>

// Window class names besides the main window's (which comes from string 109).
inline constexpr char kHiddenWindowClass[] = "Puppeteer Window Class";
inline constexpr char kSplashWindowClass[] = "Splash Window Class";
inline constexpr char kTabSurfaceClass[] = "Tab Surface Window Class";
inline constexpr char kDayGridClass[] = "DaysWndClass";

inline constexpr UINT_PTR kClockTimerId = 1;
inline constexpr UINT kClockTimerMs = 1000;

LRESULT CALLBACK HiddenWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SplashWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TabSurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DayGridProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PreferencesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Start-up and the tray (main_win.cpp).
void ShowMainWindow();
void SetTrayTip(const char* text);

// The main window (main_window_win.cpp).
void CreateMainWindow();
void SyncDateControls();

// Its children and the shared fonts (controls_win.cpp).
void CreateShellFonts();
void CreateChildControls(HWND mainWindow);
void ShowInitialControls();

// The splash shown while the hidden window is created (tab_surface_win.cpp).
void RunSplash();

// Help -> Contents (help_win.cpp).
void ShowHelpContents(HWND owner);

// Sends a day grid the month it shows: its holiday marks, length, selected day and first weekday.
void SendMonthView(HWND grid, unsigned marks, int daysInMonth, int selectedDay, int firstWeekday);

// Invalidates, without erasing, the six painted windows: both grids, the main window, the tab surface and the two
// text views.
void InvalidatePaintedWindows();
