// The Preferences dialog as a user fills it in: places by ZIP code or from the city list, the elevation unit, the
// observance, OK and Cancel, and what each leaves in the registry and in the main window.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "calendar/gregorian.h"
#include "calendar/hebrew.h"
#include "tests/windows/e2e/preferences_driver_win.h"
#include "tests/windows/e2e/session_suite_win.h"

namespace {

using namespace e2e;

constexpr int kAboutCommand = 32789;
constexpr char kNoHolidayText[] =
    "No holiday today\r\n \r\nClick on the calendar to see the holidays for that day.\r\n \r\n";

class Preferences : public SessionSuite<Preferences> {
  protected:
    static void SetUpTestSuite() {
        SessionSuite::SetUpTestSuite();
        if (controls_.main != nullptr) {
            SetWindowPos(controls_.main, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
            SetForegroundWindow(controls_.main);
        }
    }
    void TearDown() override {
        // A failed test must not leave the dialog (or a message box over it) for the next one.
        while (const HWND box = WaitForOwnedDialog(controls_.main, 0)) {
            if (const HWND inner = WaitForOwnedDialog(box, 0)) {
                PostMessageA(inner, WM_COMMAND, IDOK, 0);
            }
            PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
            WaitFor([&] { return !IsWindow(box); }, 2000);
        }
    }

    static PreferencesDialog Open() { return PreferencesDialog::OpenFromMenu(controls_.main); }
};

enum class Way { ZipWithEnter, ZipWithButton, CityList };

// The last line of "Copy Zmanim": the label of the place.
std::string CopiedPlaceLabel(HWND main) {
    std::string copied = CopyWithCommand(main, kCopyZmanimCommand).text;
    copied.resize(copied.size() >= 2 ? copied.size() - 2 : 0);  // the line end after the label
    const size_t lineStart = copied.rfind("\r\n");
    return lineStart == std::string::npos ? copied : copied.substr(lineStart + 2);
}

struct PlaceCase {
    const char* label;
    Way way;
    const char* input;  // the ZIP code typed, or the city chosen
    const char* city;   // the city list's selection afterwards
    const char* position;
    int changedList;  // a position list then changed by hand, or 0
    const char* changedTo;
    const char* stored;      // City, Latitude, Longitude in the registry after OK
    const char* placeLabel;  // on the Zmanim tab and the last line of "Copy Zmanim"
};

TEST_F(Preferences, ChoosingAPlaceSetsThePositionAndOkStoresIt) {
    // Positions from the preset table and the ZIP table's rows; the registry holds west and north as positive. A
    // position changed by hand away from the chosen city's own stores no city, so no name labels it.
    const PlaceCase cases[] = {
        {"ZIP 10001 and Enter", Way::ZipWithEnter, "10001", "New York, NY", "40 45 N / 74 0 W", 0, nullptr,
         "10001 4045 7400", "New York, NY 10001"},
        {"Jerusalem", Way::CityList, "Jerusalem, Israel", "Jerusalem, Israel", "31 46 N / 35 13 E", 0, nullptr,
         "100016 3146 -3513", "Jerusalem, Israel"},
        {"Buenos Aires", Way::CityList, "Buenos Aires, Argentina", "Buenos Aires, Argentina", "34 35 S / 58 22 W", 0,
         nullptr, "100007 -3435 5822", "Buenos Aires, Argentina"},
        {"ZIP 12201, named like a preset", Way::ZipWithButton, "12201", "Albany, NY", "42 39 N / 73 45 W", 0, nullptr,
         "12201 4239 7345", "Albany, NY 12201"},
        {"ZIP 00501, leading zeros", Way::ZipWithButton, "00501", "Holtsville, NY", "40 49 N / 73 3 W", 0, nullptr,
         "501 4049 7303", "Holtsville, NY 00501"},
        {"London, its latitude chosen again", Way::CityList, "London, England", "London, England", "51 32 N / 0 10 W",
         kLatitudeMinutes, "32", "100018 5132 10", "London, England"},
        {"London, a minute further north", Way::CityList, "London, England", "London, England", "51 32 N / 0 10 W",
         kLatitudeMinutes, "33", "0 5133 10", ""},
        {"London, east instead of west", Way::CityList, "London, England", "London, England", "51 32 N / 0 10 W",
         kLongitudeHemisphere, "E", "0 5132 -10", ""},
        {"ZIP 10001, a degree further west", Way::ZipWithButton, "10001", "New York, NY", "40 45 N / 74 0 W",
         kLongitudeDegrees, "75", "0 4045 7500", ""},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.label);
        PreferencesDialog dialog = Open();
        ASSERT_TRUE(dialog.IsOpen());
        switch (c.way) {
            case Way::ZipWithEnter:
                dialog.TypeZip(c.input);
                dialog.PressEnterInZipField();
                break;
            case Way::ZipWithButton:
                dialog.TypeZip(c.input);
                dialog.Click(kLookUpZip);
                break;
            case Way::CityList:
                dialog.Choose(kCityList, c.input);
                break;
        }
        ASSERT_TRUE(dialog.IsOpen());
        EXPECT_EQ(dialog.SelectedText(kCityList), c.city);
        EXPECT_EQ(dialog.Position(), c.position);
        if (c.changedList != 0) {
            dialog.Choose(c.changedList, c.changedTo);
        }
        dialog.Ok();
        EXPECT_EQ(StoredValues({"City", "Latitude", "Longitude"}), c.stored);
        EXPECT_EQ(CopiedPlaceLabel(controls_.main), c.placeLabel);
    }
}

TEST_F(Preferences, ZipCodeNamedLikeAPresetTakesOverThePresetsItem) {
    PreferencesDialog dialog = Open();
    ASSERT_TRUE(dialog.IsOpen());
    dialog.Choose(kCityList, "Boston, MA");  // any city other than Albany
    const int items = ComboCount(dialog.Item(kCityList));
    dialog.TypeZip("12201");
    dialog.Click(kLookUpZip);
    EXPECT_EQ(ComboCount(dialog.Item(kCityList)), items) << "no second \"Albany, NY\"";
    EXPECT_EQ(dialog.CountItems(kCityList, "Albany, NY"), 1);
    EXPECT_EQ(dialog.SelectedText(kCityList), "Albany, NY");
    EXPECT_EQ(dialog.SelectedData(kCityList), 12201);
    dialog.Cancel();
}

TEST_F(Preferences, UnknownZipCodeShowsTheMessageAndChangesNothing) {
    PreferencesDialog dialog = Open();
    ASSERT_TRUE(dialog.IsOpen());
    dialog.Choose(kCityList, "Haifa, Israel");
    dialog.TypeZip("99999");
    const std::string before = dialog.Describe();
    dialog.PostClick(kLookUpZip);
    const HWND box = WaitForOwnedDialog(dialog.Window());
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), "Zip code not found, please try again.");
    EXPECT_EQ(TextOf(box), "No such zip code");
    Send(GetDlgItem(box, IDOK), BM_CLICK);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }, 5000));
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_EQ(dialog.Describe(), before);
    dialog.Cancel();
}

TEST_F(Preferences, LookUpWithAnEmptyZipFieldDoesNothing) {
    PreferencesDialog dialog = Open();
    ASSERT_TRUE(dialog.IsOpen());
    dialog.TypeZip("");
    const std::string before = dialog.Describe();
    dialog.PostClick(kLookUpZip);
    dialog.Settle();
    EXPECT_EQ(WaitForOwnedDialog(dialog.Window(), 300), nullptr) << "a message box opened";
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_EQ(dialog.Describe(), before);
    dialog.Cancel();
}

TEST_F(Preferences, FeetToMetersKeepsTheElevationNumber) {
    PreferencesDialog dialog = Open();
    ASSERT_TRUE(dialog.IsOpen());
    dialog.Click(kFeet);
    dialog.Choose(kElevationList, "1000");
    dialog.Click(kMeters);
    EXPECT_TRUE(dialog.Checked(kMeters));
    EXPECT_FALSE(dialog.Checked(kFeet));
    EXPECT_EQ(dialog.SelectedText(kElevationList), "1000");
    dialog.Ok();
    DWORD elevation = 0;
    DWORD units = 0;
    EXPECT_TRUE(ReadSetting("Elevation", elevation));
    EXPECT_TRUE(ReadSetting("Elevation Units", units));
    EXPECT_EQ(elevation, 1000U);
    EXPECT_EQ(units, 1U);
}

TEST_F(Preferences, OkWithoutChangesWritesAllSixValuesAgain) {
    PreferencesDialog dialog = Open();
    ASSERT_TRUE(dialog.IsOpen());
    dialog.Choose(kCityList, "Tel Aviv, Israel");
    dialog.Choose(kElevationList, "200");
    dialog.Click(kFeet);
    dialog.Click(kDiaspora);
    dialog.Ok();
    const char* const kTelAviv = "100035 3205 -3446 200 2 2";
    ASSERT_EQ(StoredSettings(), kTelAviv);

    dialog = Open();
    ASSERT_TRUE(dialog.IsOpen());
    for (const char* name : {"City", "Latitude", "Longitude", "Elevation", "Elevation Units", "Holiday"}) {
        DeleteSetting(name);
    }
    ASSERT_EQ(StoredSettings(), "- - - - - -");
    dialog.Ok();
    EXPECT_EQ(StoredSettings(), kTelAviv);
}

TEST_F(Preferences, CancelStoresNothingAndKeepsTheSettings) {
    PreferencesDialog dialog = Open();
    ASSERT_TRUE(dialog.IsOpen());
    const std::string before = dialog.Describe();
    dialog.Choose(kCityList, "Moscow, Russia");
    dialog.Choose(kElevationList, "500");
    dialog.Click(dialog.Checked(kMeters) ? kFeet : kMeters);
    dialog.Click(dialog.Checked(kIsrael) ? kDiaspora : kIsrael);
    dialog.Click(kCandlesSet);
    dialog.TypeInto(kCandlesMinutes, "33");
    dialog.Click(kHavdalahSet);
    dialog.TypeInto(kHavdalahMinutes, "44");
    ASSERT_NE(dialog.Describe(), before);
    DeleteSetting("City");
    const std::string stored = StoredSettings();
    const std::string shabbat = StoredValues({"Candle Lighting Minutes", "Havdalah Minutes"});
    dialog.Cancel();
    EXPECT_EQ(StoredSettings(), stored);
    EXPECT_EQ(StoredValues({"Candle Lighting Minutes", "Havdalah Minutes"}), shabbat);

    dialog = Open();
    ASSERT_TRUE(dialog.IsOpen());
    EXPECT_EQ(dialog.Describe(), before) << "the program's place changed";
    dialog.Cancel();
}

struct ShabbatCase {
    const char* city;
    const char* placeOwn;  // the text of the place's own choice once the city is chosen
    const char* candles;   // minutes typed, or null for the place's own
    const char* havdalah;  // minutes typed, or null for nightfall
    const char* stored;    // "Candle Lighting Minutes" and "Havdalah Minutes" after OK
};

TEST_F(Preferences, ShabbatChoicesAreStoredAsTheirNumbersAndShownAgain) {
    const ShabbatCase cases[] = {
        {"Jerusalem, Israel", "The place's own (40 minutes)", "25", "72", "25 72"},
        {"Haifa, Israel", "The place's own (30 minutes)", nullptr, "50", "-1 50"},
        {"Tel Aviv, Israel", "The place's own (20 minutes)", "0", nullptr, "0 -1"},
        {"Boston, MA", "The place's own (18 minutes)", nullptr, nullptr, "-1 -1"},
    };
    for (const ShabbatCase& c : cases) {
        SCOPED_TRACE(c.city);
        PreferencesDialog dialog = Open();
        ASSERT_TRUE(dialog.IsOpen());
        dialog.Choose(kCityList, c.city);
        EXPECT_EQ(TextOf(dialog.Item(kCandlesPlace)), c.placeOwn);
        for (const auto& [typed, place, set, box] :
             {std::tuple(c.candles, kCandlesPlace, kCandlesSet, kCandlesMinutes),
              std::tuple(c.havdalah, kHavdalahNightfall, kHavdalahSet, kHavdalahMinutes)}) {
            dialog.Click(typed != nullptr ? set : place);
            if (typed != nullptr) {
                dialog.TypeInto(box, typed);
            }
        }
        dialog.Ok();
        EXPECT_EQ(StoredValues({"Candle Lighting Minutes", "Havdalah Minutes"}), c.stored);
        // The program holds the new settings: the dialog opens with them, -1 standing for a default's choice.
        dialog = Open();
        ASSERT_TRUE(dialog.IsOpen());
        const auto shown = [&dialog](int set, int box) {
            return dialog.Checked(set) ? TextOf(dialog.Item(box)) : std::string("-1");
        };
        EXPECT_EQ(shown(kCandlesSet, kCandlesMinutes) + " " + shown(kHavdalahSet, kHavdalahMinutes), c.stored);
        dialog.Cancel();
    }
}

TEST_F(Preferences, MinutesOutOfRangeAreRefusedWithTheRange) {
    PreferencesDialog dialog = Open();
    ASSERT_TRUE(dialog.IsOpen());
    const std::string stored = StoredValues({"Candle Lighting Minutes", "Havdalah Minutes"});
    dialog.Click(kHavdalahSet);
    dialog.TypeInto(kHavdalahMinutes, "121");
    dialog.PostClick(IDOK);
    const HWND box = WaitForOwnedDialog(dialog.Window());
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), "Please type the minutes after sunset as a number from 0 to 120.");
    Send(GetDlgItem(box, IDOK), BM_CLICK);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }, 5000));
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_EQ(StoredValues({"Candle Lighting Minutes", "Havdalah Minutes"}), stored);
    dialog.Cancel();
}

struct ObservanceCase {
    const char* label;
    int button;
    const char* stored;           // the "Holiday" value
    const char* copiedFirstLine;  // of 22 Nisan 5768
    COLORREF gregorianFill;       // of 27 April 2008 when another day is selected
    COLORREF hebrewFill;          // of 22 Nisan 5768, the same day
};

TEST_F(Preferences, ObservanceDecidesTheMarksAndTheHolidayText) {
    // 27 April 2008 is 22 Nisan 5768: Passover VIII outside Israel only. 20 April (15 Nisan) is Passover I in both.
    constexpr COLORREF kShaded = RGB(210, 210, 210);
    constexpr COLORREF kPlain = RGB(255, 255, 255);
    const ObservanceCase cases[] = {
        {"Diaspora", kDiaspora, "2", "Passover VIII", kShaded, kShaded},
        {"Israel", kIsrael, "1", "No holiday today", kPlain, kPlain},
    };
    const int aprilFirstWeekday = FirstWeekdayOfGregorianMonth(4, 2008);
    const int nisanFirstWeekday = FirstWeekdayOfHebrewMonth(kNisan, 5768);
    for (const ObservanceCase& c : cases) {
        SCOPED_TRACE(c.label);
        controls_.GoTo(27, 4, 2008);
        PreferencesDialog dialog = Open();
        ASSERT_TRUE(dialog.IsOpen());
        dialog.Click(c.button);
        dialog.Ok();
        DWORD holiday = 0;
        EXPECT_TRUE(ReadSetting("Holiday", holiday));
        EXPECT_EQ(std::to_string(holiday), c.stored);

        const std::string copied = CopyWithCommand(controls_.main, kCopyHolidayCommand).text;
        EXPECT_EQ(copied.substr(0, copied.find("\r\n")), c.copiedFirstLine);
        if (c.button == kIsrael) {
            EXPECT_EQ(copied, kNoHolidayText);
        }

        // Another day of the month selected (2 Nisan, 7 April), so that the day's own cells show their marks.
        controls_.ClickDay(controls_.hebrewGrid, 2, nisanFirstWeekday);
        EXPECT_EQ(controls_.DayCellColour(controls_.gregorianGrid, 27, aprilFirstWeekday), c.gregorianFill);
        EXPECT_EQ(controls_.DayCellColour(controls_.hebrewGrid, 22, nisanFirstWeekday), c.hebrewFill);
        EXPECT_EQ(controls_.DayCellColour(controls_.gregorianGrid, 20, aprilFirstWeekday), kShaded);
        EXPECT_EQ(controls_.DayCellColour(controls_.hebrewGrid, 15, nisanFirstWeekday), kShaded);
    }
}

// Where Preferences and About open: centred on the main window, or on the screen while it is hidden.
struct DialogCase {
    const char* label;
    int command;
    int closeWith;
    enum { Centred, NearTheCorner, MainHidden } mainWindow;
};

TEST_F(Preferences, ItAndAboutOpenCentredOnTheMainWindowInsideTheWorkArea) {
    const DialogCase cases[] = {
        {"Preferences", kPreferencesCommand, IDCANCEL, DialogCase::Centred},
        {"About", kAboutCommand, IDOK, DialogCase::Centred},
        {"Preferences, the main window near the corner", kPreferencesCommand, IDCANCEL, DialogCase::NearTheCorner},
        {"About, the main window hidden", kAboutCommand, IDOK, DialogCase::MainHidden},
    };
    const HWND main = controls_.main;
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.label);
        const bool nearTheCorner = c.mainWindow == DialogCase::NearTheCorner;
        SetWindowPos(main, HWND_TOP, nearTheCorner ? work.right - 200 : 100, nearTheCorner ? work.bottom - 100 : 60, 0,
                     0, SWP_NOSIZE | (c.mainWindow == DialogCase::MainHidden ? SWP_HIDEWINDOW : SWP_SHOWWINDOW));
        PostMessageA(main, WM_COMMAND, MAKEWPARAM(c.command, 0), 0);
        const HWND dialog = WaitForOwnedDialog(main);
        ASSERT_NE(dialog, nullptr);
        RECT placed{};
        GetWindowRect(dialog, &placed);
        RECT over = work;
        if (c.mainWindow != DialogCase::MainHidden) {
            GetWindowRect(main, &over);
        }
        const int width = placed.right - placed.left;
        const int height = placed.bottom - placed.top;
        const int left = std::clamp<int>((over.left + over.right - width) / 2, work.left, work.right - width);
        const int top = std::clamp<int>((over.top + over.bottom - height) / 2, work.top, work.bottom - height);
        EXPECT_NEAR(placed.left, left, 1);
        EXPECT_NEAR(placed.top, top, 1);
        Send(GetDlgItem(dialog, c.closeWith), BM_CLICK);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    }
    SetWindowPos(main, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(main);
}

// Each case starts the program with settings stored before the start, or none (a first run).
struct StoredCase {
    const char* label;
    bool firstRun;
    DWORD settings[6];  // City, Latitude, Longitude, Elevation, Elevation Units, Holiday
    const char* city;
    LRESULT cityCode;
    int cityItems;  // the current place's item and the presets of other names
    const char* position;
    const char* elevation;
    int unit;
    int observance;
};

TEST(PreferencesAtStart, DialogShowsTheStoredSettingsAndOkWritesThemBackUnchanged) {
    const StoredCase cases[] = {
        {"first run: no place, and the 38 named presets", true, {}, "", 0, 39, "0 0 N / 0 0 W", "0", kFeet, kDiaspora},
        {"Jerusalem, metres, Israel",
         false,
         {100016, 3146, static_cast<DWORD>(-3513), 2700, 1, 1},
         "Jerusalem, Israel",
         100016,
         38,
         "31 46 N / 35 13 E",
         "2700",
         kMeters,
         kIsrael},
        {"Albany by ZIP code, feet, Diaspora",
         false,
         {12201, 4239, 7345, 300, 2, 2},
         "Albany, NY",
         12201,
         38,
         "42 39 N / 73 45 W",
         "300",
         kFeet,
         kDiaspora},
        {"Buenos Aires",
         false,
         {100007, static_cast<DWORD>(-3435), 5822, 0, 2, 2},
         "Buenos Aires, Argentina",
         100007,
         38,
         "34 35 S / 58 22 W",
         "0",
         kFeet,
         kDiaspora},
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(c.label);
        ResetSettings();
        const char* names[] = {"City", "Latitude", "Longitude", "Elevation", "Elevation Units", "Holiday"};
        for (int i = 0; i < 6 && !c.firstRun; ++i) {
            WriteSetting(names[i], c.settings[i]);
        }
        if (!c.firstRun) {
            WriteSetting("Candle Lighting Minutes", 95);  // out of range: read as the place's own, and kept
        }
        AppSession session(false);
        const CalendarControls controls = CalendarControls::Find(session.WaitForMainWindow());
        ASSERT_TRUE(controls.Complete());
        const std::string stored = StoredSettings();
        // The start creates the candle-lighting and havdalah values beside the six: -1, the place's own minutes and
        // nightfall.
        const std::string shabbat = StoredValues({"Candle Lighting Minutes", "Havdalah Minutes"});
        EXPECT_EQ(shabbat, c.firstRun ? "-1 -1" : "95 -1");
        // The way in from the "Zmanim" tab.
        controls.ShowTab(1);
        PreferencesDialog dialog = PreferencesDialog::OpenFromChangeLocation(controls.main, controls.changeLocation);
        ASSERT_TRUE(dialog.IsOpen());
        EXPECT_EQ(dialog.SelectedText(kCityList), c.city);
        EXPECT_EQ(dialog.SelectedData(kCityList), c.cityCode);
        EXPECT_EQ(dialog.CountItems(kCityList, c.city), 1);
        EXPECT_EQ(ComboCount(dialog.Item(kCityList)), c.cityItems);
        EXPECT_EQ(dialog.Position(), c.position);
        EXPECT_EQ(dialog.SelectedText(kElevationList), c.elevation);
        for (int button : {kMeters, kFeet, kIsrael, kDiaspora}) {
            EXPECT_EQ(dialog.Checked(button), button == c.unit || button == c.observance) << "button " << button;
        }
        dialog.Ok();
        EXPECT_EQ(StoredSettings(), stored);
        EXPECT_EQ(StoredValues({"Candle Lighting Minutes", "Havdalah Minutes"}), shabbat);
        EXPECT_EQ(session.Exit(), 0U);
    }
}

// A value as the registry keeps it: its type and its bytes.
std::string RawSetting(const char* name) {
    char data[64] = {};
    DWORD size = sizeof data;
    DWORD type = 0;
    RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY, &type, data, &size);
    return std::to_string(type) + ":" + std::string(data, size);
}

TEST(PreferencesAtStart, UnchangedOkKeepsShabbatValuesItCannotUseByteForByte) {
    // A number out of range, and a text too long to read as a number: both show as the defaults.
    ResetSettings();
    WriteSetting("Candle Lighting Minutes", static_cast<DWORD>(-5));
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey, "Havdalah Minutes", REG_SZ, "at three stars", 15),
              ERROR_SUCCESS);
    const std::string before = RawSetting("Candle Lighting Minutes") + " " + RawSetting("Havdalah Minutes");
    AppSession session(false);
    const HWND main = session.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    PreferencesDialog dialog = PreferencesDialog::OpenFromMenu(main);
    ASSERT_TRUE(dialog.IsOpen());
    EXPECT_TRUE(dialog.Checked(kCandlesPlace));
    EXPECT_TRUE(dialog.Checked(kHavdalahNightfall));
    dialog.Ok();
    EXPECT_EQ(RawSetting("Candle Lighting Minutes") + " " + RawSetting("Havdalah Minutes"), before);
    EXPECT_EQ(session.Exit(), 0U);
}

}  // namespace
