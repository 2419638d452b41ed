// The main window and its children. The window owns a MainWindowState for as long as it exists; closing it
// destroys the children and the state, and the tray's Open makes both afresh.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/person_date_marks.h"

struct App;

// The children of the main window. The tab pages' controls belong to the tab surface (tab_surface_win.h).
struct MainChildren {
    HWND tabControl = nullptr;
    HWND tabSurface = nullptr;
    HWND gregorianGrid = nullptr;
    HWND gregorianMonthBox = nullptr;
    HWND gregorianYearField = nullptr;
    HWND gregorianSpinner = nullptr;
    HWND hebrewGrid = nullptr;
    HWND hebrewRegularMonthBox = nullptr;
    HWND hebrewLeapMonthBox = nullptr;
    HWND hebrewYearField = nullptr;
    HWND hebrewSpinner = nullptr;
};

// What is done with each child, in one list: which are shown when the window opens (the two Hebrew month boxes
// follow the selected year instead; the surface shows the first page's controls), which are painted by the program
// and so invalidated on every refresh, and which are drawn at once when the window opens.
enum class AtStart { Shown, ByLeapYear, ByRegularYear };
struct ChildRole {
    HWND MainChildren::*handle;
    AtStart atStart;
    bool painted;
    bool updatedAtStart;
};
inline constexpr ChildRole kChildRoles[] = {
    {&MainChildren::tabControl, AtStart::Shown, false, false},
    {&MainChildren::tabSurface, AtStart::Shown, true, false},
    {&MainChildren::gregorianGrid, AtStart::Shown, true, true},
    {&MainChildren::gregorianMonthBox, AtStart::Shown, false, true},
    {&MainChildren::gregorianYearField, AtStart::Shown, false, true},
    {&MainChildren::gregorianSpinner, AtStart::Shown, false, true},
    {&MainChildren::hebrewGrid, AtStart::Shown, true, true},
    {&MainChildren::hebrewRegularMonthBox, AtStart::ByRegularYear, false, true},
    {&MainChildren::hebrewLeapMonthBox, AtStart::ByLeapYear, false, true},
    {&MainChildren::hebrewYearField, AtStart::Shown, false, true},
    {&MainChildren::hebrewSpinner, AtStart::Shown, false, true},
};

struct MainWindowState {
    explicit MainWindowState(App& owner) : app(owner) {}
    App& app;
    HWND window = nullptr;
    MainChildren children;
    // The people's dates marks of the months the two grids show.
    PersonDateMarkCache gregorianDateMarks;
    PersonDateMarkCache hebrewDateMarks;
    // Set while a refresh runs: it invalidates the painted windows once at its end, so a grid's word that it shows a
    // new month need not do it again (each pass costs about half a millisecond under Wine).
    bool refreshing = false;
};

// Creates the main window with its children, selects today and refreshes it (tray Open and start-up).
void CreateMainWindow(App& app);

// Creates the children (controls_win.cpp), and shows those the window opens with.
void CreateChildControls(MainWindowState& main);
void ShowInitialControls(MainWindowState& main);

// Brings the year fields and month boxes in line with the cursor.
void SyncDateControls(MainWindowState& main);

// Invalidates, without erasing, the main window, its painted children and those of the tab pages.
void InvalidatePaintedWindows(const MainWindowState& main);

// Sends a day grid the month it shows: its holiday marks, its people's dates marks, length, selected day and first
// weekday.
void SendMonthView(HWND grid,
                   std::uint32_t marks,
                   std::uint32_t dateMarks,
                   int daysInMonth,
                   int selectedDay,
                   int firstWeekday);
