// The splash picture, shown in the middle of the screen for three seconds while the program starts.
#include <windows.h>

#include <memory>
#include <utility>

#include "resource.h"
#include "shell/shell_win.h"
#include "textview/gdi_win.h"
#include "textview/window_state_win.h"

namespace {

constexpr DWORD kSplashMs = 3000;

struct SplashState {
    Bitmap picture;
    SIZE size{};
};

void OnSplashCreate(HWND window, const CREATESTRUCTA& create) {
    auto state = std::make_unique<SplashState>();
    state->picture.Reset(static_cast<HBITMAP>(
        LoadImageA(create.hInstance, MAKEINTRESOURCEA(IDB_SPLASH), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    BITMAP info{};
    GetObjectA(state->picture.Get(), sizeof info, &info);
    state->size = {info.bmWidth, info.bmHeight};
    AttachWindowState(window, std::move(state));
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

LRESULT CALLBACK SplashWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnSplashCreate(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
            return 0;
        case WM_PAINT: {
            if (const SplashState* state = WindowState<SplashState>(window)) {
                OnSplashPaint(window, *state);
            } else {
                PaintDc paint(window);
            }
            return 0;
        }
        case WM_DESTROY:
            DestroyWindowState<SplashState>(window);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void RunSplash(HINSTANCE instance) {
    const HWND splash =
        CreateWindowExA(0, kSplashWindowClass, "Kestrelon", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
    ShowWindow(splash, SW_SHOW);
    InvalidateRgn(splash, nullptr, TRUE);
    UpdateWindow(splash);
    Sleep(kSplashMs);
    ShowWindow(splash, SW_HIDE);
    DestroyWindow(splash);
}
