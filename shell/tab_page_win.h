// A page of the main window's tab control: its controls stand on the tab surface, which shows them while the page's
// tab is selected and hides them otherwise. kTabPages (tab_pages_win.cpp) lists the pages in the order of their
// tabs; a page is a TabPage and one row there.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "shell/app_windows.h"
#include "shell/layout.h"

// One control of a page; painted ones are invalidated with every refresh of the main window.
struct PageControl {
    HWND window;
    bool painted;
};

// What a page is made with: the program, and the main window, which a page tells UM_REFRESH when it moves the
// selected day and sends the menu commands its buttons stand for.
struct PageContext {
    App& app;
    HWND owner;
};

// Makes a page's controls on the surface and records them as the page's own.
class PageMaker {
  public:
    PageMaker(HWND surface, const AppWindows& windows, std::vector<PageControl>& controls)
        : surface_(surface), windows_(windows), controls_(controls) {}

    HWND Make(DWORD exStyle,
              const char* className,
              const char* text,
              DWORD style,
              const LayoutRect& rect,
              int id,
              const void* createParam = nullptr);
    // The same for a control the program paints itself (a text view).
    HWND MakePainted(DWORD exStyle,
                     const char* className,
                     const char* text,
                     DWORD style,
                     const LayoutRect& rect,
                     int id,
                     const void* createParam);
    void UseFont(HWND control, ShellFont font) const;
    const AppWindows& Windows() const { return windows_; }

  private:
    HWND surface_;
    const AppWindows& windows_;
    std::vector<PageControl>& controls_;
};

class TabPage {
  public:
    TabPage() = default;
    virtual ~TabPage() = default;
    TabPage(const TabPage&) = delete;
    TabPage& operator=(const TabPage&) = delete;

    // Makes the page's controls.
    virtual void Create(PageMaker& maker) = 0;
    // Brings the page in line with the selected day and the place (UM_REFRESH of the main window); shown tells
    // whether the page's tab is selected.
    virtual void Refresh(bool shown) = 0;
    // The clock's tick, once a second.
    virtual void OnClockTick(bool shown) { static_cast<void>(shown); }
    // The user moved the selected day with the calendars.
    virtual void OnDayNavigated() {}
    // WM_COMMAND from one of the page's controls: the notification code and the control.
    virtual void OnCommand(WORD code, HWND control) {
        static_cast<void>(code);
        static_cast<void>(control);
    }
};

// A tab: its title and how its page is made.
struct TabPageRow {
    const char* title;
    std::unique_ptr<TabPage> (*make)(const PageContext& context);
};

struct TabPageList {
    const TabPageRow* rows;
    std::size_t count;
};
// The pages, in the order of their tabs.
TabPageList TabPages();
