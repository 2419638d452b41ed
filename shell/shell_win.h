// The windows of the program and how they reach each other.
#pragma once

#include <windows.h>

#include "app/app_state.h"

struct App;
struct ShellFonts;
class Location;
class SettingsStore;
struct ShabbatSettings;
struct ReminderSettings;

// Window class names besides the main window's (which comes from string 109).
inline constexpr char kHiddenWindowClass[] = "Puppeteer Window Class";
inline constexpr char kSplashWindowClass[] = "Splash Window Class";
inline constexpr char kTabSurfaceClass[] = "Tab Surface Window Class";
inline constexpr char kDayGridClass[] = "DaysWndClass";

inline constexpr UINT_PTR kClockTimerId = 1;
inline constexpr UINT kClockTimerMs = 1000;

// The notification code of a WM_COMMAND: a menu item or a clicked button sends 0, a combo box whose selection
// changed sends 1 (CBN_SELCHANGE), and so does an accelerator.
inline constexpr WORD kMenuOrClickCode = 0;
inline constexpr WORD kSelectionChangedOrAcceleratorCode = 1;

// The month boxes carry the month as item data: a Gregorian month as itself (1..12), a Hebrew month plus this base
// (101..114).
inline constexpr int kHebrewMonthDataBase = 100;

// The two year spinners report to the same window and are told apart by their position: Hebrew years are above
// this, Gregorian years below.
inline constexpr int kHebrewYearThreshold = 4999;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SplashWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A day grid is made with this as its creation parameter: the fonts it draws with (they outlive it), and the message
// it sends its parent when a day is clicked (wParam its id, lParam the day). Once it holds a new month it tells its
// parent UM_MONTH_VIEW_SHOWN.
struct DayGridParams {
    const ShellFonts* fonts;
    UINT pickedMessage;
};
LRESULT CALLBACK DayGridProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// What the Preferences dialog edits, handed to it as DialogBoxParamA's lParam: OK stores the place in location,
// saves it in settings and ends the dialog with IDOK; whoever opened it shows the place anew. The candle-lighting and
// havdalah settings, and the reminders' switches and minutes, are saved beside the place only when the user changed
// what they mean, so that a stored value the program cannot use stays as it is.
struct PreferencesParams {
    Location& location;
    SettingsStore& settings;
    ShabbatSettings& shabbat;
    ReminderSettings& reminders;
};
INT_PTR CALLBACK PreferencesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Centres a dialog on its owner, or on the screen while the owner is not shown, inside the monitor's work area
// (dialog_position_win.cpp); both dialogs call it at WM_INITDIALOG.
void CentreDialogOnOwner(HWND dialog);

// Start-up, the tray and a second start (main_window_win.cpp): creates the main window when it is closed, and
// brings it to the front, or the dialog open over it.
void ShowMainWindow(App& app);

// The shared fonts (controls_win.cpp).
void CreateShellFonts(App& app);

// The people's dates into the state, read from their file (people_dates_win.cpp): none when there is no file or it
// cannot be read. Read at the start and whenever a page is refreshed (a user's step, not the clock's tick), so that
// a date added with kestrelon-cli shows on the next change of day or page.
void ReadPeopleDates(AppState& state);

// The splash shown while the hidden window is created (splash_win.cpp).
void RunSplash(HINSTANCE instance);
