// Help -> Contents: a page of the compiled help file in the installation folder, shown by the HTML Help control.
#pragma once

#include <windows.h>

class SettingsStore;

// The HTML Help control, loaded when first needed; a failed load is not tried again.
class HtmlHelp {
  public:
    HtmlHelp() = default;
    HtmlHelp(const HtmlHelp&) = delete;
    HtmlHelp& operator=(const HtmlHelp&) = delete;

    // Opens the zmanim page of help.chm in the folder the settings' "InstallPath" names; nothing when the control
    // cannot be loaded.
    void ShowContents(HWND owner, SettingsStore& settings);

  private:
    using Entry = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    Entry LoadedEntry();

    HMODULE library_ = nullptr;
    Entry entry_ = nullptr;
    bool tried_ = false;
};
