// The main window's calendar controls as a test uses them: choose a date the way a user does, and read back what
// the window shows.
#pragma once

#include <windows.h>

#include <string>

#include "tests/windows/e2e/app_driver_win.h"

namespace e2e {

struct CalendarControls {
    HWND main = nullptr;
    HWND gregorianGrid = nullptr;
    HWND hebrewGrid = nullptr;
    HWND gregorianMonth = nullptr;
    HWND hebrewRegularMonth = nullptr;
    HWND hebrewLeapMonth = nullptr;
    HWND gregorianYear = nullptr;
    HWND hebrewYear = nullptr;
    HWND gregorianSpinner = nullptr;
    HWND hebrewSpinner = nullptr;
    HWND tab = nullptr;
    HWND surface = nullptr;
    HWND holidayList = nullptr;
    HWND holidayView = nullptr;
    HWND zmanimView = nullptr;
    HWND changeLocation = nullptr;

    static CalendarControls Find(HWND main);
    bool Complete() const;

    // The Hebrew month box on show.
    HWND VisibleHebrewMonthBox() const;

    // Clicks day `day` of the month a grid shows, its first day on firstWeekday.
    void ClickDay(HWND grid, int day, int firstWeekday) const;
    // A press of a spinner's up or down arrow.
    void ClickSpinner(HWND spinner, bool up) const;
    // A spinner's step to a year, as the spinner reports it.
    void SpinTo(HWND spinner, int year) const;
    // Goes to a Gregorian date with the year spinner, the month box and a click on the day.
    void GoTo(int day, int month, int year) const;
    // Lets the program handle everything pending, paints included.
    void Settle() const;
    // The (column, row) of the cell drawn as selected, or (-1, -1).
    POINT SelectedCell(HWND grid) const;
    // The fill of day `day`'s cell as the screen shows it (the main window must be on top).
    COLORREF DayCellColour(HWND grid, int day, int firstWeekday) const;
    // Switches the tab control to tab 0 or 1 as a click on the tab does.
    void ShowTab(int tab) const;

    std::string SelectedText(HWND box) const;
};

// Checks that the window shows the Gregorian date selected in both calendars: year fields, month boxes, the
// visible Hebrew box and the highlighted cells.
void ExpectSelected(const CalendarControls& controls, int day, int month, int year);

}  // namespace e2e
