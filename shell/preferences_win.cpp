// The Preferences dialog: the place (a preset city, a US ZIP code, or a position typed in), the elevation with its
// unit, and the holiday observance. OK stores everything in the Location it was given and saves it; whoever opened
// the dialog shows the place anew.
#include <windows.h>

#include <memory>

#include "calendar/text_buffer.h"
#include "location/location.h"
#include "location/place_rules.h"
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
    Location& location = params.location;
    location.setElevationUnits(IsDlgButtonChecked(dialog, IDC_METERS) == BST_CHECKED ? ElevationUnits::Metres
                                                                                     : ElevationUnits::Feet);
    location.setLatitude(
        TypedAngle(SelectedData(dialog, IDC_LAT_DEGREES), SelectedData(dialog, IDC_LAT_MINUTES),
                   SelectedData(dialog, IDC_LAT_HEMISPHERE) != kNorth ? Hemisphere::South : Hemisphere::North));
    location.setLongitude(
        TypedAngle(SelectedData(dialog, IDC_LON_DEGREES), SelectedData(dialog, IDC_LON_MINUTES),
                   SelectedData(dialog, IDC_LON_HEMISPHERE) != kWest ? Hemisphere::East : Hemisphere::West));
    location.setCity(CityKeptAt(SelectedData(dialog, IDC_CITY_LIST), {location.latitude(), location.longitude()}));
    location.setElevation(SelectedData(dialog, IDC_ELEVATION));
    location.setHoliday(IsDlgButtonChecked(dialog, IDC_ISRAEL) == BST_CHECKED ? Observance::Israel
                                                                              : Observance::Diaspora);
    location.save(params.settings);
    EndDialog(dialog, IDOK);
}

void OnCommand(HWND dialog, int id) {
    switch (id) {
        case IDC_CITY_LIST:
            OnCityListNotification(dialog);
            break;
        case IDC_LOOKUP_ZIP:
            LookUpZipCode(dialog);
            break;
        case IDOK:
            // Enter in the ZIP field looks the code up instead of closing the dialog.
            if (GetDlgCtrlID(GetFocus()) == IDC_ZIP_EDIT) {
                LookUpZipCode(dialog);
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
            OnCommand(dialog, LOWORD(wParam));
            return TRUE;
        case WM_DESTROY:
            DestroyWindowState<PreferencesState>(dialog);
            return FALSE;
        default:
            return FALSE;
    }
}
