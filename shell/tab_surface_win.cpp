// The tab surface, which carries the controls of the two pages and hears their notifications.
#include <windows.h>

#include <memory>

#include "resource.h"
#include "shell/app_windows.h"
#include "shell/layout.h"
#include "shell/main_window_win.h"
#include "shell/messages.h"
#include "shell/shell_win.h"
#include "textview/window_state_win.h"

namespace {

// The surface is made with the App as its creation parameter.
struct TabSurfaceState {
    explicit TabSurfaceState(App& owner) : app(owner) {}
    App& app;
};

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
void JumpToChosenHoliday(App& app, HWND holidayList) {
    const LRESULT index = SendMessageA(holidayList, CB_GETCURSEL, 0, 0);
    const LRESULT code = SendMessageA(holidayList, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    const DayNumber day =
        FindHolidayInCursorHebrewYear(app.state.cursor, app.state.location.holiday(), HolidayCodeOf(code));
    if (day == 0) {
        return;
    }
    app.state.cursor.SetFromDayNumber(day);
    SendMessageA(app.windows.mainWindow, UM_REFRESH, 0, 0);
}

LRESULT OnSurfaceCommand(HWND window, App& app, WPARAM wParam, LPARAM lParam) {
    const MainWindowState* main = MainWindowStateOf(app);
    switch (HIWORD(wParam)) {
        case kMenuOrClickCode:
            if (LOWORD(wParam) == IDC_CHANGE_LOCATION) {
                SendMessageA(app.windows.mainWindow, WM_COMMAND, CMD_PREFERENCES, 0);
            }
            return 0;
        case kSelectionChangedOrAcceleratorCode:
            if (main != nullptr && reinterpret_cast<HWND>(lParam) == main->children.holidayList) {
                JumpToChosenHoliday(app, main->children.holidayList);
            }
            return 0;
        default:
            return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK TabSurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        App* app = static_cast<App*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (app == nullptr) {
            return -1;
        }
        AttachWindowState(window, std::make_unique<TabSurfaceState>(*app));
        return 0;
    }
    TabSurfaceState* state = WindowState<TabSurfaceState>(window);
    if (state == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_DESTROY:
            DestroyWindowState<TabSurfaceState>(window);
            return 0;
        case WM_PAINT:
            OnSurfacePaint(window);
            return 0;
        case WM_PRINTCLIENT:
            PaintSurface(window, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_COMMAND:
            return OnSurfaceCommand(window, state->app, wParam, lParam);
        case WM_CTLCOLORSTATIC:
            // The "Holidays" label sits on the surface's own colour, not on the system's face colour.
            SetBkColor(reinterpret_cast<HDC>(wParam), kBackgroundColour);
            return reinterpret_cast<LRESULT>(state->app.windows.BACKGROUND_BRUSH.Get());
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
