// The Preferences dialog of the running program, opened and filled in as a user does: the menu command or the
// "Change Location" button, typing, Enter, list choices and button clicks.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#include "tests/windows/e2e/app_driver_win.h"

namespace e2e {

// Control ids of the dialog.
inline constexpr int kCityList = 1002;
inline constexpr int kLatitudeDegrees = 1005;
inline constexpr int kLatitudeMinutes = 1006;
inline constexpr int kLatitudeHemisphere = 1007;
inline constexpr int kLongitudeDegrees = 1008;
inline constexpr int kLongitudeMinutes = 1009;
inline constexpr int kLongitudeHemisphere = 1010;
inline constexpr int kElevationList = 1011;
inline constexpr int kFeet = 1019;
inline constexpr int kMeters = 1020;
inline constexpr int kIsrael = 1061;
inline constexpr int kDiaspora = 1062;
inline constexpr int kZipEdit = 1087;
inline constexpr int kLookUpZip = 1088;
inline constexpr int kCandlesPlace = 1101;
inline constexpr int kCandlesSet = 1102;
inline constexpr int kCandlesMinutes = 1103;
inline constexpr int kHavdalahNightfall = 1104;
inline constexpr int kHavdalahSet = 1105;
inline constexpr int kHavdalahMinutes = 1106;

inline constexpr int kPreferencesCommand = 32801;
inline constexpr int kCopyHolidayCommand = 32806;
inline constexpr int kCopyZmanimCommand = 32807;
inline constexpr int kHelpContentsCommand = 32799;

// The first visible dialog box (class "#32770") owned by owner that appears within the time, or null.
HWND WaitForOwnedDialog(HWND owner, DWORD timeoutMs = 5000);

// Settings values as the registry holds them, separated by blanks; a missing value reads as "-".
std::string StoredValues(std::initializer_list<const char*> names);
// All six, in the order City, Latitude, Longitude, Elevation, Elevation Units, Holiday.
std::string StoredSettings();
void DeleteSetting(const char* name);

class PreferencesDialog {
  public:
    // Posts the menu command (the dialog is modal, so a sent command would not return) and waits for the dialog.
    static PreferencesDialog OpenFromMenu(HWND main);
    // Clicks "Change Location" on the tab surface; the button is on show only on the "Zmanim" tab.
    static PreferencesDialog OpenFromChangeLocation(HWND main, HWND changeLocationButton);

    HWND Window() const { return dialog_; }
    bool IsOpen() const { return dialog_ != nullptr && IsWindow(dialog_) && IsWindowVisible(dialog_); }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }

    // Replaces the ZIP field's text, one typed character at a time.
    void TypeZip(const char* digits) const;
    // Puts the keyboard focus into the ZIP field and presses Enter there.
    void PressEnterInZipField() const;
    // Replaces the text of a box the user may type into (the minutes boxes), one typed character at a time.
    void TypeInto(int boxId, const char* text) const;
    // A click on a button that opens no window (the dialog's own buttons, the radio buttons).
    void Click(int id) const;
    // A click on a button that may open a message box: posted, so the box's modal loop does not block the test.
    void PostClick(int id) const;
    // Waits until every message posted to the dialog so far has been handled.
    void Settle() const;
    void Choose(int listId, const char* text) const;

    std::string SelectedText(int listId) const;
    LRESULT SelectedData(int listId) const;
    int CountItems(int listId, const char* text) const;
    bool Checked(int id) const;
    // "40 45 N / 74 0 W": the six position lists' selections.
    std::string Position() const;
    // Every control the user sets, in one line, to compare the dialog before and after something.
    std::string Describe() const;

    // OK and Cancel; each waits until the dialog is gone.
    void Ok();
    void Cancel();

  private:
    explicit PreferencesDialog(HWND dialog) : dialog_(dialog) {}
    void CloseWith(int id);

    HWND dialog_ = nullptr;
};

}  // namespace e2e
