// Where a dialog opens: centred on the window that owns it, or on the screen while that window is not shown, and
// always inside the work area of the monitor it is on.
#include <windows.h>

#include "shell/layout.h"
#include "shell/shell_win.h"

namespace {

LayoutRect ToLayout(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

void CentreDialogOnOwner(HWND dialog) {
    const HWND owner = GetWindow(dialog, GW_OWNER);
    const bool ownerShown = owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(ownerShown ? owner : dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT over = monitor.rcWork;
    if (ownerShown) {
        GetWindowRect(owner, &over);
    }
    RECT own{};
    GetWindowRect(dialog, &own);
    const LayoutRect placed =
        layout::CentredWithin(own.right - own.left, own.bottom - own.top, ToLayout(over), ToLayout(monitor.rcWork));
    SetWindowPos(dialog, nullptr, placed.x, placed.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
