// The program: its state (the place and the selected day), its settings key, and the windows, fonts and brush that
// live as long as it runs. WinMain makes the one App and hands it to the windows that need it.
#pragma once

#include <windows.h>

#include <shellapi.h>

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

// The notification-area icon. The shell's library is loaded when the icon is first added, after the main window
// is up: the program needs nothing else from it, and loading it at start delays the first window.
class TrayIcon {
  public:
    TrayIcon() = default;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    NOTIFYICONDATAA& Data() { return data_; }
    // Shell_NotifyIconA with the icon's data; false when the shell cannot be reached.
    bool Notify(DWORD message);

  private:
    using NotifyFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
    NOTIFYICONDATAA data_{};
    NotifyFunction notify_ = nullptr;
    bool loaded_ = false;
};

// The windows and drawing objects of the whole run. The main window's children belong to the main window
// (MainWindowState in main_window_win.h).
struct AppWindows {
    HINSTANCE instance = nullptr;
    HWND hiddenWindow = nullptr;
    HWND mainWindow = nullptr;  // null while the main window is closed
    HMENU trayMenu = nullptr;
    char className[100] = {};
    Brush BACKGROUND_BRUSH;
    TrayIcon trayIcon;
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
