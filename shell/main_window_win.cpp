// The main window: the two calendars, the tab pages of the selected day, the menu commands, and the refresh that
// brings every control in line with the calendar cursor.
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "calendar/month_names.h"
#include "calendar/text_buffer.h"
#include "holidays/calendar_cursor.h"
#include "holidays/holiday_text.h"
#include "location/location.h"
#include "resource.h"
#include "shell/app_windows.h"
#include "shell/day_grid.h"
#include "shell/layout.h"
#include "shell/messages.h"
#include "shell/shell_win.h"
#include "textview/clipboard_win.h"
#include "textview/scroll_text_view_win.h"
#include "zmanim/zmanim_text.h"

namespace {

constexpr char kMainWindowTitle[] = "Kestrelon";
constexpr DWORD kMainWindowStyle = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_DLGFRAME | WS_SYSMENU;
constexpr std::size_t kPageTextSize = 20000;
constexpr std::size_t kClipboardCapacity = 19999;
constexpr int kHolidayTab = 0;
constexpr int kZmanimTab = 1;
constexpr COLORREF kEtchShadow = RGB(128, 128, 128);
constexpr COLORREF kEtchLight = RGB(255, 255, 255);

int CurrentTab() {
    return static_cast<int>(SendMessageA(gAppWindows.tabControl, TCM_GETCURSEL, 0, 0));
}

void ClearHolidayListSelection() {
    SendMessageA(gAppWindows.holidayList, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

// Gives a year field the year formatted with "%d". A field that already reads so is left alone: setting an edit
// control's text redraws it at once, about 0.35 ms under Wine, and most refreshes keep the years.
void SetYearText(HWND field, int year) {
    char text[16];
    FormatText(text, sizeof text, "%d", year);
    char shown[16] = {};
    GetWindowTextA(field, shown, sizeof shown);
    if (std::strcmp(shown, text) != 0) {
        SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
}

void SendMonthViews() {
    const int observance = gLocation.holiday();
    SendMonthView(gAppWindows.gregorianGrid, gCalendarCursor.GregorianMonthMarks(observance),
                  gCalendarCursor.GregorianMonthLength(), gCalendarCursor.Day(),
                  gCalendarCursor.GregorianMonthFirstWeekday());
    SendMonthView(gAppWindows.hebrewGrid, gCalendarCursor.HebrewMonthMarks(observance),
                  gCalendarCursor.HebrewMonthLength(), gCalendarCursor.HebrewDay(),
                  gCalendarCursor.HebrewMonthFirstWeekday());
}

// The selected day's holiday text under the current observance, with or without the view's line markers.
std::vector<char> SelectedDayHolidayText(bool keepMarkers) {
    int day = 0;
    int month = 0;
    int year = 0;
    int weekday = 0;
    gCalendarCursor.GetHebrewDate(&day, &month, &year, &weekday);
    std::vector<char> text(kPageTextSize);
    BuildHolidayText(day, month, year, gLocation.holiday(), text.data(), kPageTextSize, keepMarkers);
    return text;
}

void RefreshHolidayPage() {
    const std::vector<char> text = SelectedDayHolidayText(true);
    SendMessageA(gAppWindows.holidayView, STVM_SETTEXT, reinterpret_cast<WPARAM>(text.data()), 0);
}

void RefreshZmanimPage() {
    if (CurrentTab() != kZmanimTab) {
        return;
    }
    std::vector<std::string> columns;
    zmanimPageColumns(columns);
    SendMessageA(gAppWindows.zmanimView, STVM_CLEAR, 0, 0);
    SendMessageA(gAppWindows.zmanimView, STVM_SETCOLUMNS, reinterpret_cast<WPARAM>(&columns), 0);
}

void Refresh() {
    SyncDateControls();
    SendMonthViews();
    RefreshHolidayPage();
    RefreshZmanimPage();
    InvalidatePaintedWindows();
}

void RefreshAfterNavigation(HWND window) {
    SendMessageA(window, UM_REFRESH, 0, 0);
    ClearHolidayListSelection();
}

void CopyHolidayText(HWND window) {
    const std::vector<char> text = SelectedDayHolidayText(false);
    CopyTextToClipboard(window, text.data(), kClipboardCapacity);
}

void CopyZmanimText(HWND window) {
    std::vector<char> text(kPageTextSize);
    zmanimClipboardText(text.data(), kClipboardCapacity);
    CopyTextToClipboard(window, text.data(), kClipboardCapacity);
}

void OnMenuCommand(HWND window, int command) {
    switch (command) {
        case CMD_PREFERENCES:
            DialogBoxParamA(gAppWindows.instance, MAKEINTRESOURCEA(IDD_PREFERENCES), window, PreferencesDialogProc, 0);
            break;
        case CMD_EXIT:
            DestroyWindow(gAppWindows.hiddenWindow);
            break;
        case CMD_COPY_HOLIDAY:
            CopyHolidayText(window);
            break;
        case CMD_COPY_ZMANIM:
            CopyZmanimText(window);
            break;
        case CMD_HELP_CONTENTS:
            ShowHelpContents(window);
            break;
        case CMD_ABOUT:
            DialogBoxParamA(gAppWindows.instance, MAKEINTRESOURCEA(IDD_ABOUT), window, AboutDialogProc, 0);
            break;
        default:
            break;
    }
}

bool IsMonthBox(HWND control) {
    return control != nullptr &&
           (control == gAppWindows.gregorianMonthBox || control == gAppWindows.hebrewRegularMonthBox ||
            control == gAppWindows.hebrewLeapMonthBox);
}

void OnMonthChosen(HWND window, HWND box) {
    const LRESULT index = SendMessageA(box, CB_GETCURSEL, 0, 0);
    const LRESULT data = SendMessageA(box, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    if (data < 100) {
        gCalendarCursor.SetGregorianMonth(static_cast<int>(data));
    } else {
        gCalendarCursor.SetHebrewMonth(static_cast<int>(data - 100));
    }
    RefreshAfterNavigation(window);
}

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const HWND control = reinterpret_cast<HWND>(lParam);
    switch (HIWORD(wParam)) {
        case 0:
            if (control == nullptr) {
                OnMenuCommand(window, id);
            }
            return 0;
        case 1:
            // Month boxes report CBN_SELCHANGE (1); accelerators arrive with the same code and no control.
            if (IsMonthBox(control)) {
                OnMonthChosen(window, control);
            } else if (control == nullptr && id == CMD_ACCEL_ABOUT) {
                OnMenuCommand(window, CMD_ABOUT);
            }
            return 0;
        default:
            return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
    }
}

void OnTabChanged() {
    const int tab = CurrentTab();
    const int zmanimShown = tab == kZmanimTab ? SW_SHOW : SW_HIDE;
    const int holidayShown = tab == kHolidayTab ? SW_SHOW : SW_HIDE;
    ShowWindow(gAppWindows.changeLocationButton, zmanimShown);
    ShowWindow(gAppWindows.holidayList, holidayShown);
    ShowWindow(gAppWindows.holidayView, holidayShown);
    ShowWindow(gAppWindows.holidaysLabel, holidayShown);
    ShowWindow(gAppWindows.zmanimView, zmanimShown);
    SendMessageA(gAppWindows.mainWindow, UM_REFRESH, 0, 0);
    InvalidateRect(gAppWindows.tabSurface, nullptr, TRUE);
}

// The two spinners are told apart by their position: Hebrew years are above 4999.
void OnYearSpun(HWND window, WPARAM wParam) {
    const int position = HIWORD(wParam);
    if (position > 4999) {
        gCalendarCursor.SetHebrewYear(position);
    } else {
        gCalendarCursor.SetGregorianYear(position);
    }
    RefreshAfterNavigation(window);
}

void DrawLine(HDC dc, int x1, int y, int x2, COLORREF colour) {
    SetDCPenColor(dc, colour);
    MoveToEx(dc, x1, y, nullptr);
    LineTo(dc, x2, y);
}

void DrawEtchedFrame(HDC dc, const LayoutRect& frame, const char* caption) {
    const int left = frame.x;
    const int top = frame.y;
    const int right = frame.Right();
    const int bottom = frame.Bottom();
    Selection hollow(dc, GetStockObject(NULL_BRUSH));
    SetDCPenColor(dc, kEtchLight);
    Rectangle(dc, left + 1, top, right + 1, bottom);
    Rectangle(dc, left, top + 1, right + 1, bottom + 1);
    SetDCPenColor(dc, kEtchShadow);
    Rectangle(dc, left, top, right, bottom);

    char text[64];
    const std::size_t length = FormatText(text, sizeof text, " %s   ", caption);
    Selection font(dc, gAppWindows.FontOf(FONT_UI));
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, kBackgroundColour);
    SetBkMode(dc, OPAQUE);
    TextOutA(dc, left + 8, top - 4, text, static_cast<int>(length));
}

void PaintContent(HDC dc) {
    Selection pen(dc, GetStockObject(DC_PEN));
    {
        Selection brush(dc, GetStockObject(DC_BRUSH));
        SetDCBrushColor(dc, kBackgroundColour);
        SetDCPenColor(dc, kBackgroundColour);
        Rectangle(dc, 0, 0, layout::kMainWindowWidth, layout::kMainWindowHeight);
    }
    // The etched line under the menu bar.
    DrawLine(dc, -5, 0, layout::kMainWindowWidth + 5, kEtchShadow);
    DrawLine(dc, -5, 1, layout::kMainWindowWidth + 5, kEtchLight);
    DrawEtchedFrame(dc, layout::kGregorianFrame, "Common");
    DrawEtchedFrame(dc, layout::kHebrewFrame, "Hebrew");
}

void OnPaint(HWND window) {
    InvalidateRect(gAppWindows.tabSurface, nullptr, TRUE);
    const bool leap = gCalendarCursor.IsHebrewLeap();
    ShowWindow(gAppWindows.hebrewLeapMonthBox, leap ? SW_SHOW : SW_HIDE);
    ShowWindow(gAppWindows.hebrewRegularMonthBox, leap ? SW_HIDE : SW_SHOW);

    PaintDc paint(window);
    BackBuffer buffer(paint.Get(), layout::kMainWindowWidth, layout::kMainWindowHeight);
    PaintContent(buffer.Dc());
    buffer.CopyTo(paint.Get());
}

void OnDestroy() {
    gAppWindows.mainWindow = nullptr;
    gAppWindows.tabControl = nullptr;
    gAppWindows.tabSurface = nullptr;
    gAppWindows.gregorianGrid = nullptr;
    gAppWindows.hebrewGrid = nullptr;
    gAppWindows.gregorianMonthBox = nullptr;
    gAppWindows.hebrewRegularMonthBox = nullptr;
    gAppWindows.hebrewLeapMonthBox = nullptr;
    gAppWindows.gregorianYearField = nullptr;
    gAppWindows.hebrewYearField = nullptr;
    gAppWindows.gregorianSpinner = nullptr;
    gAppWindows.hebrewSpinner = nullptr;
    // The tab surface's children die with it; forget them too, so nothing refers to a destroyed window.
    gAppWindows.changeLocationButton = nullptr;
    gAppWindows.holidayList = nullptr;
    gAppWindows.holidaysLabel = nullptr;
    gAppWindows.holidayView = nullptr;
    gAppWindows.zmanimView = nullptr;
}

}  // namespace

void SendMonthView(HWND grid, unsigned marks, int daysInMonth, int selectedDay, int firstWeekday) {
    SendMessageA(grid, UM_SET_MONTH_VIEW, marks,
                 static_cast<LPARAM>(day_grid::PackMonthView(daysInMonth, selectedDay, firstWeekday)));
}

void InvalidatePaintedWindows() {
    for (HWND painted : {gAppWindows.gregorianGrid, gAppWindows.hebrewGrid, gAppWindows.mainWindow,
                         gAppWindows.tabSurface, gAppWindows.holidayView, gAppWindows.zmanimView}) {
        if (painted != nullptr) {
            InvalidateRect(painted, nullptr, FALSE);
        }
    }
}

void SyncDateControls() {
    int day = 0;
    int month = 0;
    int year = 0;
    int weekday = 0;
    gCalendarCursor.GetGregorianDate(&day, &month, &year, &weekday);
    int hebrewDay = 0;
    int hebrewMonth = 0;
    int hebrewYear = 0;
    gCalendarCursor.GetHebrewDate(&hebrewDay, &hebrewMonth, &hebrewYear, &weekday);

    SetYearText(gAppWindows.gregorianYearField, year);
    SetYearText(gAppWindows.hebrewYearField, hebrewYear);

    SendMessageA(gAppWindows.gregorianMonthBox, CB_SELECTSTRING, 0,
                 reinterpret_cast<LPARAM>(GregorianMonthName(month)));
    const char* hebrewName = HebrewMonthName(hebrewMonth);
    SendMessageA(gAppWindows.hebrewRegularMonthBox, CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(hebrewName));
    SendMessageA(gAppWindows.hebrewLeapMonthBox, CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(hebrewName));
}

void CreateMainWindow() {
    gAppWindows.mainWindow = CreateWindowExA(0, gAppWindows.className, kMainWindowTitle, kMainWindowStyle,
                                             CW_USEDEFAULT, 0, layout::kMainWindowWidth, layout::kMainWindowHeight,
                                             nullptr, nullptr, gAppWindows.instance, nullptr);
    CreateChildControls(gAppWindows.mainWindow);
    ShowInitialControls();
    gCalendarCursor.SetToToday();
    InvalidatePaintedWindows();
    SetTimer(gAppWindows.mainWindow, kClockTimerId, kClockTimerMs, nullptr);
    SendMessageA(gAppWindows.mainWindow, UM_REFRESH, 0, 0);
    SendMonthViews();
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_PAINT:
            OnPaint(window);
            return 0;
        case WM_PRINTCLIENT:
            PaintContent(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_COMMAND:
            return OnCommand(window, wParam, lParam);
        case WM_TIMER:
            if (wParam == kClockTimerId) {
                RefreshZmanimPage();
                InvalidatePaintedWindows();
            }
            return 0;
        case WM_NOTIFY: {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header != nullptr && header->idFrom == IDC_TAB && header->code == static_cast<UINT>(TCN_SELCHANGE)) {
                OnTabChanged();
            }
            return 0;
        }
        case WM_VSCROLL:
            OnYearSpun(window, wParam);
            return 0;
        case UM_GREGORIAN_DAY_PICKED:
            gCalendarCursor.SetGregorianDay(static_cast<int>(lParam));
            RefreshAfterNavigation(window);
            return 0;
        case UM_HEBREW_DAY_PICKED:
            gCalendarCursor.SetHebrewDay(static_cast<int>(lParam));
            RefreshAfterNavigation(window);
            return 0;
        case UM_REFRESH:
            Refresh();
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}
