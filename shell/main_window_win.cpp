// The main window: the two calendars, the tab control with the pages of the selected day, the menu commands, and
// the refresh that brings every control in line with the calendar cursor.
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "shell/main_window_win.h"

#include "app/selected_day.h"
#include "app/week_page.h"
#include "calendar/clock.h"
#include "calendar/month_names.h"
#include "calendar/text_buffer.h"
#include "resource.h"
#include "shell/app_windows.h"
#include "shell/day_grid.h"
#include "shell/layout.h"
#include "shell/messages.h"
#include "shell/people_dates_dialog_win.h"
#include "shell/shell_win.h"
#include "shell/tab_surface_win.h"
#include "textview/clipboard_win.h"
#include "textview/window_state_win.h"

namespace {

constexpr char kMainWindowTitle[] = "Kestrelon";
constexpr DWORD kMainWindowStyle = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_DLGFRAME | WS_SYSMENU;
constexpr std::size_t kPageTextSize = 20000;
constexpr std::size_t kClipboardCapacity = 19999;
constexpr COLORREF kEtchShadow = RGB(128, 128, 128);
constexpr COLORREF kEtchLight = RGB(255, 255, 255);

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

void SendMonthViews(MainWindowState& main) {
    const Observance observance = main.app.state.location.holiday();
    const AppState& state = main.app.state;
    CalendarCursor& cursor = main.app.state.cursor;
    const DayNumber selected = cursor.CursorDayNumber();
    const std::uint32_t gregorianDates = main.gregorianDateMarks.MarksOf(
        state.dates, state.datesRevision, selected - (cursor.Day() - 1), cursor.GregorianMonthLength());
    const std::uint32_t hebrewDates = main.hebrewDateMarks.MarksOf(
        state.dates, state.datesRevision, selected - (cursor.HebrewDay() - 1), cursor.HebrewMonthLength());
    SendMonthView(main.children.gregorianGrid, cursor.GregorianMonthMarks(observance), gregorianDates,
                  cursor.GregorianMonthLength(), cursor.Day(), cursor.GregorianMonthFirstWeekday());
    SendMonthView(main.children.hebrewGrid, cursor.HebrewMonthMarks(observance), hebrewDates,
                  cursor.HebrewMonthLength(), cursor.HebrewDay(), cursor.HebrewMonthFirstWeekday());
}

// A refresh is a user's step (a new day, a page shown, new settings), so it reads the people's dates again: one added
// with kestrelon-cli shows on the next step.
void Refresh(MainWindowState& main) {
    ReadPeopleDates(main.app.state);
    SyncDateControls(main);
    main.refreshing = true;
    SendMonthViews(main);
    main.refreshing = false;
    RefreshTabPages(main.children.tabSurface);
    InvalidatePaintedWindows(main);
}

void RefreshAfterNavigation(const MainWindowState& main) {
    SendMessageA(main.window, UM_REFRESH, 0, 0);
    TellTabPagesDayNavigated(main.children.tabSurface);
}

void CopyHolidayText(const MainWindowState& main) {
    std::vector<char> text(kPageTextSize);
    selectedDayHolidayText(main.app.state, false, text.data(), kPageTextSize);
    CopyTextToClipboard(main.window, text.data(), kClipboardCapacity);
}

void CopyZmanimText(const MainWindowState& main) {
    std::vector<char> text(kPageTextSize);
    zmanimClipboardText(main.app.state, text.data(), kClipboardCapacity);
    CopyTextToClipboard(main.window, text.data(), kClipboardCapacity);
}

void CopyWeekText(const MainWindowState& main) {
    const std::string text = weekPageText(main.app.state, false);
    CopyTextToClipboard(main.window, text.c_str(), kClipboardCapacity);
}

// Preferences edits the program's place and its Shabbat times; after OK the window shows it anew. The window is looked
// up again after the dialog, which runs its own message loop.
void EditPreferences(const MainWindowState& main) {
    App& app = main.app;
    const HWND window = main.window;
    PreferencesParams params{app.state.location, app.settings, app.state.shabbat, app.state.reminders};
    const INT_PTR result = DialogBoxParamA(app.windows.instance, MAKEINTRESOURCEA(IDD_PREFERENCES), window,
                                           PreferencesDialogProc, reinterpret_cast<LPARAM>(&params));
    if (result == IDOK) {
        SendMessageA(app.windows.hiddenWindow, UM_REMINDERS_CHANGED, 0, 0);
    }
    if (result == IDOK && app.windows.mainWindow == window) {
        SendMessageA(window, UM_REFRESH, 0, 0);
        InvalidateRgn(window, nullptr, TRUE);
    }
}

void OnMenuCommand(MainWindowState& main, int command) {
    App& app = main.app;
    switch (command) {
        case CMD_PEOPLE_DATES: {
            const LocalDateTime now = ReadLocalClock();
            ShowPeopleDatesDialog(app.windows.instance, main.window,
                                  GregorianToDayNumber(now.day, now.month, now.year));
            SendMessageA(app.windows.hiddenWindow, UM_REMINDERS_CHANGED, 0, 0);  // the dates may have changed
            break;
        }
        case CMD_PREFERENCES:
            EditPreferences(main);
            break;
        case CMD_EXIT:
            DestroyWindow(app.windows.hiddenWindow);
            break;
        case CMD_COPY_HOLIDAY:
            CopyHolidayText(main);
            break;
        case CMD_COPY_ZMANIM:
            CopyZmanimText(main);
            break;
        case CMD_COPY_WEEK:
            CopyWeekText(main);
            break;
        case CMD_HELP_CONTENTS:
            app.help.ShowContents(main.window, app.settings);
            break;
        case CMD_ABOUT:
            DialogBoxParamA(app.windows.instance, MAKEINTRESOURCEA(IDD_ABOUT), main.window, AboutDialogProc, 0);
            break;
        default:
            break;
    }
}

bool IsMonthBox(const MainWindowState& main, HWND control) {
    const MainChildren& children = main.children;
    return control != nullptr && (control == children.gregorianMonthBox || control == children.hebrewRegularMonthBox ||
                                  control == children.hebrewLeapMonthBox);
}

void OnMonthChosen(MainWindowState& main, HWND box) {
    const LRESULT index = SendMessageA(box, CB_GETCURSEL, 0, 0);
    const LRESULT data = SendMessageA(box, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    if (data < kHebrewMonthDataBase) {
        main.app.state.cursor.SetGregorianMonth(static_cast<int>(data));
    } else {
        main.app.state.cursor.SetHebrewMonth(static_cast<int>(data - kHebrewMonthDataBase));
    }
    RefreshAfterNavigation(main);
}

LRESULT OnCommand(MainWindowState& main, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const HWND control = reinterpret_cast<HWND>(lParam);
    switch (HIWORD(wParam)) {
        case kMenuOrClickCode:
            if (control == nullptr) {
                OnMenuCommand(main, id);
            }
            return 0;
        case kSelectionChangedOrAcceleratorCode:
            if (IsMonthBox(main, control)) {
                OnMonthChosen(main, control);
            } else if (control == nullptr && id == CMD_ACCEL_ABOUT) {
                OnMenuCommand(main, CMD_ABOUT);
            }
            return 0;
        default:
            return DefWindowProcA(main.window, WM_COMMAND, wParam, lParam);
    }
}

void OnTabChanged(MainWindowState& main) {
    ShowSelectedTabPage(main.children.tabSurface);
    SendMessageA(main.window, UM_REFRESH, 0, 0);
    InvalidateRect(main.children.tabSurface, nullptr, TRUE);
}

void OnYearSpun(MainWindowState& main, WPARAM wParam) {
    const int position = HIWORD(wParam);
    if (position > kHebrewYearThreshold) {
        main.app.state.cursor.SetHebrewYear(position);
    } else {
        main.app.state.cursor.SetGregorianYear(position);
    }
    RefreshAfterNavigation(main);
}

void DrawLine(HDC dc, int x1, int y, int x2, COLORREF colour) {
    SetDCPenColor(dc, colour);
    MoveToEx(dc, x1, y, nullptr);
    LineTo(dc, x2, y);
}

void DrawEtchedFrame(HDC dc, HFONT captionFont, const LayoutRect& frame, const char* caption) {
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
    Selection font(dc, captionFont);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, kBackgroundColour);
    SetBkMode(dc, OPAQUE);
    TextOutA(dc, left + 8, top - 4, text, static_cast<int>(length));
}

void PaintContent(const MainWindowState& main, HDC dc) {
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
    const HFONT captionFont = main.app.windows.FontOf(FONT_UI);
    DrawEtchedFrame(dc, captionFont, layout::kGregorianFrame, "Common");
    DrawEtchedFrame(dc, captionFont, layout::kHebrewFrame, "Hebrew");
}

void ShowMonthBoxOfTheYear(const MainWindowState& main) {
    const bool leap = main.app.state.cursor.IsHebrewLeap();
    ShowWindow(main.children.hebrewLeapMonthBox, leap ? SW_SHOW : SW_HIDE);
    ShowWindow(main.children.hebrewRegularMonthBox, leap ? SW_HIDE : SW_SHOW);
}

void OnPaint(const MainWindowState& main) {
    InvalidateRect(main.children.tabSurface, nullptr, TRUE);
    ShowMonthBoxOfTheYear(main);

    PaintDc paint(main.window);
    BackBuffer buffer(paint.Get(), layout::kMainWindowWidth, layout::kMainWindowHeight);
    PaintContent(main, buffer.Dc());
    buffer.CopyTo(paint.Get());
}

void OnNcCreate(HWND window, const CREATESTRUCTA& create) {
    auto state = std::make_unique<MainWindowState>(*static_cast<App*>(create.lpCreateParams));
    state->window = window;
    state->app.windows.mainWindow = window;
    AttachWindowState(window, std::move(state));
}

// The children die with the window; the state goes with its last message.
void OnDestroy(MainWindowState& main) {
    main.app.windows.mainWindow = nullptr;
    main.children = MainChildren{};
}

LRESULT HandleMessage(MainWindowState& main, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            OnDestroy(main);
            return 0;
        case WM_NCDESTROY: {
            const HWND window = main.window;
            DestroyWindowState<MainWindowState>(window);
            return DefWindowProcA(window, message, wParam, lParam);
        }
        case WM_PAINT:
            OnPaint(main);
            return 0;
        case WM_PRINTCLIENT:
            PaintContent(main, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_COMMAND:
            return OnCommand(main, wParam, lParam);
        case WM_TIMER:
            if (wParam == kClockTimerId) {
                TickTabPages(main.children.tabSurface);
                InvalidatePaintedWindows(main);
            }
            return 0;
        case WM_NOTIFY: {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header != nullptr && header->idFrom == IDC_TAB && header->code == static_cast<UINT>(TCN_SELCHANGE)) {
                OnTabChanged(main);
            }
            return 0;
        }
        case WM_VSCROLL:
            OnYearSpun(main, wParam);
            return 0;
        case UM_GREGORIAN_DAY_PICKED:
            main.app.state.cursor.SetGregorianDay(static_cast<int>(lParam));
            RefreshAfterNavigation(main);
            return 0;
        case UM_HEBREW_DAY_PICKED:
            main.app.state.cursor.SetHebrewDay(static_cast<int>(lParam));
            RefreshAfterNavigation(main);
            return 0;
        case UM_REFRESH:
            Refresh(main);
            return 0;
        case UM_MONTH_VIEW_SHOWN:
            if (!main.refreshing) {
                InvalidatePaintedWindows(main);
            }
            return 0;
        default:
            return DefWindowProcA(main.window, message, wParam, lParam);
    }
}

}  // namespace

void SendMonthView(HWND grid,
                   std::uint32_t marks,
                   std::uint32_t dateMarks,
                   int daysInMonth,
                   int selectedDay,
                   int firstWeekday) {
    SendMessageA(grid, UM_SET_DATE_MARKS, dateMarks, 0);
    SendMessageA(grid, UM_SET_MONTH_VIEW, marks,
                 static_cast<LPARAM>(day_grid::PackMonthView(daysInMonth, selectedDay, firstWeekday)));
}

void InvalidatePaintedWindows(const MainWindowState& main) {
    InvalidateRect(main.window, nullptr, FALSE);
    for (const ChildRole& role : kChildRoles) {
        const HWND child = main.children.*role.handle;
        if (role.painted && child != nullptr) {
            InvalidateRect(child, nullptr, FALSE);
        }
    }
    InvalidateTabPages(main.children.tabSurface);
}

void SyncDateControls(MainWindowState& main) {
    const CalendarCursor& cursor = main.app.state.cursor;
    int day = 0;
    int month = 0;
    int year = 0;
    int weekday = 0;
    cursor.GetGregorianDate(&day, &month, &year, &weekday);
    int hebrewDay = 0;
    int hebrewMonth = 0;
    int hebrewYear = 0;
    cursor.GetHebrewDate(&hebrewDay, &hebrewMonth, &hebrewYear, &weekday);

    const MainChildren& children = main.children;
    SetYearText(children.gregorianYearField, year);
    SetYearText(children.hebrewYearField, hebrewYear);

    SendMessageA(children.gregorianMonthBox, CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(GregorianMonthName(month)));
    const char* hebrewName = HebrewMonthName(hebrewMonth);
    SendMessageA(children.hebrewRegularMonthBox, CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(hebrewName));
    SendMessageA(children.hebrewLeapMonthBox, CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(hebrewName));
}

void CreateMainWindow(App& app) {
    const HWND window = CreateWindowExA(0, app.windows.className, kMainWindowTitle, kMainWindowStyle, CW_USEDEFAULT, 0,
                                        layout::kMainWindowWidth, layout::kMainWindowHeight, nullptr, nullptr,
                                        app.windows.instance, &app);
    MainWindowState* main = WindowState<MainWindowState>(window);
    if (main == nullptr) {
        return;
    }
    CreateChildControls(*main);
    ShowInitialControls(*main);
    app.state.cursor.SetToToday(ReadLocalClock());
    InvalidatePaintedWindows(*main);
    SetTimer(window, kClockTimerId, kClockTimerMs, nullptr);
    SendMessageA(window, UM_REFRESH, 0, 0);
    SendMonthViews(*main);
}

void ShowMainWindow(App& app) {
    if (app.windows.mainWindow == nullptr) {
        CreateMainWindow(app);
    }
    // While a dialog is open over the window, the dialog comes to the front: the window is disabled then, and raised
    // itself it would cover the dialog that holds it.
    SetForegroundWindow(GetLastActivePopup(app.windows.mainWindow));
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        OnNcCreate(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
        return DefWindowProcA(window, message, wParam, lParam);
    }
    MainWindowState* main = WindowState<MainWindowState>(window);
    if (main == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return HandleMessage(*main, message, wParam, lParam);
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            CentreDialogOnOwner(dialog);
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
