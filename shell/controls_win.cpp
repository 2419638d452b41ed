// The shared fonts and the children of the main window: where each stands, how it is made and filled, and which
// are visible at the start. The tab pages make their own controls (tab_pages_win.cpp).
#include <windows.h>

#include <commctrl.h>

#include "calendar/month_names.h"
#include "calendar/text_buffer.h"
#include "resource.h"
#include "shell/app_windows.h"
#include "shell/layout.h"
#include "shell/main_window_win.h"
#include "shell/messages.h"
#include "shell/shell_win.h"
#include "shell/tab_surface_win.h"

namespace {

constexpr char kFontFace[] = "MS Shell Dlg";
constexpr int kFontHeight = 14;
constexpr int kFirstGregorianYear = 1941;
constexpr int kLastGregorianYear = 2076;
constexpr int kFirstHebrewYear = 5701;
constexpr int kLastHebrewYear = 5836;
constexpr DWORD kSpinnerStyle = WS_CHILD | WS_BORDER | UDS_WRAP | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;

HFONT MakeFont(int weight) {
    return CreateFontA(kFontHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, kFontFace);
}

void SetWindowNumber(HWND window, int number) {
    char text[16];
    FormatText(text, sizeof text, "%d", number);
    SetWindowTextA(window, text);
}

// Makes the children of one main window with the program's instance and fonts.
class ControlMaker {
  public:
    explicit ControlMaker(MainWindowState& main) : main_(main), app_(main.app), children_(main.children) {}

    void Create() {
        const TabSurfaceWindows tabs = CreateTabSurface(app_, main_.window);
        children_.tabControl = tabs.tabControl;
        children_.tabSurface = tabs.surface;
        CreateGregorianControls();
        CreateHebrewControls();
    }

  private:
    HWND MakeControl(DWORD exStyle,
                     const char* className,
                     const char* text,
                     DWORD style,
                     const LayoutRect& rect,
                     HWND parent,
                     int id,
                     const void* createParam = nullptr) const {
        return CreateWindowExA(exStyle, className, text, style, rect.x, rect.y, rect.width, rect.height, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app_.windows.instance,
                               const_cast<void*>(createParam));
    }

    void UseFont(HWND control, ShellFont font) const {
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(app_.windows.FontOf(font)), TRUE);
    }

    HWND CreateDayGrid(const char* title, const LayoutRect& rect, int id, UINT pickedMessage) const {
        const DayGridParams params{&app_.windows.fonts, pickedMessage};
        return MakeControl(WS_EX_CLIENTEDGE, kDayGridClass, title, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect,
                           main_.window, id, &params);
    }

    HWND CreateMonthBox(const char* title, const LayoutRect& rect) const {
        const HWND box = MakeControl(0, "COMBOBOX", title, WS_CHILD | CBS_DROPDOWNLIST, rect, main_.window, 0);
        UseFont(box, FONT_UI);
        return box;
    }

    HWND CreateYearField(const char* title, const LayoutRect& rect, int year) const {
        const HWND field = MakeControl(0, "EDIT", title, WS_CHILD | WS_BORDER | ES_READONLY, rect, main_.window, 0);
        UseFont(field, FONT_UI);
        SetWindowNumber(field, year);
        return field;
    }

    HWND CreateSpinner(const LayoutRect& rect, int id, HWND buddy, int first, int last, int year) const {
        return CreateUpDownControl(kSpinnerStyle, rect.x, rect.y, rect.width, rect.height, main_.window, id,
                                   app_.windows.instance, buddy, last, first, year);
    }

    void CreateGregorianControls() {
        const CalendarCursor& cursor = app_.state.cursor;
        children_.gregorianGrid =
            CreateDayGrid("Gregorian Calendar", layout::kGregorianGrid, IDC_GREGORIAN_GRID, UM_GREGORIAN_DAY_PICKED);
        children_.gregorianMonthBox = CreateMonthBox("Gregorian Month", layout::kGregorianMonthBox);
        for (int month = 1; month <= 12; ++month) {
            const HWND box = children_.gregorianMonthBox;
            SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GregorianMonthName(month)));
            SendMessageA(box, CB_SETITEMDATA, static_cast<WPARAM>(month - 1), month);
        }
        SendMessageA(children_.gregorianMonthBox, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(GregorianMonthName(cursor.Month())));
        children_.gregorianYearField = CreateYearField("Gregorian Year", layout::kGregorianYearField, cursor.Year());
        children_.gregorianSpinner =
            CreateSpinner(layout::kGregorianSpinner, IDC_GREGORIAN_SPINNER, children_.gregorianYearField,
                          kFirstGregorianYear, kLastGregorianYear, cursor.Year());
    }

    static void FillHebrewMonthBox(HWND box, bool leapYear) {
        const MonthChoiceList choices = HebrewMonthChoices(leapYear);
        for (int i = 0; i < choices.count; ++i) {
            SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choices.items[i].name));
            SendMessageA(box, CB_SETITEMDATA, static_cast<WPARAM>(i), kHebrewMonthDataBase + choices.items[i].month);
        }
    }

    void CreateHebrewControls() {
        children_.hebrewGrid =
            CreateDayGrid("Hebrew Calendar", layout::kHebrewGrid, IDC_HEBREW_GRID, UM_HEBREW_DAY_PICKED);
        children_.hebrewRegularMonthBox = CreateMonthBox("Hebrew Regular Month", layout::kHebrewMonthBox);
        children_.hebrewLeapMonthBox = CreateMonthBox("Hebrew Leap Year Month", layout::kHebrewMonthBox);
        FillHebrewMonthBox(children_.hebrewRegularMonthBox, false);
        FillHebrewMonthBox(children_.hebrewLeapMonthBox, true);
        const int year = app_.state.cursor.HebrewYear();
        children_.hebrewYearField = CreateYearField("Hebrew Year", layout::kHebrewYearField, year);
        children_.hebrewSpinner = CreateSpinner(layout::kHebrewSpinner, IDC_HEBREW_SPINNER, children_.hebrewYearField,
                                                kFirstHebrewYear, kLastHebrewYear, year);
    }

    MainWindowState& main_;
    App& app_;
    MainChildren& children_;
};

}  // namespace

void CreateShellFonts(App& app) {
    Font* fonts = app.windows.fonts.fonts;
    fonts[FONT_DAY].Reset(MakeFont(FW_NORMAL));
    fonts[FONT_DAY_SELECTED].Reset(MakeFont(FW_BOLD));
    fonts[FONT_GRID_HEADER].Reset(MakeFont(FW_NORMAL));
    fonts[FONT_UI].Reset(MakeFont(FW_NORMAL));
    fonts[FONT_VIEW].Reset(MakeFont(FW_NORMAL));
    fonts[FONT_VIEW_BOLD].Reset(MakeFont(FW_BOLD));
    app.windows.viewFonts = {app.windows.FontOf(FONT_VIEW), app.windows.FontOf(FONT_VIEW_BOLD)};
}

void CreateChildControls(MainWindowState& main) {
    ControlMaker(main).Create();
}

void ShowInitialControls(MainWindowState& main) {
    const bool leap = main.app.state.cursor.IsHebrewLeap();
    ShowWindow(main.window, SW_SHOW);
    for (const ChildRole& role : kChildRoles) {
        const bool shown = role.atStart == AtStart::Shown || (role.atStart == AtStart::ByLeapYear && leap) ||
                           (role.atStart == AtStart::ByRegularYear && !leap);
        ShowWindow(main.children.*role.handle, shown ? SW_SHOW : SW_HIDE);
    }
    ShowSelectedTabPage(main.children.tabSurface);
    UpdateWindow(main.window);
    for (const ChildRole& role : kChildRoles) {
        if (role.updatedAtStart) {
            UpdateWindow(main.children.*role.handle);
        }
    }
}
