// Help -> Contents: the zmanim page of the compiled help file in the installation folder, through the HTML Help
// control, which is loaded when first needed.
#include <windows.h>

#include "calendar/text_buffer.h"
#include "location/settings_store.h"
#include "shell/app_windows.h"
#include "shell/shell_win.h"

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

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

HtmlHelpFunction HtmlHelpEntry() {
    if (!gAppWindows.htmlHelpTried) {
        gAppWindows.htmlHelpTried = true;
        char path[MAX_PATH];
        ReadHtmlHelpPath(path, sizeof path);
        HMODULE library = path[0] != '\0' ? LoadLibraryA(path) : nullptr;
        if (library == nullptr) {
            library = LoadLibraryA("hhctrl.ocx");
        }
        gAppWindows.htmlHelpLibrary = library;
        if (library != nullptr) {
            gAppWindows.htmlHelpEntry = GetProcAddress(library, MAKEINTRESOURCEA(kHtmlHelpOrdinal));
        }
    }
    return reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(gAppWindows.htmlHelpEntry));
}

}  // namespace

void ShowHelpContents(HWND owner) {
    char folder[200];
    readSettingString("InstallPath", folder, sizeof folder);
    char topic[400];
    FormatText(topic, sizeof topic, "%s\\%s", folder, kHelpTopic);
    const HtmlHelpFunction htmlHelp = HtmlHelpEntry();
    if (htmlHelp == nullptr) {
        return;
    }
    ShowWindow(htmlHelp(owner, topic, kHelpDisplayTopic, 0), SW_SHOW);
}
