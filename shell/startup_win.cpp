#include "shell/startup_win.h"

#include <commctrl.h>

#include "resource.h"
#include "shell/app_windows.h"
#include "shell/hidden_window_win.h"
#include "shell/shell_win.h"
#include "shell/tab_surface_win.h"
#include "textview/scroll_text_view_win.h"

namespace {

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

}  // namespace

void PrepareWindows(AppWindows& windows, HINSTANCE instance) {
    LoadStringA(instance, IDS_APP_CLASS, windows.className, sizeof windows.className);
    windows.instance = instance;
    windows.BACKGROUND_BRUSH.Reset(CreateSolidBrush(kBackgroundColour));
    RegisterWindowClasses(windows);
}

void InitCommonControlClasses() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The tab control of the main window needs its class too.
    INITCOMMONCONTROLSEX tabs{sizeof tabs, ICC_TAB_CLASSES};
    InitCommonControlsEx(&tabs);
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
