// The entry routine, the hidden owner window that lives for the whole run, and the notification-area icon.
#include <windows.h>

#include <commctrl.h>

#include "calendar/clock.h"
#include "calendar/text_buffer.h"
#include "holidays/calendar_cursor.h"
#include "resource.h"
#include "shell/app_windows.h"
#include "shell/messages.h"
#include "shell/shell_win.h"
#include "shell/tray_tip.h"
#include "textview/scroll_text_view_win.h"

namespace {

constexpr char kHiddenWindowTitle[] = "Tennick's Puppeteers";
constexpr UINT kTrayMenuFlags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_BOTTOMALIGN | TPM_RIGHTALIGN;  // 0x12A
constexpr std::size_t kTrayTipCapacity = 64;

void RegisterWindowClass(const char* name,
                         WNDPROC procedure,
                         HICON largeIcon,
                         HICON smallIcon,
                         HBRUSH background,
                         const char* menu) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = gAppWindows.instance;
    windowClass.hIcon = largeIcon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszMenuName = menu;
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
}

HICON LoadAppIcon(int id) {
    return LoadIconA(gAppWindows.instance, MAKEINTRESOURCEA(id));
}

void RegisterWindowClasses() {
    const HICON large = LoadAppIcon(IDI_APP_LARGE);
    const HICON small = LoadAppIcon(IDI_APP_SMALL);
    const HBRUSH background = gAppWindows.BACKGROUND_BRUSH.Get();
    const char* menu = MAKEINTRESOURCEA(IDR_MAIN_MENU);
    // The hidden window's class has its icons the other way round, as it always had.
    RegisterWindowClass(kHiddenWindowClass, HiddenWindowProc, small, large, background, menu);
    RegisterWindowClass(gAppWindows.className, MainWindowProc, large, small, background, menu);
    RegisterWindowClass(kSplashWindowClass, SplashWindowProc, large, small, background, nullptr);
    RegisterWindowClass(kTabSurfaceClass, TabSurfaceProc, large, small, background, menu);
    RegisterWindowClass(kDayGridClass, DayGridProc, nullptr, nullptr, nullptr, nullptr);
    RegisterScrollTextViewClass(gAppWindows.instance, large, small);
}

void AddTrayIcon() {
    NOTIFYICONDATAA& icon = gAppWindows.trayIcon;
    icon = NOTIFYICONDATAA{};
    icon.cbSize = sizeof icon;
    icon.hWnd = gAppWindows.hiddenWindow;
    icon.uID = 0;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = UM_TRAY_NOTIFY;
    icon.hIcon = LoadAppIcon(IDI_APP_SMALL);
    Shell_NotifyIconA(NIM_ADD, &icon);
}

void ShowTrayMenu() {
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(gAppWindows.hiddenWindow);
    SetFocus(gAppWindows.hiddenWindow);
    const BOOL command =
        TrackPopupMenu(gAppWindows.trayMenu, kTrayMenuFlags, cursor.x, cursor.y, 0, gAppWindows.hiddenWindow, nullptr);
    // The null message makes the menu close properly when the user clicks elsewhere.
    SendMessageA(gAppWindows.hiddenWindow, WM_NULL, 0, 0);
    SendMessageA(gAppWindows.hiddenWindow, UM_TRAY_COMMAND, static_cast<WPARAM>(command), 0);
}

void RefreshTrayTip() {
    const LocalDateTime today = ReadLocalClock();
    char tip[200];
    FormatTrayTip(today.day, today.month, today.year, tip, sizeof tip);
    SetTrayTip(tip);
}

void OnTrayNotify(LPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONDBLCLK:
            ShowMainWindow();
            break;
        case WM_RBUTTONUP:
            ShowTrayMenu();
            break;
        case WM_MOUSEMOVE:
            RefreshTrayTip();
            break;
        default:
            break;
    }
}

void OnTrayCommand(WPARAM command) {
    if (command == CMD_SHOW_MAIN) {
        ShowMainWindow();
    } else if (command == CMD_EXIT) {
        DestroyWindow(gAppWindows.hiddenWindow);
    }
}

void OnHiddenWindowDestroy() {
    DestroyMenu(gAppWindows.trayMenu);
    gAppWindows.trayMenu = nullptr;
    Shell_NotifyIconA(NIM_DELETE, &gAppWindows.trayIcon);
    DestroyIcon(gAppWindows.trayIcon.hIcon);
    PostQuitMessage(0);
}

int RunMessageLoop() {
    const HACCEL accelerators = LoadAcceleratorsA(gAppWindows.instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
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
    switch (message) {
        case WM_CREATE:
            RunSplash();
            return 0;
        case WM_PAINT: {
            PaintDc paint(window);
            return 0;
        }
        case WM_DESTROY:
            OnHiddenWindowDestroy();
            return 0;
        case UM_TRAY_NOTIFY:
            OnTrayNotify(lParam);
            return 0;
        case UM_TRAY_COMMAND:
            OnTrayCommand(wParam);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void ShowMainWindow() {
    if (gAppWindows.mainWindow == nullptr) {
        CreateMainWindow();
    }
    SetForegroundWindow(gAppWindows.mainWindow);
}

void SetTrayTip(const char* text) {
    CopyText(gAppWindows.trayIcon.szTip, kTrayTipCapacity, text);
    Shell_NotifyIconA(NIM_MODIFY, &gAppWindows.trayIcon);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    LoadStringA(instance, IDS_APP_CLASS, gAppWindows.className, sizeof gAppWindows.className);
    gAppWindows.instance = instance;
    gAppWindows.BACKGROUND_BRUSH.Reset(CreateSolidBrush(kBackgroundColour));
    RegisterWindowClasses();
    gCalendarCursor.SetToToday();

    // Creating the hidden window shows the splash for three seconds.
    gAppWindows.hiddenWindow = CreateWindowExA(0, kHiddenWindowClass, kHiddenWindowTitle, 0, CW_USEDEFAULT, 0, 0, 0,
                                               nullptr, nullptr, instance, nullptr);
    ShowWindow(gAppWindows.hiddenWindow, showCommand);
    ShowWindow(gAppWindows.hiddenWindow, SW_HIDE);

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The tab control of the main window needs its class too.
    INITCOMMONCONTROLSEX tabs{sizeof tabs, ICC_TAB_CLASSES};
    InitCommonControlsEx(&tabs);

    const LocalDateTime today = ReadLocalClock();
    gCalendarCursor.SetGregorianDate(today.day, today.month, today.year);
    CreateShellFonts();
    CreateMainWindow();
    SetForegroundWindow(gAppWindows.mainWindow);

    gAppWindows.trayMenu = CreatePopupMenu();
    AppendMenuA(gAppWindows.trayMenu, MF_STRING, CMD_SHOW_MAIN, "Show Kestrelon");
    AppendMenuA(gAppWindows.trayMenu, MF_STRING, CMD_EXIT, "Exit");
    AddTrayIcon();

    return RunMessageLoop();
}
