// The tab surface, which carries the controls of the two pages and hears their notifications, and the splash
// picture shown while the program starts.
#include <windows.h>

#include "holidays/calendar_cursor.h"
#include "location/location.h"
#include "resource.h"
#include "shell/app_windows.h"
#include "shell/layout.h"
#include "shell/messages.h"
#include "shell/shell_win.h"

namespace {

constexpr DWORD kSplashMs = 3000;

void PaintSurface(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    Selection brush(dc, GetStockObject(DC_BRUSH));
    Selection pen(dc, GetStockObject(DC_PEN));
    SetDCBrushColor(dc, kBackgroundColour);
    SetDCPenColor(dc, kBackgroundColour);
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, kBackgroundColour);
}

void OnSurfacePaint(HWND window) {
    PaintDc paint(window);
    BackBuffer buffer(paint.Get(), layout::kTabControl.width, layout::kTabControl.height);
    PaintSurface(window, buffer.Dc());
    buffer.CopyTo(paint.Get());
}

// Choosing a holiday moves the selection to its first day in the selected day's Hebrew year, when it has one.
void JumpToChosenHoliday() {
    const LRESULT index = SendMessageA(gAppWindows.holidayList, CB_GETCURSEL, 0, 0);
    const LRESULT code = SendMessageA(gAppWindows.holidayList, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    const DayNumber day = FindHolidayInCursorHebrewYear(gLocation.holiday(), static_cast<int>(code));
    if (day == 0) {
        return;
    }
    gCalendarCursor.SetFromDayNumber(day);
    SendMessageA(gAppWindows.mainWindow, UM_REFRESH, 0, 0);
}

LRESULT OnSurfaceCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    switch (HIWORD(wParam)) {
        case 0:
            if (LOWORD(wParam) == IDC_CHANGE_LOCATION) {
                SendMessageA(gAppWindows.mainWindow, WM_COMMAND, CMD_PREFERENCES, 0);
            }
            return 0;
        case CBN_SELCHANGE:
            if (reinterpret_cast<HWND>(lParam) == gAppWindows.holidayList) {
                JumpToChosenHoliday();
            }
            return 0;
        default:
            return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
    }
}

struct SplashState {
    Bitmap picture;
    SIZE size{};
};

SplashState* SplashStateOf(HWND window) {
    return reinterpret_cast<SplashState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void OnSplashCreate(HWND window) {
    auto* state = new SplashState;
    state->picture.Reset(static_cast<HBITMAP>(
        LoadImageA(gAppWindows.instance, MAKEINTRESOURCEA(IDB_SPLASH), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    BITMAP info{};
    GetObjectA(state->picture.Get(), sizeof info, &info);
    state->size = {info.bmWidth, info.bmHeight};
    const WindowDc screen(nullptr);
    const int screenWidth = GetDeviceCaps(screen.Get(), HORZRES);
    const int screenHeight = GetDeviceCaps(screen.Get(), VERTRES);
    MoveWindow(window, screenWidth / 2 - info.bmWidth / 2, screenHeight / 2 - info.bmHeight / 2, info.bmWidth,
               info.bmHeight, FALSE);
}

void OnSplashPaint(HWND window, const SplashState& state) {
    PaintDc paint(window);
    MemoryDc picture(paint.Get());
    Selection selected(picture.Get(), state.picture.Get());
    BitBlt(paint.Get(), 0, 0, state.size.cx, state.size.cy, picture.Get(), 0, 0, SRCCOPY);
}

}  // namespace

LRESULT CALLBACK TabSurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnSurfacePaint(window);
            return 0;
        case WM_PRINTCLIENT:
            PaintSurface(window, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_COMMAND:
            return OnSurfaceCommand(window, wParam, lParam);
        case WM_CTLCOLORSTATIC:
            // The "Holidays" label sits on the surface's own colour, not on the system's face colour.
            SetBkColor(reinterpret_cast<HDC>(wParam), kBackgroundColour);
            return reinterpret_cast<LRESULT>(gAppWindows.BACKGROUND_BRUSH.Get());
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK SplashWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnSplashCreate(window);
            return 0;
        case WM_PAINT: {
            if (const SplashState* state = SplashStateOf(window)) {
                OnSplashPaint(window, *state);
            } else {
                PaintDc paint(window);
            }
            return 0;
        }
        case WM_DESTROY:
            delete SplashStateOf(window);
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void RunSplash() {
    gAppWindows.splashWindow = CreateWindowExA(0, kSplashWindowClass, "Kestrelon", WS_POPUP, 0, 0, 1, 1, nullptr,
                                               nullptr, gAppWindows.instance, nullptr);
    ShowWindow(gAppWindows.splashWindow, SW_SHOW);
    InvalidateRgn(gAppWindows.splashWindow, nullptr, TRUE);
    UpdateWindow(gAppWindows.splashWindow);
    Sleep(kSplashMs);
    ShowWindow(gAppWindows.splashWindow, SW_HIDE);
    DestroyWindow(gAppWindows.splashWindow);
    gAppWindows.splashWindow = nullptr;
}
