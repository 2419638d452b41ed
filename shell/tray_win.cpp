#include "shell/tray_win.h"

#include <iterator>
#include <string_view>

#include "calendar/clock.h"
#include "calendar/text_buffer.h"
#include "location/wide_text_win.h"
#include "resource.h"
#include "shell/messages.h"
#include "shell/tray_tip.h"

namespace {

constexpr UINT kTrayMenuFlags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_BOTTOMALIGN | TPM_RIGHTALIGN;  // 0x12A
constexpr std::size_t kTrayTipCapacity = 64;
constexpr std::size_t kTipTextSize = 200;
constexpr UINT kBalloonTimeoutMs = 30000;  // the shell keeps it within its own bounds

}  // namespace

TrayState::~TrayState() {
    if (menu_ != nullptr) {
        DestroyMenu(menu_);
    }
    if (added_) {
        Notify(NIM_DELETE);
        DestroyIcon(data_.hIcon);
    }
}

void TrayState::Add(HWND owner, HICON icon) {
    menu_ = CreatePopupMenu();
    AppendMenuA(menu_, MF_STRING, CMD_SHOW_MAIN, "Show Kestrelon");
    AppendMenuA(menu_, MF_STRING, CMD_EXIT, "Exit");

    data_ = NOTIFYICONDATAA{};
    data_.cbSize = sizeof data_;
    data_.hWnd = owner;
    data_.uID = 0;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = UM_TRAY_NOTIFY;
    data_.hIcon = icon;
    added_ = true;
    Notify(NIM_ADD);
}

WPARAM TrayState::TrackMenu() const {
    const HWND owner = data_.hWnd;
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(owner);
    SetFocus(owner);
    const BOOL command = TrackPopupMenu(menu_, kTrayMenuFlags, cursor.x, cursor.y, 0, owner, nullptr);
    // The null message makes the menu close properly when the user clicks elsewhere.
    SendMessageA(owner, WM_NULL, 0, 0);
    return static_cast<WPARAM>(command);
}

void TrayState::ShowTodayInTip() {
    const LocalDateTime today = ReadLocalClock();
    char tip[kTipTextSize];
    FormatTrayTip(today.day, today.month, today.year, tip, sizeof tip);
    CopyText(data_.szTip, kTrayTipCapacity, tip);
    Notify(NIM_MODIFY);
}

// The balloon goes by the wide function, so that a name in any script shows as typed. It modifies the balloon alone,
// and the tip's later modifications (by the narrow function, without NIF_INFO) never show it again.
void TrayState::ShowBalloon(const std::string& utf8) {
    if (!added_ || notifyWide_ == nullptr) {  // the shell's functions are loaded once the icon is added
        return;
    }
    NOTIFYICONDATAW balloon{};
    balloon.cbSize = sizeof balloon;
    balloon.hWnd = data_.hWnd;
    balloon.uID = data_.uID;
    balloon.uFlags = NIF_INFO;
    const std::wstring text = WideFromUtf8(utf8);
    text.copy(balloon.szInfo, std::size(balloon.szInfo) - 1);
    const std::wstring_view title = L"Kestrelon";
    title.copy(balloon.szInfoTitle, std::size(balloon.szInfoTitle) - 1);
    balloon.uTimeout = kBalloonTimeoutMs;
    balloon.dwInfoFlags = NIIF_INFO;
    notifyWide_(NIM_MODIFY, &balloon);
}

bool TrayState::Notify(DWORD message) {
    if (!loaded_) {
        loaded_ = true;
        if (const HMODULE shell = LoadLibraryA("shell32.dll")) {
            notify_ =
                reinterpret_cast<NotifyFunction>(reinterpret_cast<void*>(GetProcAddress(shell, "Shell_NotifyIconA")));
            notifyWide_ = reinterpret_cast<NotifyWideFunction>(
                reinterpret_cast<void*>(GetProcAddress(shell, "Shell_NotifyIconW")));
        }
    }
    return notify_ != nullptr && notify_(message, &data_) != FALSE;
}
