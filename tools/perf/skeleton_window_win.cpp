// The second baseline of the start-up timing: the floor of the main window's user interface under Wine. It makes
// the controls the main window has, where it has them, and nothing else: two group boxes, the three month boxes, the
// two year fields with their spinners, two empty grid windows, the tab control with its surface, two empty views,
// the holiday box with 30 entries, the label and the button, under the menu bar, with the common controls 6
// manifest. No settings, no calendar, no painting of its own.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "shell/layout.h"

namespace {

constexpr char kClassName[] = "Kestrelon Skeleton Window";
constexpr char kEmptyClass[] = "Kestrelon Skeleton Empty";
constexpr int kLastSpinnerId = 26;  // the start-up timer waits for this child, as for the program's

HWND Make(const char* className, const char* text, DWORD style, const LayoutRect& rect, HWND parent, int id = 0) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.x, rect.y, rect.width, rect.height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                           nullptr);
}

void MakeControls(HWND window) {
    Make("BUTTON", "Common", BS_GROUPBOX, layout::kGregorianFrame, window);
    Make("BUTTON", "Hebrew", BS_GROUPBOX, layout::kHebrewFrame, window);
    Make(kEmptyClass, "", WS_BORDER, layout::kGregorianGrid, window);
    Make(kEmptyClass, "", WS_BORDER, layout::kHebrewGrid, window);
    Make("COMBOBOX", "", CBS_DROPDOWNLIST, layout::kGregorianMonthBox, window);
    Make("COMBOBOX", "", CBS_DROPDOWNLIST, layout::kHebrewMonthBox, window);
    Make("COMBOBOX", "", CBS_DROPDOWNLIST, layout::kHebrewMonthBox, window);
    const HWND tabs = Make(WC_TABCONTROLA, "", 0, layout::kTabControl, window);
    const LayoutRect page{0, 24, layout::kTabControl.width, layout::kTabControl.height - 24};
    const HWND surface = Make(kEmptyClass, "", 0, page, tabs);
    Make(kEmptyClass, "", WS_BORDER, layout::kTextView, surface);
    Make(kEmptyClass, "", WS_BORDER, layout::kTextView, surface);
    const HWND holidays = Make("COMBOBOX", "", CBS_DROPDOWNLIST | CBS_SORT, layout::kHolidayList, surface);
    for (int i = 0; i < 30; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "Holiday %02d", i);
        SendMessageA(holidays, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    Make("STATIC", "Holidays", 0, layout::kHolidaysLabel, surface);
    Make("BUTTON", "Change Location", BS_PUSHBUTTON, layout::kChangeLocationButton, surface);
    const HWND gregorianYear = Make("EDIT", "2026", WS_BORDER | ES_READONLY, layout::kGregorianYearField, window);
    const HWND hebrewYear = Make("EDIT", "5787", WS_BORDER | ES_READONLY, layout::kHebrewYearField, window);
    constexpr DWORD kSpinner = WS_CHILD | WS_VISIBLE | WS_BORDER | UDS_SETBUDDYINT | UDS_ARROWKEYS;
    CreateUpDownControl(kSpinner, layout::kGregorianSpinner.x, layout::kGregorianSpinner.y,
                        layout::kGregorianSpinner.width, layout::kGregorianSpinner.height, window, 23,
                        GetModuleHandleA(nullptr), gregorianYear, 2076, 1941, 2026);
    CreateUpDownControl(kSpinner, layout::kHebrewSpinner.x, layout::kHebrewSpinner.y, layout::kHebrewSpinner.width,
                        layout::kHebrewSpinner.height, window, kLastSpinnerId, GetModuleHandleA(nullptr), hebrewYear,
                        5836, 5701, 5787);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void Register(HINSTANCE instance, const char* name, WNDPROC procedure, const char* menu) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszMenuName = menu;
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    INITCOMMONCONTROLSEX tabs{sizeof tabs, ICC_TAB_CLASSES};
    InitCommonControlsEx(&tabs);
    Register(instance, kClassName, WindowProc, MAKEINTRESOURCEA(1));
    Register(instance, kEmptyClass, DefWindowProcA, nullptr);

    const HWND window = CreateWindowExA(
        0, kClassName, "Skeleton", WS_VISIBLE | WS_CLIPCHILDREN | WS_DLGFRAME | WS_SYSMENU, CW_USEDEFAULT, 0,
        layout::kMainWindowWidth, layout::kMainWindowHeight, nullptr, nullptr, instance, nullptr);
    MakeControls(window);
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
