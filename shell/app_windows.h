// The program: its state (the place and the selected day), its settings key, and what its windows share for the
// whole run. WinMain makes the one App and hands it to the windows that need it; each window keeps the rest of its
// state for itself.
#pragma once

#include <windows.h>

#include "app/app_state.h"
#include "location/settings_store.h"
#include "shell/help_win.h"
#include "textview/gdi_win.h"
#include "textview/scroll_text_view_win.h"

enum ShellFont { FONT_DAY, FONT_DAY_SELECTED, FONT_GRID_HEADER, FONT_UI, FONT_VIEW, FONT_VIEW_BOLD, kShellFontCount };

inline constexpr COLORREF kBackgroundColour = RGB(212, 208, 200);

// The six fonts, made once at start-up and kept for the whole run.
struct ShellFonts {
    Font fonts[kShellFontCount];
    HFONT Of(ShellFont which) const { return fonts[which].Get(); }
};

// What the windows share: the instance, the two top-level windows they reach, the main window's class, the fonts and
// the background brush.
struct AppWindows {
    HINSTANCE instance = nullptr;
    HWND hiddenWindow = nullptr;  // the owner of the run: destroying it ends the program
    HWND mainWindow = nullptr;    // null while the main window is closed
    char className[100] = {};
    Brush BACKGROUND_BRUSH;
    ShellFonts fonts;
    ScrollTextViewFonts viewFonts{};  // FONT_VIEW and FONT_VIEW_BOLD, handed to each text view at its creation

    HFONT FontOf(ShellFont which) const { return fonts.Of(which); }
};

struct App {
    explicit App(SettingsStore& store) : settings(store) {}
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    SettingsStore& settings;  // the program's registry key
    AppState state;
    AppWindows windows;
    HtmlHelp help;
};
