// The main window's tab control and the tab surface over its page area, which carries the controls of every tab
// page (tab_page_win.h), shows those of the selected tab and hands each page the notifications of its controls.
// The main window tells the surface what happens through the calls below.
#pragma once

#include <windows.h>

struct App;

struct TabSurfaceWindows {
    HWND tabControl;
    HWND surface;
};

// Creates the tab control in the main window (owner), a tab for each page, the surface over the page area and every
// page's controls.
TabSurfaceWindows CreateTabSurface(App& app, HWND owner);

// Shows the controls of the page whose tab is selected (of the first page while no tab is) and hides the others.
void ShowSelectedTabPage(HWND surface);
// Each page brings itself in line with the selected day and the place.
void RefreshTabPages(HWND surface);
// The clock's tick.
void TickTabPages(HWND surface);
// The user moved the selected day with the calendars.
void TellTabPagesDayNavigated(HWND surface);
// Invalidates, without erasing, the painted controls of the pages.
void InvalidateTabPages(HWND surface);

LRESULT CALLBACK TabSurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
