#include "tests/windows/e2e/preferences_driver_win.h"

#include <gtest/gtest.h>

namespace e2e {

namespace {

struct OwnedDialogSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwnedDialog(HWND window, LPARAM state) {
    auto* search = reinterpret_cast<OwnedDialogSearch*>(state);
    if (GetWindow(window, GW_OWNER) == search->owner && IsWindowVisible(window) && ClassOf(window) == "#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND WaitForOwnedDialog(HWND owner, DWORD timeoutMs) {
    OwnedDialogSearch search{owner, nullptr};
    WaitFor(
        [&] {
            EnumWindows(FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

std::string StoredValues(std::initializer_list<const char*> names) {
    std::string text;
    for (const char* name : names) {
        DWORD value = 0;
        text += text.empty() ? "" : " ";
        text += ReadSetting(name, value) ? std::to_string(static_cast<LONG>(value)) : std::string("-");
    }
    return text;
}

std::string StoredSettings() {
    return StoredValues({"City", "Latitude", "Longitude", "Elevation", "Elevation Units", "Holiday"});
}

void DeleteSetting(const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, name);
        RegCloseKey(key);
    }
}

PreferencesDialog PreferencesDialog::OpenFromMenu(HWND main) {
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(kPreferencesCommand, 0), 0);
    const HWND dialog = WaitForOwnedDialog(main);
    if (dialog == nullptr) {
        ADD_FAILURE() << "the Preferences dialog did not open";
    }
    return PreferencesDialog(dialog);
}

PreferencesDialog PreferencesDialog::OpenFromChangeLocation(HWND main, HWND changeLocationButton) {
    PostMessageA(changeLocationButton, BM_CLICK, 0, 0);
    const HWND dialog = WaitForOwnedDialog(main);
    if (dialog == nullptr) {
        ADD_FAILURE() << "\"Change Location\" opened no dialog";
    }
    return PreferencesDialog(dialog);
}

void PreferencesDialog::TypeZip(const char* digits) const {
    const HWND edit = Item(kZipEdit);
    Send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    for (const char* p = digits; *p != '\0'; ++p) {
        Send(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(*p)), 1);
    }
}

void PreferencesDialog::TypeInto(int boxId, const char* text) const {
    const HWND edit = FindWindowExA(Item(boxId), nullptr, "Edit", nullptr);
    Send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    for (const char* p = text; *p != '\0'; ++p) {
        Send(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(*p)), 1);
    }
}

void PreferencesDialog::PressEnterInZipField() const {
    const HWND edit = Item(kZipEdit);
    Send(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    // The dialog's message loop turns the key into the default button's command.
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(edit, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001));
    Settle();
}

void PreferencesDialog::Click(int id) const {
    Send(Item(id), BM_CLICK);
}

void PreferencesDialog::PostClick(int id) const {
    PostMessageA(Item(id), BM_CLICK, 0, 0);
}

void PreferencesDialog::Settle() const {
    // Messages posted to one thread are handled in order: once a posted change of the ZIP field's limit shows,
    // everything posted before it has been handled. The limit stays far above a ZIP code's length.
    static WPARAM mark = 1000;
    mark = mark == 1000 ? 1001 : 1000;
    const HWND edit = Item(kZipEdit);
    PostMessageA(edit, EM_SETLIMITTEXT, mark, 0);
    const bool handled = WaitFor(
        [&] {
            DWORD_PTR limit = 0;
            return !IsWindow(edit) ||
                   (SendMessageTimeoutA(edit, EM_GETLIMITTEXT, 0, 0, SMTO_ABORTIFHUNG, 5000, &limit) != 0 &&
                    limit == mark);
        },
        5000);
    if (!handled || !IsWindow(edit)) {
        ADD_FAILURE() << "the dialog did not handle its posted messages or closed";
    }
}

void PreferencesDialog::Choose(int listId, const char* text) const {
    ChooseComboEntry(Item(listId), text);
}

std::string PreferencesDialog::SelectedText(int listId) const {
    const int index = ComboSelection(Item(listId));
    return index < 0 ? std::string("(none)") : ComboText(Item(listId), index);
}

LRESULT PreferencesDialog::SelectedData(int listId) const {
    const HWND list = Item(listId);
    return Send(list, CB_GETITEMDATA, static_cast<WPARAM>(ComboSelection(list)));
}

int PreferencesDialog::CountItems(int listId, const char* text) const {
    const HWND list = Item(listId);
    int count = 0;
    for (int i = 0; i < ComboCount(list); ++i) {
        count += ComboText(list, i) == text ? 1 : 0;
    }
    return count;
}

bool PreferencesDialog::Checked(int id) const {
    return Send(Item(id), BM_GETCHECK) == BST_CHECKED;
}

std::string PreferencesDialog::Position() const {
    return SelectedText(kLatitudeDegrees) + " " + SelectedText(kLatitudeMinutes) + " " +
           SelectedText(kLatitudeHemisphere) + " / " + SelectedText(kLongitudeDegrees) + " " +
           SelectedText(kLongitudeMinutes) + " " + SelectedText(kLongitudeHemisphere);
}

std::string PreferencesDialog::Describe() const {
    const auto checks = [this](int id) { return std::string(Checked(id) ? "x" : "o"); };
    return "city \"" + SelectedText(kCityList) + "\" (" + std::to_string(SelectedData(kCityList)) + ") of " +
           std::to_string(ComboCount(Item(kCityList))) + " items, " + Position() + ", elevation " +
           SelectedText(kElevationList) + ", Meters " + checks(kMeters) + " Feet " + checks(kFeet) + ", Israel " +
           checks(kIsrael) + " Diaspora " + checks(kDiaspora) + ", ZIP \"" + TextOf(Item(kZipEdit)) + "\", candles " +
           checks(kCandlesPlace) + " or " + checks(kCandlesSet) + " \"" + TextOf(Item(kCandlesMinutes)) +
           "\", havdalah " + checks(kHavdalahNightfall) + " or " + checks(kHavdalahSet) + " \"" +
           TextOf(Item(kHavdalahMinutes)) + "\"";
}

void PreferencesDialog::Ok() {
    CloseWith(IDOK);
}

void PreferencesDialog::Cancel() {
    CloseWith(IDCANCEL);
}

void PreferencesDialog::CloseWith(int id) {
    if (!IsOpen()) {
        ADD_FAILURE() << "the Preferences dialog is not open";
        return;
    }
    Click(id);
    if (!WaitFor([this] { return !IsWindow(dialog_); }, 5000)) {
        ADD_FAILURE() << "the Preferences dialog stayed open";
    }
    dialog_ = nullptr;
}

}  // namespace e2e
