// The tab control and the tab surface, which carries the controls of the pages and hears their notifications.
#include "shell/tab_surface_win.h"

#include <commctrl.h>

#include <memory>
#include <vector>

#include "calendar/text_buffer.h"
#include "resource.h"
#include "shell/app_windows.h"
#include "shell/layout.h"
#include "shell/shell_win.h"
#include "shell/tab_page_win.h"
#include "textview/window_state_win.h"

namespace {

constexpr DWORD kTabStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

// The surface's creation parameter.
struct TabSurfaceParams {
    App* app;
    HWND owner;
};

struct PageSlot {
    std::unique_ptr<TabPage> page;
    std::vector<PageControl> controls;
};

struct TabSurfaceState {
    TabSurfaceState(App& program, HWND mainWindow) : app(program), owner(mainWindow) {}
    App& app;
    HWND owner;
    std::vector<PageSlot> pages;  // in the order of the tabs
};

// The page whose tab is selected, or -1.
int SelectedPage(HWND surface) {
    return static_cast<int>(SendMessageA(GetParent(surface), TCM_GETCURSEL, 0, 0));
}

void PaintSurface(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    Selection brush(dc, GetStockObject(DC_BRUSH));
    Selection pen(dc, GetStockObject(DC_PEN));
    SetDCBrushColor(dc, kBackgroundColour);
    SetDCPenColor(dc, kBackgroundColour);
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, kBackgroundColour);
}

void OnSurfacePaint(HWND window) {
    PaintDc paint(window);
    BackBuffer buffer(paint.Get(), layout::kTabControl.width, layout::kTabControl.height);
    PaintSurface(window, buffer.Dc());
    buffer.CopyTo(paint.Get());
}

// A notification goes to the page whose control sent it.
LRESULT OnSurfaceCommand(HWND window, TabSurfaceState& state, WPARAM wParam, LPARAM lParam) {
    const WORD code = HIWORD(wParam);
    if (code != kMenuOrClickCode && code != kSelectionChangedOrAcceleratorCode) {
        return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
    }
    const HWND control = reinterpret_cast<HWND>(lParam);
    for (PageSlot& slot : state.pages) {
        for (const PageControl& owned : slot.controls) {
            if (control != nullptr && owned.window == control) {
                slot.page->OnCommand(code, control);
                return 0;
            }
        }
    }
    return 0;
}

HWND MakeTabControl(const App& app, HWND owner) {
    const HWND tabControl =
        CreateWindowExA(0, WC_TABCONTROLA, "Kestrelon Tab", kTabStyle, layout::kTabControl.x, layout::kTabControl.y,
                        layout::kTabControl.width, layout::kTabControl.height, owner,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TAB)), app.windows.instance, nullptr);
    SendMessageA(tabControl, WM_SETFONT, reinterpret_cast<WPARAM>(app.windows.FontOf(FONT_UI)), TRUE);
    return tabControl;
}

void AddTabs(HWND tabControl, const TabPageList& pages) {
    for (std::size_t i = 0; i < pages.count; ++i) {
        char title[64];
        CopyText(title, sizeof title, pages.rows[i].title);
        TCITEMA item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.iImage = -1;
        item.pszText = title;
        SendMessageA(tabControl, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
}

// The surface covers the page area, below the row of tabs.
void FitSurfaceToPageArea(HWND tabControl, HWND surface) {
    RECT page;
    GetClientRect(tabControl, &page);
    SendMessageA(tabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    RECT tabRow{};
    SendMessageA(tabControl, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tabRow));
    if (page.top < tabRow.bottom) {
        page.top = tabRow.bottom;
    }
    MoveWindow(surface, page.left, page.top, page.right - page.left, page.bottom - page.top, TRUE);
}

template <typename Action>
void ForEachPage(HWND surface, Action action) {
    if (TabSurfaceState* state = WindowState<TabSurfaceState>(surface)) {
        const int selected = SelectedPage(surface);
        for (std::size_t i = 0; i < state->pages.size(); ++i) {
            action(state->pages[i], static_cast<int>(i) == selected);
        }
    }
}

}  // namespace

HWND PageMaker::Make(DWORD exStyle,
                     const char* className,
                     const char* text,
                     DWORD style,
                     const LayoutRect& rect,
                     int id,
                     const void* createParam) {
    const HWND control = CreateWindowExA(exStyle, className, text, style, rect.x, rect.y, rect.width, rect.height,
                                         surface_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), windows_.instance,
                                         const_cast<void*>(createParam));
    controls_.push_back({control, false});
    return control;
}

HWND PageMaker::MakePainted(DWORD exStyle,
                            const char* className,
                            const char* text,
                            DWORD style,
                            const LayoutRect& rect,
                            int id,
                            const void* createParam) {
    const HWND control = Make(exStyle, className, text, style, rect, id, createParam);
    controls_.back().painted = true;
    return control;
}

void PageMaker::UseFont(HWND control, ShellFont font) const {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(windows_.FontOf(font)), TRUE);
}

TabSurfaceWindows CreateTabSurface(App& app, HWND owner) {
    const TabPageList pages = TabPages();
    const HWND tabControl = MakeTabControl(app, owner);
    TabSurfaceParams params{&app, owner};
    const HWND surface =
        CreateWindowExA(0, kTabSurfaceClass, "Tab Surface", kTabStyle, 0, 0, 0, 0, tabControl,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TAB_SURFACE)), app.windows.instance, &params);
    AddTabs(tabControl, pages);
    FitSurfaceToPageArea(tabControl, surface);

    if (TabSurfaceState* state = WindowState<TabSurfaceState>(surface)) {
        const PageContext context{app, owner};
        for (std::size_t i = 0; i < pages.count; ++i) {
            PageSlot& slot = state->pages.emplace_back();
            slot.page = pages.rows[i].make(context);
            PageMaker maker(surface, app.windows, slot.controls);
            slot.page->Create(maker);
        }
    }
    return {tabControl, surface};
}

void ShowSelectedTabPage(HWND surface) {
    const TabSurfaceState* state = WindowState<TabSurfaceState>(surface);
    if (state == nullptr) {
        return;
    }
    const int selected = SelectedPage(surface);
    const int shown = selected >= 0 ? selected : 0;
    for (std::size_t i = 0; i < state->pages.size(); ++i) {
        for (const PageControl& control : state->pages[i].controls) {
            ShowWindow(control.window, static_cast<int>(i) == shown ? SW_SHOW : SW_HIDE);
        }
    }
}

void RefreshTabPages(HWND surface) {
    ForEachPage(surface, [](PageSlot& slot, bool shown) { slot.page->Refresh(shown); });
}

void TickTabPages(HWND surface) {
    ForEachPage(surface, [](PageSlot& slot, bool shown) { slot.page->OnClockTick(shown); });
}

void TellTabPagesDayNavigated(HWND surface) {
    ForEachPage(surface, [](PageSlot& slot, bool) { slot.page->OnDayNavigated(); });
}

void InvalidateTabPages(HWND surface) {
    ForEachPage(surface, [](const PageSlot& slot, bool) {
        for (const PageControl& control : slot.controls) {
            if (control.painted) {
                InvalidateRect(control.window, nullptr, FALSE);
            }
        }
    });
}

LRESULT CALLBACK TabSurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const auto* params =
            static_cast<const TabSurfaceParams*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (params == nullptr || params->app == nullptr) {
            return -1;
        }
        AttachWindowState(window, std::make_unique<TabSurfaceState>(*params->app, params->owner));
        return 0;
    }
    TabSurfaceState* state = WindowState<TabSurfaceState>(window);
    if (state == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_DESTROY:
            DestroyWindowState<TabSurfaceState>(window);
            return 0;
        case WM_PAINT:
            OnSurfacePaint(window);
            return 0;
        case WM_PRINTCLIENT:
            PaintSurface(window, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_COMMAND:
            return OnSurfaceCommand(window, *state, wParam, lParam);
        case WM_CTLCOLORSTATIC:
            // The "Holidays" label sits on the surface's own colour, not on the system's face colour.
            SetBkColor(reinterpret_cast<HDC>(wParam), kBackgroundColour);
            return reinterpret_cast<LRESULT>(state->app.windows.BACKGROUND_BRUSH.Get());
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
