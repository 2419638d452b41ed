// The resources of kestrelon.exe, compiled into this test program from the same script: the class-name string, the
// menu, the accelerators, the pictures and the two dialogs, checked through the Win32 calls that the program uses.
#include <windows.h>

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
    "&File | 32801 Preferences...",       // CMD_PREFERENCES
    "&File | separator",                  //
    "&File | 32791 E&xit",                // CMD_EXIT
    "Edit | 32806 Copy Holiday",          // CMD_COPY_HOLIDAY
    "Edit | 32807 Copy Zmanim",           // CMD_COPY_ZMANIM
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

// A dialog made from its template and left hidden, with its rectangles read back in dialog units.
class DialogFixture : public ::testing::Test {
  protected:
    void Open(int id) {
        dialog_ = CreateDialogParamA(Instance(), MAKEINTRESOURCEA(id), nullptr, PassiveDialog, 0);
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override {
        if (dialog_ != nullptr) {
            DestroyWindow(dialog_);
        }
    }

    // A rectangle of dialog units in the dialog's pixels. The dialog manager converts the position and the size
    // separately, so the right edge is the converted left plus the converted width.
    RECT Pixels(int x, int y, int width, int height) const {
        RECT units{x, y, width, height};
        MapDialogRect(dialog_, &units);
        return RECT{units.left, units.top, units.left + units.right, units.top + units.bottom};
    }

    // A control's window rectangle in the dialog's client coordinates.
    RECT PlaceOf(HWND control) const {
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    std::vector<HWND> Children() const {
        std::vector<HWND> children;
        for (HWND child = GetWindow(dialog_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            children.push_back(child);
        }
        return children;
    }

    // Width in pixels of a control's text in the control's font, without the "&" of a mnemonic.
    int TextWidth(HWND control) const {
        std::string text = WindowText(control);
        std::string shown;
        for (char c : text) {
            if (c != '&') {
                shown += c;
            }
        }
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        return size.cx;
    }

    HWND dialog_ = nullptr;
};

enum class Kind { GroupBox, Label, Edit, PushButton, DefaultButton, Combo, Radio, Picture };

struct ControlRow {
    const char* label;
    int id;
    Kind kind;
    const char* text;
    int x, y, width, height;
};

// The Preferences dialog in creation (and tab) order.
const ControlRow kPreferencesRows[] = {
    {"Location group", -1, Kind::GroupBox, "Location", 9, 12, 189, 81},
    {"Zip Code label", -1, Kind::Label, "Zip Code", 18, 30, 34, 8},  // 29 wide showed "Zip" alone
    {"ZIP edit", 1087, Kind::Edit, "", 18, 42, 69, 13},
    {"Look up button", 1088, Kind::PushButton, "Look up zip code", 18, 66, 63, 15},
    {"or", -1, Kind::Label, "or", 96, 42, 8, 8},
    {"City label", 1070, Kind::Label, "City", 109, 30, 14, 8},
    {"City list", 1002, Kind::Combo, "", 109, 42, 81, 96},
    {"Position group", -1, Kind::GroupBox, "Position", 204, 12, 156, 123},
    {"Latitude label", -1, Kind::Label, "Latitude", 216, 30, 32, 8},  // 27 cut the text
    {"Latitude degrees", 1005, Kind::Combo, "", 216, 42, 39, 84},
    {"Latitude minutes", 1006, Kind::Combo, "", 258, 42, 39, 90},
    {"Latitude hemisphere", 1007, Kind::Combo, "", 300, 42, 39, 90},
    {"Longitude label", -1, Kind::Label, "Longitude", 216, 60, 38, 8},  // 32 cut the text
    {"Longitude degrees", 1008, Kind::Combo, "", 216, 72, 39, 72},
    {"Longitude minutes", 1009, Kind::Combo, "", 258, 72, 39, 72},
    {"Longitude hemisphere", 1010, Kind::Combo, "", 300, 72, 39, 72},
    {"Elevation label", -1, Kind::Label, "Elevation", 216, 96, 34, 8},  // 30 cut the text
    {"Elevation list", 1011, Kind::Combo, "", 216, 108, 55, 74},
    {"Meters", 1020, Kind::Radio, "Meters", 282, 108, 38, 10},
    {"Feet", 1019, Kind::Radio, "Feet", 324, 108, 31, 10},
    {"Observance group", -1, Kind::GroupBox, "Holiday Observance", 9, 96, 102, 39},
    {"Israel", 1061, Kind::Radio, "Israel", 18, 114, 34, 10},
    {"Diaspora", 1062, Kind::Radio, "Diaspora", 60, 114, 44, 10},
    {"OK", 1, Kind::DefaultButton, "OK", 114, 156, 54, 15},
    {"Cancel", 2, Kind::PushButton, "Cancel", 198, 156, 54, 15},
};

const char* ClassOfKind(Kind kind) {
    switch (kind) {
        case Kind::Edit:
            return "Edit";
        case Kind::Combo:
            return "ComboBox";
        case Kind::Label:
        case Kind::Picture:
            return "Static";
        default:
            return "Button";
    }
}

bool HasKindStyle(Kind kind, LONG style) {
    const LONG buttonType = style & BS_TYPEMASK;
    switch (kind) {
        case Kind::GroupBox:
            return buttonType == BS_GROUPBOX;
        case Kind::PushButton:
            return buttonType == BS_PUSHBUTTON;
        case Kind::DefaultButton:
            return buttonType == BS_DEFPUSHBUTTON;
        case Kind::Radio:
            return buttonType == BS_AUTORADIOBUTTON;
        case Kind::Combo:
            return (style & 3) == CBS_DROPDOWNLIST;
        case Kind::Label:
            return (style & SS_TYPEMASK) == SS_LEFT;
        case Kind::Picture:
            return (style & SS_TYPEMASK) == SS_BITMAP;
        case Kind::Edit:
            return true;
    }
    return false;
}

class PreferencesDialog : public DialogFixture {
  protected:
    void SetUp() override { Open(136); }
};

TEST_F(PreferencesDialog, HasItsCaptionAndSize) {
    EXPECT_EQ(WindowText(dialog_), "Preferences");
    RECT client{};
    GetClientRect(dialog_, &client);
    const RECT expected = Pixels(0, 0, 370, 186);
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);
    EXPECT_TRUE(GetWindowLongA(dialog_, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
}

TEST_F(PreferencesDialog, ControlsComeInOrderWithIdKindAndText) {
    const std::vector<HWND> children = Children();
    ASSERT_EQ(children.size(), std::size(kPreferencesRows));
    for (std::size_t i = 0; i < children.size(); ++i) {
        const ControlRow& row = kPreferencesRows[i];
        SCOPED_TRACE(row.label);
        HWND control = children[i];
        EXPECT_EQ(GetDlgCtrlID(control), row.id == -1 ? 0xFFFF : row.id);
        EXPECT_EQ(ClassOf(control), ClassOfKind(row.kind));
        EXPECT_TRUE(HasKindStyle(row.kind, StyleOf(control))) << std::hex << StyleOf(control);
        if (row.kind != Kind::Combo && row.kind != Kind::Edit) {
            EXPECT_EQ(WindowText(control), row.text);
        }
    }
}

TEST_F(PreferencesDialog, ControlsStandInTheirRectangles) {
    const std::vector<HWND> children = Children();
    ASSERT_EQ(children.size(), std::size(kPreferencesRows));
    for (std::size_t i = 0; i < children.size(); ++i) {
        const ControlRow& row = kPreferencesRows[i];
        SCOPED_TRACE(row.label);
        const RECT expected = Pixels(row.x, row.y, row.width, row.height);
        const RECT actual = PlaceOf(children[i]);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        // A drop-down list's window is only its selection field; the template's height is that of the open list.
        if (row.kind != Kind::Combo) {
            EXPECT_EQ(actual.bottom, expected.bottom);
        }
    }
}

TEST_F(PreferencesDialog, OkIsTheDefaultButton) {
    const LRESULT result = SendMessageA(dialog_, DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(result), DC_HASDEFID);
    EXPECT_EQ(LOWORD(result), IDOK);
}

TEST_F(PreferencesDialog, ZipFieldTakesOnlyDigits) {
    HWND edit = GetDlgItem(dialog_, IDC_ZIP_EDIT);
    for (char c : std::string("1a0-0 01x")) {
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
    }
    EXPECT_EQ(WindowText(edit), "10001");
}

TEST_F(PreferencesDialog, ZipFieldScrollsBeyondItsWidth) {
    // Without automatic horizontal scrolling an edit refuses text wider than itself.
    HWND edit = GetDlgItem(dialog_, IDC_ZIP_EDIT);
    const std::string digits(60, '7');
    for (char c : digits) {
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
    }
    EXPECT_EQ(WindowText(edit), digits);
}

TEST_F(PreferencesDialog, OnlyTheCityListSortsAndScrolls) {
    struct ListCase {
        const char* label;
        int id;
        bool sorted;
        bool scrolls;
    };
    const ListCase lists[] = {
        {"city list", 1002, true, true},
        {"latitude degrees", 1005, false, false},
        {"latitude minutes", 1006, false, false},
        {"latitude hemisphere", 1007, false, false},
        {"longitude degrees", 1008, false, false},
        {"longitude minutes", 1009, false, false},
        {"longitude hemisphere", 1010, false, false},
        {"elevation", 1011, false, false},
    };
    for (const ListCase& list : lists) {
        SCOPED_TRACE(list.label);
        HWND box = GetDlgItem(dialog_, list.id);
        // More items than the open list can show at once, in descending order.
        for (int item = 60; item >= 1; --item) {
            const std::string text = std::to_string(item);
            SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        char first[8] = {};
        SendMessageA(box, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
        EXPECT_STREQ(first, list.sorted ? "1" : "60");
        // The scroll bar style passes from the box to its list, which shows the bar when the items overflow.
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        ASSERT_TRUE(GetComboBoxInfo(box, &parts));
        EXPECT_EQ((StyleOf(parts.hwndList) & WS_VSCROLL) != 0, list.scrolls);
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

// Room that a check mark or a radio circle takes before the text of a button.
constexpr int kButtonGlyphPx = 16;

TEST_F(PreferencesDialog, NoTextIsCut) {
    for (HWND control : Children()) {
        const std::string kind = ClassOf(control);
        const LONG type = StyleOf(control) & BS_TYPEMASK;
        if (kind == "ComboBox" || kind == "Edit" || (kind == "Button" && type == BS_GROUPBOX)) {
            continue;
        }
        SCOPED_TRACE(WindowText(control));
        RECT client{};
        GetClientRect(control, &client);
        const int room = kind == "Button" && type == BS_AUTORADIOBUTTON ? client.right - kButtonGlyphPx : client.right;
        EXPECT_LE(TextWidth(control), room);
    }
}

class AboutDialog : public DialogFixture {
  protected:
    void SetUp() override { Open(1002); }
};

TEST_F(AboutDialog, HasItsCaptionAndSize) {
    EXPECT_EQ(WindowText(dialog_), "About Kestrelon");
    RECT client{};
    GetClientRect(dialog_, &client);
    const RECT expected = Pixels(0, 0, 238, 99);
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);
    EXPECT_TRUE(GetWindowLongA(dialog_, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
}

TEST_F(AboutDialog, ShowsTheAboutPictureSunkenAndBordered) {
    HWND picture = Children().front();
    const LONG style = StyleOf(picture);
    EXPECT_EQ(style & SS_TYPEMASK, SS_BITMAP);
    EXPECT_TRUE(style & SS_SUNKEN);
    // The dialog manager draws a child's border as a client edge.
    EXPECT_TRUE((style & WS_BORDER) || (GetWindowLongA(picture, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
    const RECT place = PlaceOf(picture);
    const RECT expected = Pixels(18, 12, 46, 44);
    EXPECT_EQ(place.left, expected.left);
    EXPECT_EQ(place.top, expected.top);

    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 100);
    EXPECT_EQ(info.bmHeight, 100);
}

TEST_F(AboutDialog, TextLinesStandInTheirTwoColumns) {
    // After the picture: the product line, then the two columns of maker and contact lines.
    const POINT places[] = {{78, 12},  {78, 24},  {78, 36},  {78, 48}, {78, 60},
                            {162, 12}, {162, 24}, {162, 36}, {162, 48}};
    const std::vector<HWND> children = Children();
    ASSERT_EQ(children.size(), 1 + std::size(places) + 1);
    EXPECT_EQ(WindowText(children[1]), "Kestrelon 1.1");
    EXPECT_EQ(WindowText(children[2]), "Brisken Software");
    for (std::size_t i = 0; i < std::size(places); ++i) {
        HWND line = children[1 + i];
        SCOPED_TRACE(WindowText(line));
        EXPECT_EQ(ClassOf(line), "Static");
        EXPECT_FALSE(WindowText(line).empty());
        const RECT place = PlaceOf(line);
        const RECT expected = Pixels(places[i].x, places[i].y, 1, 8);
        EXPECT_EQ(place.left, expected.left);
        EXPECT_EQ(place.top, expected.top);
        EXPECT_EQ(place.bottom, expected.bottom);
    }
}

TEST_F(AboutDialog, OkIsTheDefaultButtonAtItsPlace) {
    HWND ok = GetDlgItem(dialog_, IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(StyleOf(ok) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    const RECT place = PlaceOf(ok);
    const RECT expected = Pixels(78, 78, 35, 10);
    EXPECT_EQ(place.left, expected.left);
    EXPECT_EQ(place.top, expected.top);
    EXPECT_EQ(place.right, expected.right);
    EXPECT_EQ(place.bottom, expected.bottom);
}

TEST_F(AboutDialog, NoTextIsCutAndNoLineRunsOffTheDialog) {
    RECT dialogClient{};
    GetClientRect(dialog_, &dialogClient);
    for (HWND control : Children()) {
        if (ClassOf(control) != "Static" || (StyleOf(control) & SS_TYPEMASK) == SS_BITMAP) {
            continue;
        }
        SCOPED_TRACE(WindowText(control));
        RECT client{};
        GetClientRect(control, &client);
        EXPECT_LE(TextWidth(control), client.right);
        EXPECT_LE(PlaceOf(control).right, dialogClient.right);
    }
}

}  // namespace
