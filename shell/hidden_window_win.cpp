#include "shell/hidden_window_win.h"

#include <memory>

#include "resource.h"
#include "shell/app_windows.h"
#include "shell/messages.h"
#include "shell/reminders_win.h"
#include "shell/running_copy_win.h"
#include "shell/shell_win.h"
#include "shell/tray_win.h"
#include "textview/window_state_win.h"

namespace {

constexpr char kHiddenWindowTitle[] = "Tennick's Puppeteers";

// The window's creation parameter.
struct HiddenWindowParams {
    App* app;
    RunningCopyMutex* runningCopy;
};

struct HiddenWindowState {
    HiddenWindowState(App& owner, RunningCopyMutex& mutex) : app(owner), runningCopy(mutex) {}
    App& app;
    RunningCopyMutex& runningCopy;
    TrayState tray;
    ReminderSchedule reminders;
};

// The dates are read anew first, so that one added from the command line while the window is closed is reminded of.
void UpdateReminders(HiddenWindowState& state, HWND window) {
    if (state.app.state.reminders.RuleOf(ReminderKind::PersonDate).on) {
        ReadPeopleDates(state.app.state);
    }
    state.reminders.Update(window, state.app.state, state.app.settings, state.tray);
}

// A click on a notice opens the main window on the notice's day.
void ShowReminderDay(HiddenWindowState& state) {
    const std::optional<DayNumber> day = state.reminders.ShownDay();
    ShowMainWindow(state.app);
    if (day && state.app.windows.mainWindow != nullptr) {
        state.app.state.cursor.SetFromDayNumber(*day);
        SendMessageA(state.app.windows.mainWindow, UM_REFRESH, 0, 0);
    }
}

void OnTrayNotify(HiddenWindowState& state, HWND window, LPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONDBLCLK:
            ShowMainWindow(state.app);
            break;
        case WM_RBUTTONUP:
            SendMessageA(window, UM_TRAY_COMMAND, state.tray.TrackMenu(), 0);
            break;
        case WM_MOUSEMOVE:
            state.tray.ShowTodayInTip();
            break;
        case NIN_BALLOONUSERCLICK:
            ShowReminderDay(state);
            break;
        default:
            break;
    }
}

void OnTrayCommand(HiddenWindowState& state, HWND window, WPARAM command) {
    if (command == CMD_SHOW_MAIN) {
        ShowMainWindow(state.app);
    } else if (command == CMD_EXIT) {
        DestroyWindow(window);
    }
}

// The mutex goes first: from here on a new start runs instead of asking this copy. The state takes the tray icon
// with it.
void OnDestroy(HiddenWindowState& state, HWND window) {
    state.runningCopy.Release();
    state.app.windows.hiddenWindow = nullptr;
    DestroyWindowState<HiddenWindowState>(window);
    PostQuitMessage(0);
}

}  // namespace

HWND CreateHiddenWindow(App& app, RunningCopyMutex& runningCopy, int showCommand) {
    HiddenWindowParams params{&app, &runningCopy};
    const HWND window = CreateWindowExA(0, kHiddenWindowClass, kHiddenWindowTitle, 0, CW_USEDEFAULT, 0, 0, 0, nullptr,
                                        nullptr, app.windows.instance, &params);
    app.windows.hiddenWindow = window;
    ShowWindow(window, showCommand);
    ShowWindow(window, SW_HIDE);
    return window;
}

void AddTrayIcon(HWND hiddenWindow) {
    if (HiddenWindowState* state = WindowState<HiddenWindowState>(hiddenWindow)) {
        state->tray.Add(hiddenWindow, LoadIconA(state->app.windows.instance, MAKEINTRESOURCEA(IDI_APP_SMALL)));
        UpdateReminders(*state, hiddenWindow);
    }
}

LRESULT CALLBACK HiddenWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const auto& create = *reinterpret_cast<const CREATESTRUCTA*>(lParam);
        const auto* params = static_cast<const HiddenWindowParams*>(create.lpCreateParams);
        if (params == nullptr || params->app == nullptr || params->runningCopy == nullptr) {
            return -1;
        }
        AttachWindowState(window, std::make_unique<HiddenWindowState>(*params->app, *params->runningCopy));
        RunSplash(create.hInstance);
        return 0;
    }
    HiddenWindowState* state = WindowState<HiddenWindowState>(window);
    if (state == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_PAINT: {
            PaintDc paint(window);
            return 0;
        }
        case WM_DESTROY:
            OnDestroy(*state, window);
            return 0;
        case UM_TRAY_NOTIFY:
            OnTrayNotify(*state, window, lParam);
            return 0;
        case UM_TRAY_COMMAND:
            OnTrayCommand(*state, window, wParam);
            return 0;
        // The notices are computed anew when one falls due, the clock is changed, the computer wakes, or the
        // settings or the dates change.
        case WM_TIMER:
            if (wParam == kReminderTimerId) {
                UpdateReminders(*state, window);
            }
            return 0;
        case WM_TIMECHANGE:
        case UM_REMINDERS_CHANGED:
            UpdateReminders(*state, window);
            return 0;
        case WM_POWERBROADCAST:
            if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) {
                UpdateReminders(*state, window);
            }
            return TRUE;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
