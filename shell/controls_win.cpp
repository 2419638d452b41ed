// The shared fonts and the children of the main window: where each stands, how it is made and filled, and which
// are visible at the start.
#include <windows.h>

#include <commctrl.h>

#include <iterator>

#include "calendar/month_names.h"
#include "calendar/text_buffer.h"
#include "holidays/calendar_cursor.h"
#include "holidays/holiday_text.h"
#include "resource.h"
#include "shell/app_windows.h"
#include "shell/layout.h"
#include "shell/shell_win.h"
#include "textview/scroll_text_view_win.h"

namespace {

constexpr char kFontFace[] = "MS Shell Dlg";
constexpr int kFontHeight = 14;
constexpr int kFirstGregorianYear = 1941;
constexpr int kLastGregorianYear = 2076;
constexpr int kFirstHebrewYear = 5701;
constexpr int kLastHebrewYear = 5836;
constexpr DWORD kSpinnerStyle = WS_CHILD | WS_BORDER | UDS_WRAP | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
constexpr DWORD kTextViewStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr UINT32 kZmanimAlignments[3] = {TA_LEFT | TA_TOP, TA_RIGHT | TA_TOP, TA_LEFT | TA_TOP};

HFONT MakeFont(int weight) {
    return CreateFontA(kFontHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, kFontFace);
}

HWND MakeControl(DWORD exStyle,
                 const char* className,
                 const char* text,
                 DWORD style,
                 const LayoutRect& rect,
                 HWND parent,
                 int id,
                 void* createParam = nullptr) {
    return CreateWindowExA(exStyle, className, text, style, rect.x, rect.y, rect.width, rect.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), gAppWindows.instance, createParam);
}

void UseFont(HWND control, ShellFont font) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(gAppWindows.FontOf(font)), TRUE);
}

void SetWindowNumber(HWND window, int number) {
    char text[16];
    FormatText(text, sizeof text, "%d", number);
    SetWindowTextA(window, text);
}

// Adds an entry to a combo box and gives it its item data; in a sorted box the entry lands in its sorted place.
void AddComboEntry(HWND box, const char* text, LPARAM data) {
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    const LRESULT index = SendMessageA(box, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    SendMessageA(box, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

void CreateTabControl(HWND mainWindow) {
    constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    gAppWindows.tabControl =
        MakeControl(0, WC_TABCONTROLA, "Kestrelon Tab", kStyle, layout::kTabControl, mainWindow, IDC_TAB);
    UseFont(gAppWindows.tabControl, FONT_UI);
    gAppWindows.tabSurface = MakeControl(0, kTabSurfaceClass, "Tab Surface", kStyle, LayoutRect{0, 0, 0, 0},
                                         gAppWindows.tabControl, IDC_TAB_SURFACE);

    char holiday[] = "Holiday";
    char zmanim[] = "Zmanim";
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.iImage = -1;
    item.pszText = holiday;
    SendMessageA(gAppWindows.tabControl, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.pszText = zmanim;
    SendMessageA(gAppWindows.tabControl, TCM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&item));

    // The surface covers the page area, below the row of tabs.
    RECT page;
    GetClientRect(gAppWindows.tabControl, &page);
    SendMessageA(gAppWindows.tabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    RECT tabRow{};
    SendMessageA(gAppWindows.tabControl, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tabRow));
    if (page.top < tabRow.bottom) {
        page.top = tabRow.bottom;
    }
    MoveWindow(gAppWindows.tabSurface, page.left, page.top, page.right - page.left, page.bottom - page.top, TRUE);
}

void CreateHolidayPage() {
    const HWND surface = gAppWindows.tabSurface;
    gAppWindows.changeLocationButton = MakeControl(0, "BUTTON", "Change Location", WS_CHILD | BS_PUSHBUTTON,
                                                   layout::kChangeLocationButton, surface, IDC_CHANGE_LOCATION);
    UseFont(gAppWindows.changeLocationButton, FONT_UI);

    gAppWindows.holidayList = MakeControl(0, "COMBOBOX", "Holiday List", WS_CHILD | CBS_SORT | CBS_DROPDOWNLIST,
                                          layout::kHolidayList, surface, 0);
    const HolidayChoiceList choices = HolidayChoices();
    for (int i = 0; i < choices.count; ++i) {
        AddComboEntry(gAppWindows.holidayList, choices.items[i].name, choices.items[i].code);
    }
    gAppWindows.holidaysLabel =
        MakeControl(0, "STATIC", "Holidays", WS_CHILD | WS_CLIPSIBLINGS, layout::kHolidaysLabel, surface, 0);
    UseFont(gAppWindows.holidayList, FONT_UI);
    UseFont(gAppWindows.holidaysLabel, FONT_UI);
}

void CreateTextViews() {
    const HWND surface = gAppWindows.tabSurface;
    gAppWindows.holidayView = MakeControl(WS_EX_CLIENTEDGE, kScrollTextViewClass, "Holiday View", kTextViewStyle,
                                          layout::kTextView, surface, IDC_HOLIDAY_VIEW, &gAppWindows.viewFonts);
    gAppWindows.zmanimView = MakeControl(WS_EX_CLIENTEDGE, kScrollTextViewClass, "Zmanim View", kTextViewStyle,
                                         layout::kTextView, surface, IDC_ZMANIM_VIEW, &gAppWindows.viewFonts);
    ShowScrollBar(gAppWindows.holidayView, SB_VERT, TRUE);
    ShowScrollBar(gAppWindows.zmanimView, SB_VERT, FALSE);
    for (HWND view : {gAppWindows.holidayView, gAppWindows.zmanimView}) {
        UseFont(view, FONT_VIEW);
        SendMessageA(view, STVM_SETTEXT, reinterpret_cast<WPARAM>(""), 0);
    }
    SendMessageA(gAppWindows.zmanimView, STVM_SETALIGNMENTS, reinterpret_cast<WPARAM>(kZmanimAlignments),
                 static_cast<LPARAM>(std::size(kZmanimAlignments)));
}

HWND CreateDayGrid(HWND mainWindow, const char* title, const LayoutRect& rect, int id) {
    return MakeControl(WS_EX_CLIENTEDGE, kDayGridClass, title, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect,
                       mainWindow, id);
}

HWND CreateMonthBox(HWND mainWindow, const char* title, const LayoutRect& rect) {
    const HWND box = MakeControl(0, "COMBOBOX", title, WS_CHILD | CBS_DROPDOWNLIST, rect, mainWindow, 0);
    UseFont(box, FONT_UI);
    return box;
}

HWND CreateYearField(HWND mainWindow, const char* title, const LayoutRect& rect, int year) {
    const HWND field = MakeControl(0, "EDIT", title, WS_CHILD | WS_BORDER | ES_READONLY, rect, mainWindow, 0);
    UseFont(field, FONT_UI);
    SetWindowNumber(field, year);
    return field;
}

HWND CreateSpinner(HWND mainWindow, const LayoutRect& rect, int id, HWND buddy, int first, int last, int year) {
    return CreateUpDownControl(kSpinnerStyle, rect.x, rect.y, rect.width, rect.height, mainWindow, id,
                               gAppWindows.instance, buddy, last, first, year);
}

void CreateGregorianControls(HWND mainWindow) {
    gAppWindows.gregorianGrid =
        CreateDayGrid(mainWindow, "Gregorian Calendar", layout::kGregorianGrid, IDC_GREGORIAN_GRID);
    gAppWindows.gregorianMonthBox = CreateMonthBox(mainWindow, "Gregorian Month", layout::kGregorianMonthBox);
    for (int month = 1; month <= 12; ++month) {
        const HWND box = gAppWindows.gregorianMonthBox;
        SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GregorianMonthName(month)));
        SendMessageA(box, CB_SETITEMDATA, static_cast<WPARAM>(month - 1), month);
    }
    SendMessageA(gAppWindows.gregorianMonthBox, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(GregorianMonthName(gCalendarCursor.Month())));
    gAppWindows.gregorianYearField =
        CreateYearField(mainWindow, "Gregorian Year", layout::kGregorianYearField, gCalendarCursor.Year());
    gAppWindows.gregorianSpinner =
        CreateSpinner(mainWindow, layout::kGregorianSpinner, IDC_GREGORIAN_SPINNER, gAppWindows.gregorianYearField,
                      kFirstGregorianYear, kLastGregorianYear, gCalendarCursor.Year());
}

void FillHebrewMonthBox(HWND box, bool leapYear) {
    const MonthChoiceList choices = HebrewMonthChoices(leapYear);
    for (int i = 0; i < choices.count; ++i) {
        SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choices.items[i].name));
        SendMessageA(box, CB_SETITEMDATA, static_cast<WPARAM>(i), 100 + choices.items[i].month);
    }
}

void CreateHebrewControls(HWND mainWindow) {
    gAppWindows.hebrewGrid = CreateDayGrid(mainWindow, "Hebrew Calendar", layout::kHebrewGrid, IDC_HEBREW_GRID);
    gAppWindows.hebrewRegularMonthBox = CreateMonthBox(mainWindow, "Hebrew Regular Month", layout::kHebrewMonthBox);
    gAppWindows.hebrewLeapMonthBox = CreateMonthBox(mainWindow, "Hebrew Leap Year Month", layout::kHebrewMonthBox);
    FillHebrewMonthBox(gAppWindows.hebrewRegularMonthBox, false);
    FillHebrewMonthBox(gAppWindows.hebrewLeapMonthBox, true);
    const int year = gCalendarCursor.HebrewYear();
    gAppWindows.hebrewYearField = CreateYearField(mainWindow, "Hebrew Year", layout::kHebrewYearField, year);
    gAppWindows.hebrewSpinner = CreateSpinner(mainWindow, layout::kHebrewSpinner, IDC_HEBREW_SPINNER,
                                              gAppWindows.hebrewYearField, kFirstHebrewYear, kLastHebrewYear, year);
}

}  // namespace

void CreateShellFonts() {
    gAppWindows.fonts[FONT_DAY].Reset(MakeFont(FW_NORMAL));
    gAppWindows.fonts[FONT_DAY_SELECTED].Reset(MakeFont(FW_BOLD));
    gAppWindows.fonts[FONT_GRID_HEADER].Reset(MakeFont(FW_NORMAL));
    gAppWindows.fonts[FONT_UI].Reset(MakeFont(FW_NORMAL));
    gAppWindows.fonts[FONT_VIEW].Reset(MakeFont(FW_NORMAL));
    gAppWindows.fonts[FONT_VIEW_BOLD].Reset(MakeFont(FW_BOLD));
    gAppWindows.viewFonts = {gAppWindows.FontOf(FONT_VIEW), gAppWindows.FontOf(FONT_VIEW_BOLD)};
}

void CreateChildControls(HWND mainWindow) {
    CreateTabControl(mainWindow);
    CreateHolidayPage();
    CreateTextViews();
    CreateGregorianControls(mainWindow);
    CreateHebrewControls(mainWindow);
}

void ShowInitialControls() {
    const bool leap = gCalendarCursor.IsHebrewLeap();
    for (HWND shown : {gAppWindows.mainWindow, gAppWindows.tabControl, gAppWindows.tabSurface, gAppWindows.holidayList,
                       gAppWindows.holidayView, gAppWindows.holidaysLabel, gAppWindows.gregorianGrid,
                       gAppWindows.hebrewGrid, gAppWindows.gregorianMonthBox, gAppWindows.gregorianYearField,
                       gAppWindows.hebrewYearField, gAppWindows.gregorianSpinner, gAppWindows.hebrewSpinner}) {
        ShowWindow(shown, SW_SHOW);
    }
    ShowWindow(gAppWindows.zmanimView, SW_HIDE);
    ShowWindow(gAppWindows.changeLocationButton, SW_HIDE);
    ShowWindow(gAppWindows.hebrewLeapMonthBox, leap ? SW_SHOW : SW_HIDE);
    ShowWindow(gAppWindows.hebrewRegularMonthBox, leap ? SW_HIDE : SW_SHOW);

    UpdateWindow(gAppWindows.mainWindow);
    for (HWND updated :
         {gAppWindows.gregorianGrid, gAppWindows.hebrewGrid, gAppWindows.gregorianMonthBox,
          gAppWindows.hebrewRegularMonthBox, gAppWindows.hebrewLeapMonthBox, gAppWindows.gregorianYearField,
          gAppWindows.hebrewYearField, gAppWindows.gregorianSpinner, gAppWindows.hebrewSpinner}) {
        UpdateWindow(updated);
    }
}
