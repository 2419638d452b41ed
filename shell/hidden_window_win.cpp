#include "shell/hidden_window_win.h"

#include <memory>

#include "resource.h"
#include "shell/app_windows.h"
#include "shell/messages.h"
#include "shell/shell_win.h"
#include "shell/tray_win.h"
#include "textview/window_state_win.h"

namespace {

constexpr char kHiddenWindowTitle[] = "Tennick's Puppeteers";

// The window is made with the App as its creation parameter.
struct HiddenWindowState {
    explicit HiddenWindowState(App& owner) : app(owner) {}
    App& app;
    TrayState tray;
};

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

// The state takes the tray icon with it.
void OnDestroy(HiddenWindowState& state, HWND window) {
    state.app.windows.hiddenWindow = nullptr;
    DestroyWindowState<HiddenWindowState>(window);
    PostQuitMessage(0);
}

}  // namespace

HWND CreateHiddenWindow(App& app, int showCommand) {
    const HWND window = CreateWindowExA(0, kHiddenWindowClass, kHiddenWindowTitle, 0, CW_USEDEFAULT, 0, 0, 0, nullptr,
                                        nullptr, app.windows.instance, &app);
    app.windows.hiddenWindow = window;
    ShowWindow(window, showCommand);
    ShowWindow(window, SW_HIDE);
    return window;
}

void AddTrayIcon(HWND hiddenWindow) {
    if (HiddenWindowState* state = WindowState<HiddenWindowState>(hiddenWindow)) {
        state->tray.Add(hiddenWindow, LoadIconA(state->app.windows.instance, MAKEINTRESOURCEA(IDI_APP_SMALL)));
    }
}

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
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
