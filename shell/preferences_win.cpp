// The Preferences dialog: the place (a preset city, a US ZIP code, or a position typed in), the elevation with its
// unit, the holiday observance, when candles are lit and Shabbat ends, and the tray's reminders. OK stores
// everything in the Location, the Shabbat and the reminder settings it was given and saves it; whoever opened the
// dialog shows the place anew.
#include <windows.h>

#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>

#include "calendar/text_buffer.h"
#include "location/location.h"
#include "location/place_rules.h"
#include "location/reminder_settings.h"
#include "location/shabbat_settings.h"
#include "location/zip_code_text.h"
#include "location/zip_database.h"
#include "resource.h"
#include "shell/shell_win.h"
#include "textview/window_state_win.h"

namespace {

// The hemisphere lists hold N, S and W, E in this order; each item's data is its index.
constexpr int kNorth = 0;
constexpr int kSouth = 1;
constexpr int kWest = 0;
constexpr int kEast = 1;
constexpr int kNoZipCode = -1;  // ParseZipCodeText's "none"

// The minutes a box offers; any other number in its range may be typed, up to three digits.
constexpr int kOfferedCandleLightingMinutes[] = {18, 20, 30, 40};
constexpr int kOfferedHavdalahMinutes[] = {42, 50, 72};
constexpr int kMinutesDigits = 3;
constexpr std::int32_t kDefaultSetting = -1;  // the stored number of "the place's own" and "at nightfall"

// One of the two Shabbat settings as the dialog shows it: the default's button, the minutes' button and box.
struct MinutesControls {
    int defaultButton;
    int minutesButton;
    int box;
    int largest;
    const char* caption;
    const char* request;  // what the refusal asks for, before the range
};
constexpr MinutesControls kCandleLighting{IDC_CANDLES_PLACE,   IDC_CANDLES_SET,
                                          IDC_CANDLES_MINUTES, kMaxCandleLightingMinutes,
                                          "Candle lighting",   "Please type the minutes before sunset"};
constexpr MinutesControls kHavdalah{IDC_HAVDALAH_NIGHTFALL, IDC_HAVDALAH_SET, IDC_HAVDALAH_MINUTES,
                                    kMaxHavdalahMinutes,    "Havdalah",       "Please type the minutes after sunset"};

// The reminders' switch and minutes box of each kind, in the order of ReminderKind, and what a refusal asks for.
struct ReminderControls {
    ReminderKind kind;
    int switchButton;
    int box;
    const char* request;
};
constexpr ReminderControls kReminderControls[] = {
    {ReminderKind::CandleLighting, IDC_REMIND_CANDLES, IDC_REMIND_CANDLES_MINUTES,
     "Please type the minutes before candle lighting"},
    {ReminderKind::PersonDate, IDC_REMIND_DATES, IDC_REMIND_DATES_MINUTES,
     "Please type the minutes before a date begins"},
    {ReminderKind::Omer, IDC_REMIND_OMER, IDC_REMIND_OMER_MINUTES, "Please type the minutes before nightfall"},
    {ReminderKind::Fast, IDC_REMIND_FAST, IDC_REMIND_FAST_MINUTES, "Please type the minutes before a fast begins"},
};

// The dialog's state: what it edits, from its creation parameter (DialogBoxParamA's lParam).
struct PreferencesState {
    explicit PreferencesState(const PreferencesParams& given) : params(given) {}
    PreferencesParams params;
};

LRESULT SendItem(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

LRESULT FindPrefix(HWND dialog, int id, const char* text) {
    return SendItem(dialog, id, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
}

LRESULT FindExact(HWND dialog, int id, const char* text) {
    return SendItem(dialog, id, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
}

void AddItem(HWND dialog, int id, const char* text, LPARAM data) {
    const LRESULT index = SendItem(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendItem(dialog, id, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

void Select(HWND dialog, int id, LRESULT index) {
    SendItem(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index));
}

// The item data of the selected item; CB_ERR (-1) when nothing is selected.
int SelectedData(HWND dialog, int id) {
    const LRESULT index = SendItem(dialog, id, CB_GETCURSEL);
    return static_cast<int>(SendItem(dialog, id, CB_GETITEMDATA, static_cast<WPARAM>(index)));
}

void AddNumbers(HWND dialog, int id, int last, int step) {
    for (int number = 0; number <= last; number += step) {
        char text[16];
        FormatText(text, sizeof text, "%d", number);
        AddItem(dialog, id, text, number);
    }
}

void SelectNumber(HWND dialog, int id, int number, bool exact) {
    char text[16];
    FormatText(text, sizeof text, "%d", number);
    Select(dialog, id, exact ? FindExact(dialog, id, text) : FindPrefix(dialog, id, text));
}

int HemisphereItem(Hemisphere hemisphere) {
    switch (hemisphere) {
        case Hemisphere::North:
            return kNorth;
        case Hemisphere::South:
            return kSouth;
        case Hemisphere::West:
            return kWest;
        case Hemisphere::East:
            break;
    }
    return kEast;
}

// Sets the position lists from a city's position.
void SetPositionControls(HWND dialog, const PlacePosition& position) {
    const UnpackedAngle lat = unpackAngle(position.latitude);
    SelectNumber(dialog, IDC_LAT_DEGREES, lat.degrees, true);
    SelectNumber(dialog, IDC_LAT_MINUTES, lat.minutes, true);
    Select(dialog, IDC_LAT_HEMISPHERE, HemisphereItem(HemisphereOf(Axis::Latitude, position.latitude)));
    const UnpackedAngle lon = unpackAngle(position.longitude);
    SelectNumber(dialog, IDC_LON_DEGREES, lon.degrees, true);
    SelectNumber(dialog, IDC_LON_MINUTES, lon.minutes, true);
    Select(dialog, IDC_LON_HEMISPHERE, HemisphereItem(HemisphereOf(Axis::Longitude, position.longitude)));
}

// The index of the first item that carries data, or CB_ERR.
LRESULT FindData(HWND dialog, int id, LPARAM data) {
    const LRESULT count = SendItem(dialog, id, CB_GETCOUNT);
    for (LRESULT index = 0; index < count; ++index) {
        if (SendItem(dialog, id, CB_GETITEMDATA, static_cast<WPARAM>(index)) == data) {
            return index;
        }
    }
    return CB_ERR;
}

// The current place's item first (empty when there is none), then every named preset whose name is not there
// already (a ZIP place of the same name keeps its code). The current item is found by its data: an empty text is
// found by CB_FINDSTRING on Windows but not under Wine.
void FillCityList(HWND dialog, const Location& location) {
    char label[200];
    location.cityName(label, sizeof label);
    AddItem(dialog, IDC_CITY_LIST, label, location.city());
    const PresetCityList presets = presetCities();
    for (int i = 0; i < presets.count; ++i) {
        const PresetCity& preset = presets.rows[i];
        if (preset.name[0] != '\0' && FindPrefix(dialog, IDC_CITY_LIST, preset.name) == CB_ERR) {
            AddItem(dialog, IDC_CITY_LIST, preset.name, preset.id);
        }
    }
    Select(dialog, IDC_CITY_LIST, FindData(dialog, IDC_CITY_LIST, location.city()));
}

void FillPositionControls(HWND dialog, const Location& location) {
    AddNumbers(dialog, IDC_LAT_DEGREES, kMaxLatitudeDegrees, 1);
    AddNumbers(dialog, IDC_LAT_MINUTES, kMinutesPerDegree - 1, 1);
    AddNumbers(dialog, IDC_LON_DEGREES, kMaxLongitudeDegrees, 1);
    AddNumbers(dialog, IDC_LON_MINUTES, kMinutesPerDegree - 1, 1);
    const UnpackedAngle lat = unpackAngle(location.latitude());
    const UnpackedAngle lon = unpackAngle(location.longitude());
    SelectNumber(dialog, IDC_LAT_DEGREES, lat.degrees, false);
    SelectNumber(dialog, IDC_LAT_MINUTES, lat.minutes, false);
    SelectNumber(dialog, IDC_LON_DEGREES, lon.degrees, false);
    SelectNumber(dialog, IDC_LON_MINUTES, lon.minutes, false);

    AddItem(dialog, IDC_LAT_HEMISPHERE, "N", kNorth);
    AddItem(dialog, IDC_LAT_HEMISPHERE, "S", kSouth);
    Select(dialog, IDC_LAT_HEMISPHERE, HemisphereItem(HemisphereOf(Axis::Latitude, location.latitude())));
    AddItem(dialog, IDC_LON_HEMISPHERE, "W", kWest);
    AddItem(dialog, IDC_LON_HEMISPHERE, "E", kEast);
    Select(dialog, IDC_LON_HEMISPHERE, HemisphereItem(HemisphereOf(Axis::Longitude, location.longitude())));

    AddNumbers(dialog, IDC_ELEVATION, kMaxListedElevation, kElevationStep);
    SelectNumber(dialog, IDC_ELEVATION, location.elevation(), false);
}

// The position the lists show, as a Location holds it.
PlacePosition TypedPosition(HWND dialog) {
    return {TypedAngle(SelectedData(dialog, IDC_LAT_DEGREES), SelectedData(dialog, IDC_LAT_MINUTES),
                       SelectedData(dialog, IDC_LAT_HEMISPHERE) != kNorth ? Hemisphere::South : Hemisphere::North),
            TypedAngle(SelectedData(dialog, IDC_LON_DEGREES), SelectedData(dialog, IDC_LON_MINUTES),
                       SelectedData(dialog, IDC_LON_HEMISPHERE) != kWest ? Hemisphere::East : Hemisphere::West)};
}

// "The place's own" names the minutes of the place that OK would store: a position changed by hand away from
// Jerusalem's is no longer Jerusalem.
void ShowPlaceMinutes(HWND dialog) {
    const std::int32_t city = CityKeptAt(SelectedData(dialog, IDC_CITY_LIST), TypedPosition(dialog));
    char text[64];
    FormatText(text, sizeof text, "The place's own (%d minutes)", PlaceCandleLightingMinutes(city));
    SetDlgItemTextA(dialog, IDC_CANDLES_PLACE, text);
}

// The stored number's minutes when it holds minutes within the range, else the default's button (a number out of
// range counts as the default, as the times read it).
void FillMinutesControls(HWND dialog,
                         const MinutesControls& controls,
                         const int* offered,
                         int offeredCount,
                         std::optional<int> minutes) {
    for (int i = 0; i < offeredCount; ++i) {
        char text[16];
        FormatText(text, sizeof text, "%d", offered[i]);
        SendItem(dialog, controls.box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    SendItem(dialog, controls.box, CB_LIMITTEXT, kMinutesDigits);
    if (minutes) {
        SetDlgItemInt(dialog, controls.box, static_cast<UINT>(*minutes), FALSE);
    }
    CheckRadioButton(dialog, controls.defaultButton, controls.minutesButton,
                     minutes ? controls.minutesButton : controls.defaultButton);
}

// Picking or typing minutes chooses them.
void OnMinutesBoxNotification(HWND dialog, const MinutesControls& controls, int code) {
    if (code == CBN_EDITCHANGE || code == CBN_SELCHANGE) {
        CheckRadioButton(dialog, controls.defaultButton, controls.minutesButton, controls.minutesButton);
    }
}

// Digits alone (blanks around them allowed), at most the box's three.
std::optional<int> ParseMinutes(const char* text) {
    while (*text == ' ') {
        ++text;
    }
    int value = 0;
    int digits = 0;
    for (; *text >= '0' && *text <= '9'; ++text, ++digits) {
        value = value * 10 + (*text - '0');
    }
    while (*text == ' ') {
        ++text;
    }
    if (digits == 0 || digits > kMinutesDigits || *text != '\0') {
        return std::nullopt;
    }
    return value;
}

// The number to store for the user's choice: -1 for the default's button, else the box's minutes; nothing when the
// box holds no number within the range.
std::optional<std::int32_t> ChosenSetting(HWND dialog, const MinutesControls& controls) {
    if (IsDlgButtonChecked(dialog, controls.minutesButton) != BST_CHECKED) {
        return kDefaultSetting;
    }
    char text[16];
    GetDlgItemTextA(dialog, controls.box, text, sizeof text);
    const std::optional<int> minutes = ParseMinutes(text);
    if (!minutes || *minutes > controls.largest) {
        return std::nullopt;
    }
    return *minutes;
}

// Says what range the box takes, as the ZIP field refuses a code it does not know, and puts the focus on the box.
void RefuseMinutes(HWND dialog, const MinutesControls& controls) {
    char text[120];
    FormatText(text, sizeof text, "%s as a number from 0 to %d.", controls.request, controls.largest);
    MessageBoxA(dialog, text, controls.caption, MB_OK | MB_ICONERROR);
    MessageBeep(MB_ICONHAND);
    const HWND box = GetDlgItem(dialog, controls.box);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    SendMessageA(box, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

// A setting is written only when the choice means something else than the stored number: an unchanged OK leaves
// a stored number out of range, or a value that cannot be read, exactly as it is.
template <typename Setting>
void SaveIfChanged(SettingsStore& settings,
                   const char* name,
                   std::optional<int> storedMinutes,
                   std::int32_t chosen,
                   Setting& setting) {
    if (chosen == storedMinutes.value_or(kDefaultSetting)) {
        return;
    }
    setting = static_cast<Setting>(chosen);
    writeSettingDword(settings, name, chosen);
}

void FillReminderControls(HWND dialog, const ReminderSettings& reminders) {
    for (const ReminderControls& controls : kReminderControls) {
        const ReminderRule rule = reminders.RuleOf(controls.kind);
        CheckDlgButton(dialog, controls.switchButton, rule.on ? BST_CHECKED : BST_UNCHECKED);
        SendItem(dialog, controls.box, EM_LIMITTEXT, kMinutesDigits);
        SetDlgItemInt(dialog, controls.box, static_cast<UINT>(rule.minutesBefore), FALSE);
    }
}

// The minutes a reminder's box holds, when they are a number within the kind's range.
std::optional<int> ChosenReminderMinutes(HWND dialog, const ReminderControls& controls) {
    char text[16];
    GetDlgItemTextA(dialog, controls.box, text, sizeof text);
    const std::optional<int> minutes = ParseMinutes(text);
    if (!minutes || *minutes > ReminderValuesOf(controls.kind).largestMinutes) {
        return std::nullopt;
    }
    return minutes;
}

void RefuseReminderMinutes(HWND dialog, const ReminderControls& controls) {
    char text[120];
    FormatText(text, sizeof text, "%s as a number from 0 to %d.", controls.request,
               ReminderValuesOf(controls.kind).largestMinutes);
    MessageBoxA(dialog, text, "Reminders", MB_OK | MB_ICONERROR);
    MessageBeep(MB_ICONHAND);
    const HWND box = GetDlgItem(dialog, controls.box);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    SendMessageA(box, EM_SETSEL, 0, -1);
}

// Each switch and minutes value is written only when the choice means something else than the stored number.
void SaveReminders(HWND dialog, SettingsStore& settings, ReminderSettings& reminders, const int* minutes) {
    for (const ReminderControls& controls : kReminderControls) {
        const std::size_t index = static_cast<std::size_t>(controls.kind);
        const ReminderValues& values = ReminderValuesOf(controls.kind);
        const ReminderRule stored = reminders.RuleOf(controls.kind);
        const bool on = IsDlgButtonChecked(dialog, controls.switchButton) == BST_CHECKED;
        if (on != stored.on) {
            reminders.switches[index] = on ? 1 : 0;
            writeSettingDword(settings, values.switchName, reminders.switches[index]);
        }
        if (minutes[index] != stored.minutesBefore) {
            reminders.minutes[index] = minutes[index];
            writeSettingDword(settings, values.minutesName, reminders.minutes[index]);
        }
    }
}

void OnInitDialog(HWND dialog, const PreferencesParams& params) {
    AttachWindowState(dialog, std::make_unique<PreferencesState>(params));
    CentreDialogOnOwner(dialog);
    const Location& location = params.location;
    FillCityList(dialog, location);
    FillPositionControls(dialog, location);
    CheckRadioButton(dialog, IDC_ISRAEL, IDC_DIASPORA,
                     location.holiday() == Observance::Israel ? IDC_ISRAEL : IDC_DIASPORA);
    CheckRadioButton(dialog, IDC_FEET, IDC_METERS,
                     location.elevationUnits() == ElevationUnits::Metres ? IDC_METERS : IDC_FEET);
    FillMinutesControls(dialog, kCandleLighting, kOfferedCandleLightingMinutes,
                        static_cast<int>(std::size(kOfferedCandleLightingMinutes)),
                        CandleLightingMinutesOf(params.shabbat.candleLighting));
    FillMinutesControls(dialog, kHavdalah, kOfferedHavdalahMinutes,
                        static_cast<int>(std::size(kOfferedHavdalahMinutes)),
                        HavdalahMinutesOf(params.shabbat.havdalah));
    FillReminderControls(dialog, params.reminders);
    ShowPlaceMinutes(dialog);
}

void OnCityListNotification(HWND dialog) {
    int code = SelectedData(dialog, IDC_CITY_LIST);
    if (code == CB_ERR) {
        code = 0;
    }
    if (const std::optional<PlacePosition> position = PositionOfCity(code)) {
        SetPositionControls(dialog, *position);
    }
}

void LookUpZipCode(HWND dialog) {
    char text[400];
    GetDlgItemTextA(dialog, IDC_ZIP_EDIT, text, sizeof text);
    if (text[0] == '\0') {
        return;
    }
    const int code = ParseZipCodeText(text);
    ZipRow row{};
    if (code == kNoZipCode || !zipLookup(code, row)) {
        MessageBoxA(dialog, "Zip code not found, please try again.", "No such zip code", MB_OK | MB_ICONERROR);
        MessageBeep(MB_ICONHAND);
        return;
    }
    if (FindPrefix(dialog, IDC_CITY_LIST, row.placeName) == CB_ERR) {
        AddItem(dialog, IDC_CITY_LIST, row.placeName, code);
    }
    const LRESULT index = FindPrefix(dialog, IDC_CITY_LIST, row.placeName);
    Select(dialog, IDC_CITY_LIST, index);
    if (const std::optional<PlacePosition> position = PositionOfCity(code)) {
        SetPositionControls(dialog, *position);
    }
    // An item of the same name, e.g. the preset "Albany, NY", now stands for the ZIP code.
    if (index != CB_ERR) {
        SendItem(dialog, IDC_CITY_LIST, CB_SETITEMDATA, static_cast<WPARAM>(index), code);
    }
}

void StoreAndClose(HWND dialog) {
    const PreferencesState* state = WindowState<PreferencesState>(dialog);
    if (state == nullptr) {
        return;
    }
    const PreferencesParams& params = state->params;
    const std::optional<std::int32_t> candleLighting = ChosenSetting(dialog, kCandleLighting);
    if (!candleLighting) {
        RefuseMinutes(dialog, kCandleLighting);
        return;
    }
    const std::optional<std::int32_t> havdalah = ChosenSetting(dialog, kHavdalah);
    if (!havdalah) {
        RefuseMinutes(dialog, kHavdalah);
        return;
    }
    int reminderMinutes[kReminderKinds] = {};
    for (const ReminderControls& controls : kReminderControls) {
        const std::optional<int> minutes = ChosenReminderMinutes(dialog, controls);
        if (!minutes) {
            RefuseReminderMinutes(dialog, controls);
            return;
        }
        reminderMinutes[static_cast<std::size_t>(controls.kind)] = *minutes;
    }
    Location& location = params.location;
    location.setElevationUnits(IsDlgButtonChecked(dialog, IDC_METERS) == BST_CHECKED ? ElevationUnits::Metres
                                                                                     : ElevationUnits::Feet);
    const PlacePosition position = TypedPosition(dialog);
    location.setLatitude(position.latitude);
    location.setLongitude(position.longitude);
    location.setCity(CityKeptAt(SelectedData(dialog, IDC_CITY_LIST), {location.latitude(), location.longitude()}));
    location.setElevation(SelectedData(dialog, IDC_ELEVATION));
    location.setHoliday(IsDlgButtonChecked(dialog, IDC_ISRAEL) == BST_CHECKED ? Observance::Israel
                                                                              : Observance::Diaspora);
    location.save(params.settings);
    ShabbatSettings& shabbat = params.shabbat;
    SaveIfChanged(params.settings, kCandleLightingMinutesValue, CandleLightingMinutesOf(shabbat.candleLighting),
                  *candleLighting, shabbat.candleLighting);
    SaveIfChanged(params.settings, kHavdalahMinutesValue, HavdalahMinutesOf(shabbat.havdalah), *havdalah,
                  shabbat.havdalah);
    SaveReminders(dialog, params.settings, params.reminders, reminderMinutes);
    EndDialog(dialog, IDOK);
}

void OnCommand(HWND dialog, int id, int code) {
    switch (id) {
        case IDC_CITY_LIST:
            OnCityListNotification(dialog);
            ShowPlaceMinutes(dialog);
            break;
        case IDC_LAT_DEGREES:
        case IDC_LAT_MINUTES:
        case IDC_LAT_HEMISPHERE:
        case IDC_LON_DEGREES:
        case IDC_LON_MINUTES:
        case IDC_LON_HEMISPHERE:
            if (code == CBN_SELCHANGE) {
                ShowPlaceMinutes(dialog);
            }
            break;
        case IDC_CANDLES_MINUTES:
            OnMinutesBoxNotification(dialog, kCandleLighting, code);
            break;
        case IDC_HAVDALAH_MINUTES:
            OnMinutesBoxNotification(dialog, kHavdalah, code);
            break;
        case IDC_LOOKUP_ZIP:
            LookUpZipCode(dialog);
            ShowPlaceMinutes(dialog);
            break;
        case IDOK:
            // Enter in the ZIP field looks the code up instead of closing the dialog.
            if (GetDlgCtrlID(GetFocus()) == IDC_ZIP_EDIT) {
                LookUpZipCode(dialog);
                ShowPlaceMinutes(dialog);
            } else {
                StoreAndClose(dialog);
            }
            break;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            break;
        default:
            break;
    }
}

}  // namespace

INT_PTR CALLBACK PreferencesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(dialog, *reinterpret_cast<const PreferencesParams*>(lParam));
            return TRUE;
        case WM_COMMAND:
            OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_DESTROY:
            DestroyWindowState<PreferencesState>(dialog);
            return FALSE;
        default:
            return FALSE;
    }
}
