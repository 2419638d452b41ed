// AppWindows: the one record of the program's windows, fonts and background brush.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "textview/gdi_win.h"
#include "textview/scroll_text_view_win.h"

enum ShellFont { FONT_DAY, FONT_DAY_SELECTED, FONT_GRID_HEADER, FONT_UI, FONT_VIEW, FONT_VIEW_BOLD, kShellFontCount };

inline constexpr COLORREF kBackgroundColour = RGB(212, 208, 200);

struct AppWindows {
    HINSTANCE instance = nullptr;
    HWND hiddenWindow = nullptr;
    HWND mainWindow = nullptr;  // null while the main window is closed
    HWND splashWindow = nullptr;
    HMENU trayMenu = nullptr;
    char className[100] = {};
    Brush BACKGROUND_BRUSH;
    NOTIFYICONDATAA trayIcon{};

    Font fonts[kShellFontCount];
    ScrollTextViewFonts viewFonts{};  // FONT_VIEW and FONT_VIEW_BOLD, handed to each text view at its creation

    // The HTML Help entry point, loaded on the first Help command; tried once.
    HMODULE htmlHelpLibrary = nullptr;
    FARPROC htmlHelpEntry = nullptr;
    bool htmlHelpTried = false;

    // Children of the main window (null while it is closed).
    HWND tabControl = nullptr;
    HWND tabSurface = nullptr;
    HWND changeLocationButton = nullptr;
    HWND holidayList = nullptr;
    HWND holidaysLabel = nullptr;
    HWND holidayView = nullptr;
    HWND zmanimView = nullptr;
    HWND gregorianGrid = nullptr;
    HWND gregorianMonthBox = nullptr;
    HWND gregorianYearField = nullptr;
    HWND gregorianSpinner = nullptr;
    HWND hebrewGrid = nullptr;
    HWND hebrewRegularMonthBox = nullptr;
    HWND hebrewLeapMonthBox = nullptr;
    HWND hebrewYearField = nullptr;
    HWND hebrewSpinner = nullptr;

    HFONT FontOf(ShellFont which) const { return fonts[which].Get(); }
};

extern AppWindows gAppWindows;
