#include "textview/scroll_text_view_win.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "textview/gdi_win.h"
#include "textview/scroll_text_view.h"
#include "textview/window_state_win.h"

static_assert(kScrollLineUp == SB_LINEUP && kScrollLineDown == SB_LINEDOWN && kScrollPageUp == SB_PAGEUP &&
              kScrollPageDown == SB_PAGEDOWN && kScrollThumbPosition == SB_THUMBPOSITION &&
              kScrollThumbTrack == SB_THUMBTRACK && kScrollTop == SB_TOP && kScrollBottom == SB_BOTTOM &&
              kScrollEnd == SB_ENDSCROLL);
static_assert(kAlignLeftTop == (TA_LEFT | TA_TOP) && kAlignRightTop == (TA_RIGHT | TA_TOP));
static_assert(sizeof(UINT32) == sizeof(std::uint32_t));

namespace {

constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kPageColour = RGB(255, 255, 255);
constexpr COLORREF kFrameColour = RGB(212, 208, 200);

struct ScrollTextViewState {
    HWND window;
    ScrollTextViewFonts fonts;
    ScrollTextView view;
};

HFONT FontHandle(const ScrollTextViewState& state, TextFont font) {
    return font == TextFont::kBold ? state.fonts.bold : state.fonts.normal;
}

RECT ClientRect(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

int ScrollPosition(HWND window) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window, SB_VERT, &info);
    return info.nPos;
}

ScrollRange StoredScrollRange(HWND window) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE;
    GetScrollInfo(window, SB_VERT, &info);
    return {info.nMin, info.nMax};
}

void StoreScrollState(HWND window, ScrollRange range, int position, bool redrawBar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = range.min;
    info.nMax = range.max;
    info.nPos = position;
    SetScrollInfo(window, SB_VERT, &info, redrawBar ? TRUE : FALSE);
}

// Draws the frame, the white page and the visible texts into dc, which must hold at least the client area.
void PaintContent(const ScrollTextViewState& state, HDC dc) {
    const RECT client = ClientRect(state.window);
    const Selection brush(dc, GetStockObject(DC_BRUSH));
    const Selection pen(dc, GetStockObject(DC_PEN));
    const Selection font(dc, state.fonts.normal);

    SetDCBrushColor(dc, kPageColour);
    SetDCPenColor(dc, kFrameColour);
    Rectangle(dc, 0, 0, client.right, client.bottom);

    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, kTextColour);
    SetBkColor(dc, kPageColour);

    for (const DrawnText& text : state.view.TextsToDraw(ScrollPosition(state.window))) {
        const Selection textFont(dc, FontHandle(state, text.font));
        SetTextAlign(dc, text.alignment);
        TextOutA(dc, text.x, text.y, text.text.data(), static_cast<int>(text.text.size()));
    }
}

// The one paint path, for WM_PAINT and WM_PRINTCLIENT: everything is drawn off screen and copied in one transfer.
void Render(const ScrollTextViewState& state, HDC target) {
    const BackBuffer buffer(target, kLayoutWidthPx, kLayoutHeightPx);
    PaintContent(state, buffer.Dc());
    buffer.CopyTo(target);
}

void OnPaint(const ScrollTextViewState& state) {
    const PaintDc paint(state.window);
    Render(state, paint.Get());
}

void OnSetText(ScrollTextViewState& state, const char* text, bool keepPosition) {
    if (text == nullptr) {
        state.view.Clear();
        InvalidateRect(state.window, nullptr, TRUE);
        return;
    }
    const RECT client = ClientRect(state.window);
    {
        // Selecting a font costs far more than measuring with it (under Wine, about 34 against 3 microseconds), so
        // a font stays selected until a paragraph asks for the other one.
        const WindowDc dc(state.window);
        std::optional<Selection> selected;
        HFONT selectedFont = nullptr;
        const TextMeasure measure = [&](std::string_view piece, TextFont font) {
            const HFONT wanted = FontHandle(state, font);
            if (!selected || wanted != selectedFont) {
                selected.reset();
                selected.emplace(dc.Get(), wanted);
                selectedFont = wanted;
            }
            const DWORD extent =
                GetTabbedTextExtentA(dc.Get(), piece.data(), static_cast<int>(piece.size()), 0, nullptr);
            return static_cast<int>(LOWORD(extent));
        };
        state.view.SetText(CapText(text), client.right, measure);
    }

    // Drawing the scroll bar takes 4 ms and more under Wine, most of a refresh of the main window, so it is redrawn
    // only when its range or position changes, and then with the view's next paint (its frame invalidated with the
    // page) rather than at once. (EnableScrollBar redraws only when the arrows' state changes.)
    const int maximum = ScrollMaximum(state.view.Lines().size(), client.bottom);
    const int position = keepPosition ? ClampToRange(ScrollPosition(state.window), {0, maximum}) : 0;
    const ScrollRange before = StoredScrollRange(state.window);
    const bool barChanges = before.min != 0 || before.max != maximum || ScrollPosition(state.window) != position;
    StoreScrollState(state.window, {0, maximum}, position, false);
    EnableScrollBar(state.window, SB_VERT, maximum == 0 ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
    RedrawWindow(state.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | (barChanges ? RDW_FRAME : 0));
}

void OnSetColumns(ScrollTextViewState& state, const std::vector<std::string>* columns) {
    state.view.SetColumns(columns != nullptr ? *columns : std::vector<std::string>{});
    InvalidateRect(state.window, nullptr, FALSE);
}

void OnVScroll(const ScrollTextViewState& state, int request, int thumbPosition) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    GetScrollInfo(state.window, SB_VERT, &info);
    const ScrollRange range{info.nMin, info.nMax};
    StoreScrollState(state.window, range, ScrollTarget(request, thumbPosition, range, info.nPos), true);
    InvalidateRect(state.window, nullptr, TRUE);
}

LRESULT OnCreate(HWND window, const CREATESTRUCTA& create) {
    const auto* fonts = static_cast<const ScrollTextViewFonts*>(create.lpCreateParams);
    auto state = std::make_unique<ScrollTextViewState>();
    state->window = window;
    state->fonts = fonts != nullptr ? *fonts : ScrollTextViewFonts{nullptr, nullptr};
    AttachWindowState(window, std::move(state));
    return 0;
}

LRESULT CALLBACK ScrollTextViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        return OnCreate(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
    }
    ScrollTextViewState* const state = WindowState<ScrollTextViewState>(window);
    if (state == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_DESTROY:
            DestroyWindowState<ScrollTextViewState>(window);
            return 0;
        case WM_PAINT:
            OnPaint(*state);
            return 0;
        case WM_PRINTCLIENT:
            Render(*state, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_VSCROLL:
            OnVScroll(*state, LOWORD(wParam), HIWORD(wParam));
            return 0;
        case STVM_SETTEXT:
            OnSetText(*state, reinterpret_cast<const char*>(wParam), lParam != 0);
            return 0;
        case STVM_SETCOLUMNS:
            OnSetColumns(*state, reinterpret_cast<const std::vector<std::string>*>(wParam));
            return 0;
        case STVM_CLEAR:
            state->view.Clear();
            return 0;
        case STVM_SETALIGNMENTS:
            state->view.SetAlignments(reinterpret_cast<const std::uint32_t*>(wParam),
                                      lParam > 0 ? static_cast<std::size_t>(lParam) : 0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

ATOM RegisterScrollTextViewClass(HINSTANCE instance, HICON largeIcon, HICON smallIcon) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = ScrollTextViewProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = largeIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kScrollTextViewClass;
    windowClass.hIconSm = smallIcon;
    return RegisterClassExA(&windowClass);
}
