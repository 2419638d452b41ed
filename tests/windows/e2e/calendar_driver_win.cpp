#include "tests/windows/e2e/calendar_driver_win.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "calendar/hebrew.h"
#include "calendar/month_names.h"
#include "shell/day_grid.h"

namespace e2e {

namespace {

constexpr COLORREF kSelectedFill = RGB(0, 84, 227);

}  // namespace

CalendarControls CalendarControls::Find(HWND main) {
    CalendarControls c;
    c.main = main;
    c.gregorianGrid = FindChild(main, "DaysWndClass", 20);
    c.hebrewGrid = FindChild(main, "DaysWndClass", 21);
    // A combo box's text is its selected entry, so the boxes are told apart by place and length.
    c.gregorianMonth = FindChildAt(main, "ComboBox", 51, 49);
    for (HWND child : Children(main)) {
        const RECT rect = RectInParent(child);
        if (GetParent(child) == main && rect.left == 323 && rect.top == 49 && ClassOf(child) == "ComboBox") {
            (ComboCount(child) == 13 ? c.hebrewLeapMonth : c.hebrewRegularMonth) = child;
        }
    }
    c.gregorianYear = FindChildAt(main, "Edit", 181, 49);
    c.hebrewYear = FindChildAt(main, "Edit", 455, 49);
    c.gregorianSpinner = FindChild(main, "msctls_updown32", 23);
    c.hebrewSpinner = FindChild(main, "msctls_updown32", 26);
    c.tab = FindChild(main, "SysTabControl32", 28);
    c.surface = FindChild(main, "Tab Surface Window Class", 29);
    c.holidayList = FindChildAt(c.surface, "ComboBox", 325, 45);
    c.holidayView = FindChild(main, "Scroll Text View Window Class", 30);
    c.zmanimView = FindChild(main, "Scroll Text View Window Class", 32);
    c.changeLocation = FindChild(main, "Button", 27);
    return c;
}

bool CalendarControls::Complete() const {
    for (HWND h : {main, gregorianGrid, hebrewGrid, gregorianMonth, hebrewRegularMonth, hebrewLeapMonth, gregorianYear,
                   hebrewYear, gregorianSpinner, hebrewSpinner, tab, surface, holidayList, holidayView, zmanimView,
                   changeLocation}) {
        if (h == nullptr) {
            return false;
        }
    }
    return true;
}

HWND CalendarControls::VisibleHebrewMonthBox() const {
    return IsWindowVisible(hebrewLeapMonth) ? hebrewLeapMonth : hebrewRegularMonth;
}

void CalendarControls::ClickDay(HWND grid, int day, int firstWeekday) const {
    const day_grid::CellPosition cell = day_grid::CellOfDay(day, firstWeekday);
    const day_grid::CellBox box = day_grid::CellBoxOf(cell.column, cell.row);
    Click(grid, (box.left + box.right) / 2, (box.top + box.bottom) / 2);
}

void CalendarControls::ClickSpinner(HWND spinner, bool up) const {
    RECT rect{};
    GetClientRect(spinner, &rect);
    Click(spinner, rect.right / 2, up ? rect.bottom / 4 : rect.bottom * 3 / 4);
}

void CalendarControls::SpinTo(HWND spinner, int year) const {
    Send(main, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, year), reinterpret_cast<LPARAM>(spinner));
}

void CalendarControls::GoTo(int day, int month, int year) const {
    SpinTo(gregorianSpinner, year);
    ChooseComboEntry(gregorianMonth, GregorianMonthName(month));
    ClickDay(gregorianGrid, day, FirstWeekdayOfGregorianMonth(month, year));
}

void CalendarControls::Settle() const {
    RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Send(main, WM_NULL);
    Sleep(50);
}

POINT CalendarControls::SelectedCell(HWND grid) const {
    Settle();
    const Image image = CaptureClient(grid);
    POINT found = {-1, -1};
    for (int row = 1; row <= day_grid::kWeekRows; ++row) {
        for (int column = 0; column < day_grid::kColumns; ++column) {
            const day_grid::CellBox box = day_grid::CellBoxOf(column, row);
            if (box.bottom <= image.height && image.At(box.left + 2, box.top + 2) == kSelectedFill) {
                if (found.x >= 0) {
                    ADD_FAILURE() << "two cells are drawn as selected";
                }
                found = {column, row};
            }
        }
    }
    return found;
}

COLORREF CalendarControls::DayCellColour(HWND grid, int day, int firstWeekday) const {
    Settle();
    const Image image = CaptureClient(grid);
    const day_grid::CellPosition cell = day_grid::CellOfDay(day, firstWeekday);
    const day_grid::CellBox box = day_grid::CellBoxOf(cell.column, cell.row);
    if (box.bottom > image.height || box.right > image.width) {
        ADD_FAILURE() << "day " << day << " lies outside the captured grid";
        return CLR_INVALID;
    }
    return image.At(box.left + 2, box.top + 2);
}

void CalendarControls::ShowTab(int index) const {
    // Moving the focus of a tab control without buttons selects the tab and notifies the parent.
    Send(tab, TCM_SETCURFOCUS, static_cast<WPARAM>(index));
    if (Send(tab, TCM_GETCURSEL) != index) {
        ADD_FAILURE() << "the tab control did not switch to tab " << index;
    }
}

std::string CalendarControls::SelectedText(HWND box) const {
    const int index = ComboSelection(box);
    return index < 0 ? std::string() : ComboText(box, index);
}

void ExpectSelected(const CalendarControls& c, int day, int month, int year) {
    SCOPED_TRACE(std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year));
    c.Settle();
    int hebrewDay = 0;
    int hebrewMonth = 0;
    int hebrewYear = 0;
    DayNumberToHebrew(GregorianToDayNumber(day, month, year), hebrewDay, hebrewMonth, hebrewYear);
    EXPECT_EQ(TextOf(c.gregorianYear), std::to_string(year));
    EXPECT_EQ(TextOf(c.hebrewYear), std::to_string(hebrewYear));
    EXPECT_EQ(c.SelectedText(c.gregorianMonth), GregorianMonthName(month));
    EXPECT_EQ(IsWindowVisible(c.hebrewLeapMonth) != FALSE, IsHebrewLeapYear(hebrewYear));
    EXPECT_EQ(c.SelectedText(c.VisibleHebrewMonthBox()), HebrewMonthName(hebrewMonth));

    const day_grid::CellPosition gregorianCell = day_grid::CellOfDay(day, FirstWeekdayOfGregorianMonth(month, year));
    const POINT gregorianSelected = c.SelectedCell(c.gregorianGrid);
    EXPECT_EQ(gregorianSelected.x, gregorianCell.column);
    EXPECT_EQ(gregorianSelected.y, gregorianCell.row);
    const day_grid::CellPosition hebrewCell =
        day_grid::CellOfDay(hebrewDay, FirstWeekdayOfHebrewMonth(hebrewMonth, hebrewYear));
    const POINT hebrewSelected = c.SelectedCell(c.hebrewGrid);
    EXPECT_EQ(hebrewSelected.x, hebrewCell.column);
    EXPECT_EQ(hebrewSelected.y, hebrewCell.row);
}

}  // namespace e2e
