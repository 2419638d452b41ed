// Help -> Contents: the zmanim page of the compiled help file in the installation folder, through the HTML Help
// control, which is loaded when first needed.
#include <windows.h>

#include "shell/help_win.h"

#include "calendar/text_buffer.h"
#include "location/settings_store.h"

namespace {

constexpr UINT kHelpDisplayTopic = 0;  // HH_DISPLAY_TOPIC
constexpr WORD kHtmlHelpOrdinal = 14;  // HtmlHelpA
constexpr char kHelpTopic[] = "help.chm::/zmanim.htm";
constexpr char kHtmlHelpClassKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

// The control's file as the registry names it, or empty.
void ReadHtmlHelpPath(char* path, DWORD size) {
    path[0] = '\0';
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kHtmlHelpClassKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return;
    }
    DWORD type = 0;
    DWORD bytes = size - 1;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(path), &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        bytes = 0;
    }
    path[bytes < size ? bytes : size - 1] = '\0';
    RegCloseKey(key);
}

}  // namespace

HtmlHelp::Entry HtmlHelp::LoadedEntry() {
    if (!tried_) {
        tried_ = true;
        char path[MAX_PATH];
        ReadHtmlHelpPath(path, sizeof path);
        library_ = path[0] != '\0' ? LoadLibraryA(path) : nullptr;
        if (library_ == nullptr) {
            library_ = LoadLibraryA("hhctrl.ocx");
        }
        if (library_ != nullptr) {
            entry_ = reinterpret_cast<Entry>(
                reinterpret_cast<void*>(GetProcAddress(library_, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
        }
    }
    return entry_;
}

void HtmlHelp::ShowContents(HWND owner, SettingsStore& settings) {
    char folder[200];
    readSettingString(settings, kInstallPathValue, folder, sizeof folder);
    char topic[400];
    FormatText(topic, sizeof topic, "%s\\%s", folder, kHelpTopic);
    const Entry htmlHelp = LoadedEntry();
    if (htmlHelp == nullptr) {
        return;
    }
    ShowWindow(htmlHelp(owner, topic, kHelpDisplayTopic, 0), SW_SHOW);
}
