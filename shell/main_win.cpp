// The entry routine, the hidden owner window that lives for the whole run, and the notification-area icon.
#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "calendar/clock.h"
#include "calendar/text_buffer.h"
#include "location/registry_store_win.h"
#include "resource.h"
#include "shell/app_windows.h"
#include "shell/main_window_win.h"
#include "shell/messages.h"
#include "shell/running_copy_win.h"
#include "shell/shell_win.h"
#include "shell/tray_tip.h"
#include "textview/scroll_text_view_win.h"
#include "textview/window_state_win.h"

namespace {

constexpr char kHiddenWindowTitle[] = "Tennick's Puppeteers";
constexpr UINT kTrayMenuFlags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_BOTTOMALIGN | TPM_RIGHTALIGN;  // 0x12A
constexpr std::size_t kTrayTipCapacity = 64;

// The hidden window is made with the App as its creation parameter.
struct HiddenWindowState {
    explicit HiddenWindowState(App& owner) : app(owner) {}
    App& app;
};

void RegisterWindowClass(HINSTANCE instance,
                         const char* name,
                         WNDPROC procedure,
                         HICON largeIcon,
                         HICON smallIcon,
                         HBRUSH background,
                         const char* menu) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = largeIcon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszMenuName = menu;
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
}

HICON LoadAppIcon(HINSTANCE instance, int id) {
    return LoadIconA(instance, MAKEINTRESOURCEA(id));
}

void RegisterWindowClasses(const AppWindows& windows) {
    const HINSTANCE instance = windows.instance;
    const HICON large = LoadAppIcon(instance, IDI_APP_LARGE);
    const HICON small = LoadAppIcon(instance, IDI_APP_SMALL);
    const HBRUSH background = windows.BACKGROUND_BRUSH.Get();
    const char* menu = MAKEINTRESOURCEA(IDR_MAIN_MENU);
    // The hidden window's class has its icons the other way round, as it always had.
    RegisterWindowClass(instance, kHiddenWindowClass, HiddenWindowProc, small, large, background, menu);
    RegisterWindowClass(instance, windows.className, MainWindowProc, large, small, background, menu);
    RegisterWindowClass(instance, kSplashWindowClass, SplashWindowProc, large, small, background, nullptr);
    RegisterWindowClass(instance, kTabSurfaceClass, TabSurfaceProc, large, small, background, menu);
    RegisterWindowClass(instance, kDayGridClass, DayGridProc, nullptr, nullptr, nullptr, nullptr);
    RegisterScrollTextViewClass(instance, large, small);
}

void AddTrayIcon(AppWindows& windows) {
    NOTIFYICONDATAA& icon = windows.trayIcon.Data();
    icon = NOTIFYICONDATAA{};
    icon.cbSize = sizeof icon;
    icon.hWnd = windows.hiddenWindow;
    icon.uID = 0;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = UM_TRAY_NOTIFY;
    icon.hIcon = LoadAppIcon(windows.instance, IDI_APP_SMALL);
    windows.trayIcon.Notify(NIM_ADD);
}

void ShowTrayMenu(const AppWindows& windows) {
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(windows.hiddenWindow);
    SetFocus(windows.hiddenWindow);
    const BOOL command =
        TrackPopupMenu(windows.trayMenu, kTrayMenuFlags, cursor.x, cursor.y, 0, windows.hiddenWindow, nullptr);
    // The null message makes the menu close properly when the user clicks elsewhere.
    SendMessageA(windows.hiddenWindow, WM_NULL, 0, 0);
    SendMessageA(windows.hiddenWindow, UM_TRAY_COMMAND, static_cast<WPARAM>(command), 0);
}

void RefreshTrayTip(App& app) {
    const LocalDateTime today = ReadLocalClock();
    char tip[200];
    FormatTrayTip(today.day, today.month, today.year, tip, sizeof tip);
    SetTrayTip(app, tip);
}

void OnTrayNotify(App& app, LPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONDBLCLK:
            ShowMainWindow(app);
            break;
        case WM_RBUTTONUP:
            ShowTrayMenu(app.windows);
            break;
        case WM_MOUSEMOVE:
            RefreshTrayTip(app);
            break;
        default:
            break;
    }
}

void OnTrayCommand(App& app, WPARAM command) {
    if (command == CMD_SHOW_MAIN) {
        ShowMainWindow(app);
    } else if (command == CMD_EXIT) {
        DestroyWindow(app.windows.hiddenWindow);
    }
}

void OnHiddenWindowDestroy(AppWindows& windows) {
    DestroyMenu(windows.trayMenu);
    windows.trayMenu = nullptr;
    windows.trayIcon.Notify(NIM_DELETE);
    DestroyIcon(windows.trayIcon.Data().hIcon);
    PostQuitMessage(0);
}

int RunMessageLoop(HINSTANCE instance) {
    const HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorA(message.hwnd, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

LRESULT CALLBACK HiddenWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const auto& create = *reinterpret_cast<const CREATESTRUCTA*>(lParam);
        App* app = static_cast<App*>(create.lpCreateParams);
        if (app == nullptr) {
            return -1;
        }
        AttachWindowState(window, std::make_unique<HiddenWindowState>(*app));
        RunSplash(create.hInstance);
        return 0;
    }
    HiddenWindowState* state = WindowState<HiddenWindowState>(window);
    if (state == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    App& app = state->app;
    switch (message) {
        case WM_PAINT: {
            PaintDc paint(window);
            return 0;
        }
        case WM_DESTROY:
            OnHiddenWindowDestroy(app.windows);
            DestroyWindowState<HiddenWindowState>(window);
            return 0;
        case UM_TRAY_NOTIFY:
            OnTrayNotify(app, lParam);
            return 0;
        case UM_TRAY_COMMAND:
            OnTrayCommand(app, wParam);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool TrayIcon::Notify(DWORD message) {
    if (!loaded_) {
        loaded_ = true;
        if (const HMODULE shell = LoadLibraryA("shell32.dll")) {
            notify_ =
                reinterpret_cast<NotifyFunction>(reinterpret_cast<void*>(GetProcAddress(shell, "Shell_NotifyIconA")));
        }
    }
    return notify_ != nullptr && notify_(message, &data_) != FALSE;
}

void ShowMainWindow(App& app) {
    if (app.windows.mainWindow == nullptr) {
        CreateMainWindow(app);
    }
    SetForegroundWindow(app.windows.mainWindow);
}

void SetTrayTip(App& app, const char* text) {
    CopyText(app.windows.trayIcon.Data().szTip, kTrayTipCapacity, text);
    app.windows.trayIcon.Notify(NIM_MODIFY);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // A second start, such as from the Start menu while the program sits in the tray, brings up the running
    // copy's main window and ends at once, before any splash.
    const RunningCopyMutex runningCopy;
    if (runningCopy.AnotherCopyRuns()) {
        ShowRunningCopy(kRunningCopyWaitMs);
        return 0;
    }

    // The settings come first, before any window: a missing key or value is created with its default.
    RegistrySettingsStore settings(kSettingsKeyPath);
    App app(settings);
    app.state.location.load(settings);

    AppWindows& windows = app.windows;
    LoadStringA(instance, IDS_APP_CLASS, windows.className, sizeof windows.className);
    windows.instance = instance;
    windows.BACKGROUND_BRUSH.Reset(CreateSolidBrush(kBackgroundColour));
    RegisterWindowClasses(windows);
    app.state.cursor.SetToToday(ReadLocalClock());

    // Creating the hidden window shows the splash for three seconds.
    windows.hiddenWindow = CreateWindowExA(0, kHiddenWindowClass, kHiddenWindowTitle, 0, CW_USEDEFAULT, 0, 0, 0,
                                           nullptr, nullptr, instance, &app);
    ShowWindow(windows.hiddenWindow, showCommand);
    ShowWindow(windows.hiddenWindow, SW_HIDE);

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The tab control of the main window needs its class too.
    INITCOMMONCONTROLSEX tabs{sizeof tabs, ICC_TAB_CLASSES};
    InitCommonControlsEx(&tabs);

    app.state.cursor.SetToToday(ReadLocalClock());
    CreateShellFonts(app);
    ShowMainWindow(app);

    windows.trayMenu = CreatePopupMenu();
    AppendMenuA(windows.trayMenu, MF_STRING, CMD_SHOW_MAIN, "Show Kestrelon");
    AppendMenuA(windows.trayMenu, MF_STRING, CMD_EXIT, "Exit");
    AddTrayIcon(windows);

    return RunMessageLoop(instance);
}
