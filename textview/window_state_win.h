// The state a window keeps for itself: made when the window is created, attached to it, and destroyed with it.
// The window owns its state through these three calls; nothing else deletes it.
#pragma once

#include <windows.h>

#include <memory>

// The window's state, or null before it is attached (messages that come before WM_NCCREATE or WM_CREATE) and after
// it is destroyed.
template <typename State>
State* WindowState(HWND window) {
    return reinterpret_cast<State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Hands the state to the window; it lives until DestroyWindowState.
template <typename State>
State& AttachWindowState(HWND window, std::unique_ptr<State> state) {
    State* const attached = state.release();
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(attached));
    return *attached;
}

// Takes the state back from the window and destroys it.
template <typename State>
void DestroyWindowState(HWND window) {
    const std::unique_ptr<State> owned(WindowState<State>(window));
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}
