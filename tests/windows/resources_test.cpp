// The resources of kestrelon.exe, compiled into this test program from the same script: the class-name string, the
// menu, the accelerators, the pictures and the two dialogs, checked through the Win32 calls that the program uses.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "resource.h"

namespace {

HINSTANCE Instance() {
    return GetModuleHandleA(nullptr);
}

std::string WindowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

LONG StyleOf(HWND window) {
    return GetWindowLongA(window, GWL_STYLE);
}

// The raw bytes of a resource of this program.
std::vector<std::uint8_t> ResourceBytes(LPCSTR type, int id) {
    HRSRC found = FindResourceA(Instance(), MAKEINTRESOURCEA(id), type);
    if (found == nullptr) {
        return {};
    }
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(Instance(), found)));
    return std::vector<std::uint8_t>(data, data + SizeofResource(Instance(), found));
}

TEST(AppStrings, ClassNameIsKestrelon) {
    char text[100] = {};
    ASSERT_GT(LoadStringA(Instance(), 109, text, sizeof text), 0);
    EXPECT_STREQ(text, "KESTRELON");
}

// This program's version record.
std::vector<char> VersionRecord() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    DWORD unused = 0;
    std::vector<char> record(GetFileVersionInfoSizeA(path, &unused));
    if (!record.empty() && !GetFileVersionInfoA(path, 0, static_cast<DWORD>(record.size()), record.data())) {
        record.clear();
    }
    return record;
}

// One text of the record, read the way the shell's file properties read it: through its translation table. ""
// when the record lacks it.
std::string VersionText(const std::vector<char>& record, const char* name) {
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT length = 0;
    if (record.empty() ||
        !VerQueryValueA(record.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                        &length) ||
        length < sizeof(Translation)) {
        return "";
    }
    char query[128] = {};
    std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", translations[0].language,
                  translations[0].codePage, name);
    char* text = nullptr;
    UINT size = 0;
    return VerQueryValueA(record.data(), query, reinterpret_cast<void**>(&text), &size) ? text : "";
}

TEST(VersionRecord, NamesTheProductTheMakerAndVersion) {
    const std::vector<char> record = VersionRecord();
    ASSERT_FALSE(record.empty());
    const std::pair<const char*, const char*> expected[] = {
        {"ProductName", "Kestrelon"},
        {"CompanyName", "Brisken Software"},
        {"ProductVersion", "1.1"},
        {"FileVersion", "1.1"},
    };
    for (const auto& [name, value] : expected) {
        EXPECT_EQ(VersionText(record, name), value) << name;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(1, 1));
}

// ---- Menu 134 ----

// Every item of the menu bar in order, as "menu | command text": the texts users and the help pages know the
// program by, and the command numbers the end-to-end tests send.
const char* const kMenuItems[] = {
    "&File | 32811 &People's Dates...",   // CMD_PEOPLE_DATES
    "&File | 32801 Preferences...",       // CMD_PREFERENCES
    "&File | separator",                  //
    "&File | 32791 E&xit",                // CMD_EXIT
    "Edit | 32806 Copy Holiday",          // CMD_COPY_HOLIDAY
    "Edit | 32807 Copy Zmanim",           // CMD_COPY_ZMANIM
    "Edit | 32808 Copy Week",             // CMD_COPY_WEEK
    "&Help | 32799 Contents...",          // CMD_HELP_CONTENTS
    "&Help | 32789 &About Kestrelon...",  // CMD_ABOUT
};

TEST(MainMenu, HoldsEachCommandWithItsTextUnderItsMenu) {
    HMENU menu = LoadMenuA(Instance(), MAKEINTRESOURCEA(134));
    ASSERT_NE(menu, nullptr);
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char title[64] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), title, sizeof title, MF_BYPOSITION);
        HMENU popup = GetSubMenu(menu, i);
        ASSERT_NE(popup, nullptr) << title;
        for (int j = 0; j < GetMenuItemCount(popup); ++j) {
            char text[64] = {};
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
            info.dwTypeData = text;
            info.cch = sizeof text;
            ASSERT_TRUE(GetMenuItemInfoA(popup, static_cast<UINT>(j), TRUE, &info));
            items.push_back(std::string(title) + " | " +
                            ((info.fType & MFT_SEPARATOR) ? "separator" : std::to_string(info.wID) + " " + text));
        }
    }
    DestroyMenu(menu);
    EXPECT_EQ(items, std::vector<std::string>(std::begin(kMenuItems), std::end(kMenuItems)));
}

// ---- Accelerator table 109 ----

// Records the WM_COMMAND that an accelerator produces.
struct CommandRecord {
    bool received = false;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
CommandRecord gLastCommand;

LRESULT CALLBACK RecordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        gLastCommand = {true, wParam, lParam};
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

struct KeyCase {
    const char* label;
    UINT message;
    char key;
    bool altDown;
    bool translated;
};

const KeyCase kKeyCases[] = {
    {"Alt+?", WM_SYSCHAR, '?', true, true},        {"Alt+/", WM_SYSCHAR, '/', true, true},
    {"? without Alt", WM_CHAR, '?', false, false}, {"/ without Alt", WM_CHAR, '/', false, false},
    {"Alt+A", WM_SYSCHAR, 'a', true, false},
};

TEST(Accelerators, AltQuestionMarkAndAltSlashSendCommand104WithCode1) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = RecordCommands;
    windowClass.hInstance = Instance();
    windowClass.lpszClassName = "Accelerator Test Window";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                  Instance(), nullptr);
    ASSERT_NE(window, nullptr);
    HACCEL table = LoadAcceleratorsA(Instance(), MAKEINTRESOURCEA(109));
    ASSERT_NE(table, nullptr);

    for (const KeyCase& key : kKeyCases) {
        SCOPED_TRACE(key.label);
        // Alt is told both ways: in the message (bit 29) and in the thread's keyboard state.
        BYTE keys[256] = {};
        keys[VK_MENU] = key.altDown ? 0x80 : 0;
        SetKeyboardState(keys);
        gLastCommand = {};
        MSG message{};
        message.hwnd = window;
        message.message = key.message;
        message.wParam = static_cast<WPARAM>(static_cast<unsigned char>(key.key));
        message.lParam = key.altDown ? 0x20000001 : 0x00000001;  // bit 29: Alt held; repeat count 1
        const bool translated = TranslateAcceleratorA(window, table, &message) != 0;
        EXPECT_EQ(translated, key.translated);
        EXPECT_EQ(gLastCommand.received, key.translated);
        if (key.translated) {
            EXPECT_EQ(LOWORD(gLastCommand.wParam), 104);
            EXPECT_EQ(HIWORD(gLastCommand.wParam), 1);
            EXPECT_EQ(gLastCommand.lParam, 0);
        }
    }
    BYTE released[256] = {};
    SetKeyboardState(released);
    DestroyAcceleratorTable(table);
    DestroyWindow(window);
}

// ---- Icons and bitmaps ----

// The header of a picture resource (a bitmap, or one image of an icon); zeroed when there is none.
BITMAPINFOHEADER HeaderOf(LPCSTR type, int id) {
    const std::vector<std::uint8_t> bytes = ResourceBytes(type, id);
    BITMAPINFOHEADER header{};
    if (bytes.size() >= sizeof header) {
        std::memcpy(&header, bytes.data(), sizeof header);
    }
    return header;
}

struct IconCase {
    const char* label;
    int group;
    int size;
};

const IconCase kIconCases[] = {
    {"icon group 168", 168, 32},
    {"icon group 169", 169, 16},
};

TEST(Icons, EachGroupHoldsOneImageOfItsSizeIn256Colours) {
    for (const IconCase& icon : kIconCases) {
        SCOPED_TRACE(icon.label);
        std::vector<std::uint8_t> group = ResourceBytes(RT_GROUP_ICON, icon.group);
        ASSERT_GE(group.size(), 6U);
        EXPECT_EQ(group[4] | group[5] << 8, 1) << "images in the group";
        // The image itself: a DIB with a palette of 256 entries (8 bits per pixel) and an AND mask below it.
        const BITMAPINFOHEADER header =
            HeaderOf(RT_ICON, LookupIconIdFromDirectoryEx(group.data(), TRUE, icon.size, icon.size, LR_DEFAULTCOLOR));
        EXPECT_EQ(header.biWidth, icon.size);
        EXPECT_EQ(header.biHeight, 2 * icon.size);
        EXPECT_EQ(header.biBitCount, 8);
    }
}

TEST(Icons, CornersAreTransparent) {
    for (const IconCase& icon : kIconCases) {
        SCOPED_TRACE(icon.label);
        HICON handle = static_cast<HICON>(
            LoadImageA(Instance(), MAKEINTRESOURCEA(icon.group), IMAGE_ICON, icon.size, icon.size, 0));
        ASSERT_NE(handle, nullptr);
        // Draw on two different backgrounds: a transparent pixel shows the background each time.
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, icon.size, icon.size);
        HGDIOBJ old = SelectObject(memory, bitmap);
        COLORREF corners[2] = {};
        const COLORREF backgrounds[2] = {RGB(255, 0, 255), RGB(0, 255, 0)};
        for (int i = 0; i < 2; ++i) {
            HBRUSH brush = CreateSolidBrush(backgrounds[i]);
            RECT all{0, 0, icon.size, icon.size};
            FillRect(memory, &all, brush);
            DeleteObject(brush);
            DrawIconEx(memory, 0, 0, handle, icon.size, icon.size, 0, nullptr, DI_NORMAL);
            corners[i] = GetPixel(memory, icon.size - 1, 0);
        }
        EXPECT_EQ(corners[0], backgrounds[0]);
        EXPECT_EQ(corners[1], backgrounds[1]);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        DestroyIcon(handle);
    }
}

struct BitmapCase {
    const char* label;
    int id;
    int size;
};

const BitmapCase kBitmapCases[] = {
    {"splash, bitmap 175", 175, 500},
    {"About picture, bitmap 176", 176, 100},
};

TEST(Bitmaps, AreSixteenColourPicturesOfTheirSize) {
    for (const BitmapCase& picture : kBitmapCases) {
        SCOPED_TRACE(picture.label);
        const BITMAPINFOHEADER header = HeaderOf(RT_BITMAP, picture.id);
        EXPECT_EQ(header.biWidth, picture.size);
        EXPECT_EQ(header.biHeight, picture.size);
        EXPECT_EQ(header.biBitCount, 4);
        EXPECT_LE(header.biClrUsed, 16U);
    }
}

// ---- Dialogs ----

INT_PTR CALLBACK PassiveDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// What the program's code relies on in a control: its class and the bits of its style that set its type.
struct Kind {
    const char* className;
    LONG typeMask;
    LONG type;
};
constexpr Kind kLabel{"Static", SS_TYPEMASK, SS_LEFT};
constexpr Kind kPicture{"Static", SS_TYPEMASK, SS_BITMAP};
constexpr Kind kEdit{"Edit", 0, 0};
constexpr Kind kGroupBox{"Button", BS_TYPEMASK, BS_GROUPBOX};
constexpr Kind kPushButton{"Button", BS_TYPEMASK, BS_PUSHBUTTON};
constexpr Kind kDefaultButton{"Button", BS_TYPEMASK, BS_DEFPUSHBUTTON};
constexpr Kind kRadio{"Button", BS_TYPEMASK, BS_AUTORADIOBUTTON};
constexpr Kind kDropDownList{"ComboBox", 3, CBS_DROPDOWNLIST};  // the two low bits: simple, drop-down or list

bool Is(HWND control, const Kind& kind) {
    return ClassOf(control) == kind.className && (StyleOf(control) & kind.typeMask) == kind.type;
}

bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// A control as a failure message names it.
std::string Describe(HWND control) {
    return std::to_string(GetDlgCtrlID(control)) + " \"" + WindowText(control) + "\"";
}

// Size in pixels of a control's text in the control's font, without the "&" of a mnemonic.
SIZE TextSize(HWND control) {
    std::string shown = WindowText(control);
    shown.erase(std::remove(shown.begin(), shown.end(), '&'), shown.end());
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

// A dialog made from its template and left hidden.
class DialogFixture : public ::testing::Test {
  protected:
    void Open(int id) {
        // The People's Dates dialog holds a list view, whose class the common controls register.
        INITCOMMONCONTROLSEX lists{sizeof lists, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&lists);
        dialog_ = CreateDialogParamA(Instance(), MAKEINTRESOURCEA(id), nullptr, PassiveDialog, 0);
        ASSERT_NE(dialog_, nullptr);
        for (HWND child = GetWindow(dialog_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            children_.push_back(child);
        }
    }
    void TearDown() override {
        if (dialog_ != nullptr) {
            DestroyWindow(dialog_);
        }
    }

    // A control's window rectangle in the dialog's client coordinates.
    RECT PlaceOf(HWND control) const {
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    // Whether control stands inside the group box's frame, below its title.
    bool Frames(HWND groupBox, HWND control) const {
        RECT interior = PlaceOf(groupBox);
        interior.top += TextSize(groupBox).cy;
        return groupBox != control && Is(groupBox, kGroupBox) && Contains(interior, PlaceOf(control));
    }

    // The title of the group box that frames the control, or "".
    std::string GroupOf(HWND control) const {
        const auto group = std::find_if(children_.begin(), children_.end(), [&](HWND g) { return Frames(g, control); });
        return group == children_.end() ? "" : WindowText(*group);
    }

    // Whether Tab, pressed again and again from the first stop, reaches the control: a round of the stops takes
    // fewer presses than there are controls.
    bool TabReaches(HWND control) const {
        HWND stop = GetNextDlgTabItem(dialog_, nullptr, FALSE);
        for (std::size_t i = 0; stop != nullptr && stop != control && i < children_.size(); ++i) {
            stop = GetNextDlgTabItem(dialog_, stop, FALSE);
        }
        return stop != nullptr && stop == control;
    }

    HWND dialog_ = nullptr;
    std::vector<HWND> children_;
};

// ---- What every dialog of the program holds to ----

struct DialogCase {
    const char* name;
    int id;
    const char* caption;
};

void PrintTo(const DialogCase& dialog, std::ostream* out) {
    *out << dialog.name;
}

const DialogCase kDialogs[] = {
    {"Preferences", 136, "Preferences"},
    {"PeopleDates", 137, "People's Dates"},
    {"PersonDate", 138, "Person's Date"},
    {"About", 1002, "About Kestrelon"},
};

class EveryDialog : public DialogFixture, public ::testing::WithParamInterface<DialogCase> {
  protected:
    void SetUp() override { Open(GetParam().id); }
};

TEST_P(EveryDialog, IsAModalFrameWithItsCaption) {
    EXPECT_EQ(WindowText(dialog_), GetParam().caption);
    EXPECT_TRUE(GetWindowLongA(dialog_, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
}

// Every control lies inside the client area, and controls meet only where a group box frames the whole of another.
TEST_P(EveryDialog, ControlsStayInsideTheDialogAndApart) {
    RECT client{};
    GetClientRect(dialog_, &client);
    for (std::size_t i = 0; i < children_.size(); ++i) {
        HWND a = children_[i];
        const RECT placeA = PlaceOf(a);
        EXPECT_TRUE(Contains(client, placeA)) << Describe(a) << " leaves the dialog";
        for (std::size_t j = i + 1; j < children_.size(); ++j) {
            HWND b = children_[j];
            const RECT placeB = PlaceOf(b);
            RECT common{};
            if (IntersectRect(&common, &placeA, &placeB)) {
                EXPECT_TRUE(Frames(a, b) || Frames(b, a)) << Describe(a) << " overlaps " << Describe(b);
            }
        }
    }
}

// Room that a radio circle takes before a button's text, and that a group box's frame takes beside its title.
constexpr int kButtonGlyphPx = 16;
constexpr int kGroupTitleInsetPx = 8;

TEST_P(EveryDialog, NoTextIsCut) {
    for (HWND control : children_) {
        if (ClassOf(control) == "ComboBox" || ClassOf(control) == "Edit" || Is(control, kPicture)) {
            continue;
        }
        SCOPED_TRACE(Describe(control));
        RECT client{};
        GetClientRect(control, &client);
        const int room = client.right - (Is(control, kRadio)      ? kButtonGlyphPx
                                         : Is(control, kGroupBox) ? 2 * kGroupTitleInsetPx
                                                                  : 0);
        EXPECT_LE(TextSize(control).cx, room);
    }
}

TEST_P(EveryDialog, OkIsTheDefaultButtonAndTabReachesIt) {
    const LRESULT result = SendMessageA(dialog_, DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(result), DC_HASDEFID);
    EXPECT_EQ(LOWORD(result), IDOK);
    HWND ok = GetDlgItem(dialog_, IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(Is(ok, kDefaultButton));
    EXPECT_TRUE(TabReaches(ok));
}

INSTANTIATE_TEST_SUITE_P(Resources, EveryDialog, ::testing::ValuesIn(kDialogs), [](const auto& dialog) {
    return std::string(dialog.param.name);
});

// ---- Preferences dialog 136 ----

struct AddressedControl {
    int id;
    const Kind& kind;
    const char* text;   // a button's or a label's own text; for a field, the label before it
    const char* group;  // the group box it stands in, "" for none
};

// The controls that resource.h names: those shell/preferences_win.cpp reads, fills or presses, the city list's label
// and the two buttons that close the dialog.
const AddressedControl kAddressed[] = {
    {IDC_ZIP_EDIT, kEdit, "Zip Code", "Location"},
    {IDC_LOOKUP_ZIP, kPushButton, "Look up zip code", "Location"},
    {IDC_CITY_LABEL, kLabel, "City", "Location"},
    {IDC_CITY_LIST, kDropDownList, "City", "Location"},
    {IDC_LAT_DEGREES, kDropDownList, "Latitude", "Position"},
    {IDC_LAT_MINUTES, kDropDownList, "Latitude", "Position"},
    {IDC_LAT_HEMISPHERE, kDropDownList, "Latitude", "Position"},
    {IDC_LON_DEGREES, kDropDownList, "Longitude", "Position"},
    {IDC_LON_MINUTES, kDropDownList, "Longitude", "Position"},
    {IDC_LON_HEMISPHERE, kDropDownList, "Longitude", "Position"},
    {IDC_ELEVATION, kDropDownList, "Elevation", "Position"},
    {IDC_METERS, kRadio, "Meters", "Position"},
    {IDC_FEET, kRadio, "Feet", "Position"},
    {IDC_ISRAEL, kRadio, "Israel", "Holiday Observance"},
    {IDC_DIASPORA, kRadio, "Diaspora", "Holiday Observance"},
    {IDOK, kDefaultButton, "OK", ""},
    {IDCANCEL, kPushButton, "Cancel", ""},
};

// The label that names a field: the nearest text before it, the one whose mnemonic would give it the focus.
std::string LabelBefore(HWND field) {
    for (HWND other = GetWindow(field, GW_HWNDPREV); other != nullptr; other = GetWindow(other, GW_HWNDPREV)) {
        if (Is(other, kLabel)) {
            return WindowText(other);
        }
    }
    return "";
}

class PreferencesDialog : public DialogFixture {
  protected:
    void SetUp() override { Open(136); }
};

TEST_F(PreferencesDialog, EachControlTheProgramAddressesIsOfItsKindUnderItsLabel) {
    for (const AddressedControl& row : kAddressed) {
        SCOPED_TRACE(row.id);
        HWND control = GetDlgItem(dialog_, row.id);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(Is(control, row.kind)) << ClassOf(control) << " " << std::hex << StyleOf(control);
        const bool field = &row.kind == &kEdit || &row.kind == &kDropDownList;
        EXPECT_EQ(field ? LabelBefore(control) : WindowText(control), row.text);
        EXPECT_EQ(GroupOf(control), row.group);
    }
}

// Tab reaches every field and button; it enters a group of radio buttons at the group's first button.
TEST_F(PreferencesDialog, TabReachesEveryFieldAndButton) {
    for (const AddressedControl& row : kAddressed) {
        HWND control = GetDlgItem(dialog_, row.id);
        while (&row.kind == &kRadio && control != nullptr && !(StyleOf(control) & WS_GROUP)) {
            control = GetWindow(control, GW_HWNDPREV);
        }
        EXPECT_TRUE(&row.kind == &kLabel || TabReaches(control)) << row.id;
    }
}

// Degrees, minutes and hemisphere read from left to right on one line.
TEST_F(PreferencesDialog, PositionListsReadDegreesMinutesHemisphere) {
    for (const auto& line : {std::array{IDC_LAT_DEGREES, IDC_LAT_MINUTES, IDC_LAT_HEMISPHERE},
                             std::array{IDC_LON_DEGREES, IDC_LON_MINUTES, IDC_LON_HEMISPHERE}}) {
        const RECT degrees = PlaceOf(GetDlgItem(dialog_, line[0]));
        const RECT minutes = PlaceOf(GetDlgItem(dialog_, line[1]));
        const RECT hemisphere = PlaceOf(GetDlgItem(dialog_, line[2]));
        EXPECT_TRUE(degrees.left < minutes.left && minutes.left < hemisphere.left) << line[0];
        EXPECT_TRUE(degrees.top == minutes.top && minutes.top == hemisphere.top) << line[0];
    }
}

TEST_F(PreferencesDialog, ZipFieldTakesDigitsOnlyAndScrollsBeyondItsWidth) {
    const struct {
        const char* label;
        std::string typed;
        std::string kept;
    } cases[] = {
        {"letters and signs are refused", "1a0-0 01x", "10001"},
        // Without automatic horizontal scrolling an edit refuses text wider than itself.
        {"wider than the field", std::string(60, '7'), std::string(60, '7')},
    };
    HWND edit = GetDlgItem(dialog_, IDC_ZIP_EDIT);
    for (const auto& c : cases) {
        SetWindowTextA(edit, "");
        for (char key : c.typed) {
            SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(key), 1);
        }
        EXPECT_EQ(WindowText(edit), c.kept) << c.label;
    }
}

TEST_F(PreferencesDialog, OnlyTheCityListSortsAndScrolls) {
    for (const AddressedControl& row : kAddressed) {
        if (&row.kind != &kDropDownList) {
            continue;
        }
        SCOPED_TRACE(row.id);
        const bool cityList = row.id == IDC_CITY_LIST;
        HWND box = GetDlgItem(dialog_, row.id);
        // More items than the open list can show at once, in descending order.
        for (int item = 60; item >= 1; --item) {
            SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(item).c_str()));
        }
        char first[8] = {};
        SendMessageA(box, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
        EXPECT_STREQ(first, cityList ? "1" : "60");
        // The scroll bar style passes from the box to its list, which shows the bar when the items overflow.
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        ASSERT_TRUE(GetComboBoxInfo(box, &parts));
        EXPECT_EQ((StyleOf(parts.hwndList) & WS_VSCROLL) != 0, cityList);
    }
}

TEST_F(PreferencesDialog, UnitAndObservanceButtonsAreSeparateGroups) {
    struct Click {
        int id;
        int checkedAfter[4];  // Meters, Feet, Israel, Diaspora
    };
    const Click clicks[] = {
        {IDC_METERS, {1, 0, 0, 0}},
        {IDC_ISRAEL, {1, 0, 1, 0}},
        {IDC_FEET, {0, 1, 1, 0}},
        {IDC_DIASPORA, {0, 1, 0, 1}},
    };
    const int buttons[4] = {IDC_METERS, IDC_FEET, IDC_ISRAEL, IDC_DIASPORA};
    for (const Click& click : clicks) {
        SCOPED_TRACE(click.id);
        SendMessageA(GetDlgItem(dialog_, click.id), BM_CLICK, 0, 0);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(IsDlgButtonChecked(dialog_, buttons[i]), static_cast<UINT>(click.checkedAfter[i]))
                << "button " << buttons[i];
        }
    }
}

// ---- About dialog 1002 ----

class AboutDialog : public DialogFixture {
  protected:
    void SetUp() override { Open(1002); }
};

TEST_F(AboutDialog, ShowsTheAboutPictureSunkenAndBordered) {
    const auto found = std::find_if(children_.begin(), children_.end(), [](HWND c) { return Is(c, kPicture); });
    ASSERT_NE(found, children_.end());
    HWND picture = *found;
    const LONG style = StyleOf(picture);
    EXPECT_TRUE(style & SS_SUNKEN);
    // The dialog manager draws a child's border as a client edge.
    EXPECT_TRUE((style & WS_BORDER) || (GetWindowLongA(picture, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));

    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 100);
    EXPECT_EQ(info.bmHeight, 100);
}

// The product line and the maker are those that the file's properties show.
TEST_F(AboutDialog, NamesTheProductVersionAndMakerOfTheVersionRecord) {
    const std::vector<char> record = VersionRecord();
    ASSERT_FALSE(record.empty());
    std::vector<std::string> texts;
    std::transform(children_.begin(), children_.end(), std::back_inserter(texts), WindowText);
    for (const std::string& line : {VersionText(record, "ProductName") + " " + VersionText(record, "ProductVersion"),
                                    VersionText(record, "CompanyName")}) {
        EXPECT_TRUE(!line.empty() && std::find(texts.begin(), texts.end(), line) != texts.end()) << line;
    }
}

}  // namespace
