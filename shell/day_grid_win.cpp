// The day grid window ("DaysWndClass"): one month under a row of weekday letters, the selected day highlighted, the
// holidays shaded, the days of people's dates marked in a corner. It knows nothing of calendars or of its parent: the
// parent tells it the month and the message that carries a picked day back.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <utility>

#include "calendar/text_buffer.h"
#include "shell/app_windows.h"
#include "shell/day_grid.h"
#include "shell/layout.h"
#include "shell/messages.h"
#include "shell/shell_win.h"
#include "textview/window_state_win.h"

namespace {

struct CellStyle {
    COLORREF fill;
    COLORREF text;
    ShellFont font;
};

constexpr CellStyle kHeaderStyle = {RGB(122, 150, 223), RGB(216, 228, 248), FONT_GRID_HEADER};
constexpr CellStyle kSelectedStyle = {RGB(0, 84, 227), RGB(255, 255, 255), FONT_DAY_SELECTED};
constexpr CellStyle kMarkedStyle = {RGB(210, 210, 210), RGB(0, 0, 0), FONT_DAY};
constexpr CellStyle kPlainStyle = {RGB(255, 255, 255), RGB(0, 0, 0), FONT_DAY};
constexpr COLORREF kGridBackground = RGB(255, 255, 255);
// A person's date: a triangle in the cell's top right corner, over whatever fill the day has, so that the holiday
// shading stays as it is; on the selected day's blue it is drawn in a light colour.
constexpr COLORREF kDateMark = RGB(200, 30, 30);
constexpr COLORREF kDateMarkOnSelected = RGB(255, 200, 60);
constexpr int kDateMarkPx = 7;  // the length of the triangle's two sides along the cell's edges

struct DayGridState {
    int controlId = 0;
    const ShellFonts* fonts = nullptr;
    UINT pickedMessage = 0;
    day_grid::MonthView month{};
    std::uint32_t dateMarks = 0;  // bit d: day d carries a person's date
};

void FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    SetDCPenColor(dc, colour);
    Rectangle(dc, left, top, right, bottom);
}

void DrawCell(HDC dc,
              const ShellFonts& fonts,
              int column,
              int row,
              const CellStyle& style,
              const char* text,
              int length) {
    SetTextAlign(dc, TA_CENTER | TA_TOP | TA_NOUPDATECP);
    Selection font(dc, fonts.Of(style.font));
    SIZE extent{};
    GetTextExtentPoint32A(dc, "10", 2, &extent);
    const day_grid::CellBox box = day_grid::CellBoxOf(column, row);
    FillBox(dc, box.left, box.top, box.right, box.bottom, style.fill);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, style.text);
    const day_grid::TextAnchor anchor = day_grid::TextAnchorOf(column, row, extent.cy);
    TextOutA(dc, anchor.x, anchor.y, text, length);
}

void DrawDateMark(HDC dc, int column, int row, COLORREF colour) {
    const day_grid::CellBox box = day_grid::CellBoxOf(column, row);
    const POINT corner[] = {
        {box.right - kDateMarkPx, box.top}, {box.right - 1, box.top}, {box.right - 1, box.top + kDateMarkPx - 1}};
    SetDCBrushColor(dc, colour);
    SetDCPenColor(dc, colour);
    Polygon(dc, corner, 3);
}

void PaintContent(const DayGridState& state, HDC dc) {
    Selection brush(dc, GetStockObject(DC_BRUSH));
    Selection pen(dc, GetStockObject(DC_PEN));
    FillBox(dc, 0, 0, layout::kGridDrawingWidth, layout::kGridDrawingHeight, kGridBackground);

    FillBox(dc, 0, 0, layout::kGridDrawingWidth, layout::kCellPx, kHeaderStyle.fill);
    for (int column = 0; column < day_grid::kColumns; ++column) {
        DrawCell(dc, *state.fonts, column, 0, kHeaderStyle, &day_grid::kWeekdayLetters[column], 1);
    }

    const day_grid::MonthView& month = state.month;
    for (int day = 1; day <= month.daysInMonth; ++day) {
        const CellStyle& style = day == month.selectedDay          ? kSelectedStyle
                                 : (month.marks >> day & 1u) != 0u ? kMarkedStyle
                                                                   : kPlainStyle;
        char text[4];
        const std::size_t length = FormatText(text, sizeof text, "%d", day);
        const day_grid::CellPosition cell = day_grid::CellOfDay(day, month.firstWeekday);
        DrawCell(dc, *state.fonts, cell.column, cell.row, style, text, static_cast<int>(length));
        if ((state.dateMarks >> day & 1u) != 0u) {
            DrawDateMark(dc, cell.column, cell.row, day == month.selectedDay ? kDateMarkOnSelected : kDateMark);
        }
    }
}

void OnPaint(HWND window, const DayGridState& state) {
    PaintDc paint(window);
    BackBuffer buffer(paint.Get(), layout::kGridDrawingWidth, layout::kGridDrawingHeight);
    PaintContent(state, buffer.Dc());
    buffer.CopyTo(paint.Get());
}

void OnClick(HWND window, const DayGridState& state, LPARAM lParam) {
    const int x = LOWORD(lParam);
    const int y = HIWORD(lParam);
    const int day = day_grid::DayAt(x, y, state.month.daysInMonth, state.month.firstWeekday);
    if (day == 0) {
        return;
    }
    if (state.pickedMessage != 0) {
        SendMessageA(GetParent(window), state.pickedMessage, static_cast<WPARAM>(state.controlId), day);
    }
}

void OnSetMonthView(HWND window, DayGridState& state, WPARAM wParam, LPARAM lParam) {
    state.month = day_grid::UnpackMonthView(static_cast<std::uint32_t>(wParam), static_cast<std::uint32_t>(lParam));
    InvalidateRect(window, nullptr, FALSE);
    SendMessageA(GetParent(window), UM_MONTH_VIEW_SHOWN, static_cast<WPARAM>(state.controlId),
                 reinterpret_cast<LPARAM>(window));
}

}  // namespace

LRESULT CALLBACK DayGridProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const auto& create = *reinterpret_cast<const CREATESTRUCTA*>(lParam);
        const auto* params = static_cast<const DayGridParams*>(create.lpCreateParams);
        if (params == nullptr || params->fonts == nullptr) {
            return -1;
        }
        auto state = std::make_unique<DayGridState>();
        state->controlId = static_cast<int>(GetWindowLongPtrA(window, GWLP_ID));
        state->fonts = params->fonts;
        state->pickedMessage = params->pickedMessage;
        AttachWindowState(window, std::move(state));
        return 0;
    }
    DayGridState* state = WindowState<DayGridState>(window);
    if (state == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_DESTROY:
            DestroyWindowState<DayGridState>(window);
            return 0;
        case WM_PAINT:
            OnPaint(window, *state);
            return 0;
        case WM_PRINTCLIENT:
            PaintContent(*state, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
            OnClick(window, *state, lParam);
            return 0;
        case UM_SET_DATE_MARKS:
            state->dateMarks = static_cast<std::uint32_t>(wParam);  // drawn with the month that follows
            return 0;
        case UM_SET_MONTH_VIEW:
            OnSetMonthView(window, *state, wParam, lParam);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
