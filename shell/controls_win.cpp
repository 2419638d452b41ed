// The shared fonts and the children of the main window: where each stands, how it is made and filled, and which
// are visible at the start.
#include <windows.h>

#include <commctrl.h>

#include <iterator>

#include "calendar/month_names.h"
#include "calendar/text_buffer.h"
#include "holidays/holiday_text.h"
#include "resource.h"
#include "shell/app_windows.h"
#include "shell/layout.h"
#include "shell/main_window_win.h"
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
        CreateTabControl();
        CreateHolidayPage();
        CreateTextViews();
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

    // Adds an entry to a combo box and gives it its item data; in a sorted box the entry lands in its sorted place.
    static void AddComboEntry(HWND box, const char* text, LPARAM data) {
        SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        const LRESULT index = SendMessageA(box, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
        SendMessageA(box, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
    }

    void CreateTabControl() {
        constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        children_.tabControl =
            MakeControl(0, WC_TABCONTROLA, "Kestrelon Tab", kStyle, layout::kTabControl, main_.window, IDC_TAB);
        UseFont(children_.tabControl, FONT_UI);
        children_.tabSurface = MakeControl(0, kTabSurfaceClass, "Tab Surface", kStyle, LayoutRect{0, 0, 0, 0},
                                           children_.tabControl, IDC_TAB_SURFACE, &app_);

        char holiday[] = "Holiday";
        char zmanim[] = "Zmanim";
        TCITEMA item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.iImage = -1;
        item.pszText = holiday;
        SendMessageA(children_.tabControl, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        item.pszText = zmanim;
        SendMessageA(children_.tabControl, TCM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&item));

        // The surface covers the page area, below the row of tabs.
        RECT page;
        GetClientRect(children_.tabControl, &page);
        SendMessageA(children_.tabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
        RECT tabRow{};
        SendMessageA(children_.tabControl, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tabRow));
        if (page.top < tabRow.bottom) {
            page.top = tabRow.bottom;
        }
        MoveWindow(children_.tabSurface, page.left, page.top, page.right - page.left, page.bottom - page.top, TRUE);
    }

    void CreateHolidayPage() {
        const HWND surface = children_.tabSurface;
        children_.changeLocationButton = MakeControl(0, "BUTTON", "Change Location", WS_CHILD | BS_PUSHBUTTON,
                                                     layout::kChangeLocationButton, surface, IDC_CHANGE_LOCATION);
        UseFont(children_.changeLocationButton, FONT_UI);

        children_.holidayList = MakeControl(0, "COMBOBOX", "Holiday List", WS_CHILD | CBS_SORT | CBS_DROPDOWNLIST,
                                            layout::kHolidayList, surface, 0);
        const HolidayChoiceList choices = HolidayChoices();
        for (int i = 0; i < choices.count; ++i) {
            AddComboEntry(children_.holidayList, choices.items[i].name, CodeNumber(choices.items[i].code));
        }
        children_.holidaysLabel =
            MakeControl(0, "STATIC", "Holidays", WS_CHILD | WS_CLIPSIBLINGS, layout::kHolidaysLabel, surface, 0);
        UseFont(children_.holidayList, FONT_UI);
        UseFont(children_.holidaysLabel, FONT_UI);
    }

    void CreateTextViews() {
        const HWND surface = children_.tabSurface;
        const ScrollTextViewFonts* fonts = &app_.windows.viewFonts;
        children_.holidayView = MakeControl(WS_EX_CLIENTEDGE, kScrollTextViewClass, "Holiday View", kTextViewStyle,
                                            layout::kTextView, surface, IDC_HOLIDAY_VIEW, fonts);
        children_.zmanimView = MakeControl(WS_EX_CLIENTEDGE, kScrollTextViewClass, "Zmanim View", kTextViewStyle,
                                           layout::kTextView, surface, IDC_ZMANIM_VIEW, fonts);
        ShowScrollBar(children_.holidayView, SB_VERT, TRUE);
        ShowScrollBar(children_.zmanimView, SB_VERT, FALSE);
        for (HWND view : {children_.holidayView, children_.zmanimView}) {
            UseFont(view, FONT_VIEW);
            SendMessageA(view, STVM_SETTEXT, reinterpret_cast<WPARAM>(""), 0);
        }
        SendMessageA(children_.zmanimView, STVM_SETALIGNMENTS, reinterpret_cast<WPARAM>(kZmanimAlignments),
                     static_cast<LPARAM>(std::size(kZmanimAlignments)));
    }

    HWND CreateDayGrid(const char* title, const LayoutRect& rect, int id) const {
        return MakeControl(WS_EX_CLIENTEDGE, kDayGridClass, title, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect,
                           main_.window, id, &app_.windows.fonts);
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
        children_.gregorianGrid = CreateDayGrid("Gregorian Calendar", layout::kGregorianGrid, IDC_GREGORIAN_GRID);
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
        children_.hebrewGrid = CreateDayGrid("Hebrew Calendar", layout::kHebrewGrid, IDC_HEBREW_GRID);
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
    UpdateWindow(main.window);
    for (const ChildRole& role : kChildRoles) {
        if (role.updatedAtStart) {
            UpdateWindow(main.children.*role.handle);
        }
    }
}
