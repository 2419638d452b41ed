// The tab pages of the main window: "Holiday" (the selected day's holidays and the list that jumps to a holiday),
// "Zmanim" (the day's times at the place, and the button that changes the place) and "Week" (the week's portion and
// Shabbat times, the Omer, molad and daf, and every zman of the day).
#include <windows.h>

#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/selected_day.h"
#include "app/week_page.h"
#include "holidays/holiday_table.h"
#include "holidays/holiday_text.h"
#include "resource.h"
#include "shell/layout.h"
#include "shell/messages.h"
#include "shell/shell_win.h"
#include "shell/tab_page_win.h"
#include "textview/scroll_text_view_win.h"

namespace {

constexpr std::size_t kPageTextSize = 20000;
constexpr DWORD kTextViewStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr UINT32 kZmanimAlignments[3] = {TA_LEFT | TA_TOP, TA_RIGHT | TA_TOP, TA_LEFT | TA_TOP};

// A page's text view, drawn with the view fonts, its vertical scroll bar shown or not, and empty.
HWND MakeTextView(PageMaker& maker,
                  const char* title,
                  int id,
                  bool scrollBar,
                  const LayoutRect& rect = layout::kTextView) {
    const HWND view = maker.MakePainted(WS_EX_CLIENTEDGE, kScrollTextViewClass, title, kTextViewStyle, rect, id,
                                        &maker.Windows().viewFonts);
    ShowScrollBar(view, SB_VERT, scrollBar ? TRUE : FALSE);
    maker.UseFont(view, FONT_VIEW);
    SendMessageA(view, STVM_SETTEXT, reinterpret_cast<WPARAM>(""), 0);
    return view;
}

// The selected day's holidays in a text view, and the list of holidays: choosing one moves the selection to its
// first day in the selected day's Hebrew year, when it has one. The choice stays shown until the calendars move the
// day.
class HolidayPage : public TabPage {
  public:
    explicit HolidayPage(const PageContext& context) : context_(context) {}

    void Create(PageMaker& maker) override {
        list_ =
            maker.Make(0, "COMBOBOX", "Holiday List", WS_CHILD | CBS_SORT | CBS_DROPDOWNLIST, layout::kHolidayList, 0);
        const HolidayChoiceList choices = HolidayChoices();
        for (int i = 0; i < choices.count; ++i) {
            AddComboEntry(list_, choices.items[i].name, CodeNumber(choices.items[i].code));
        }
        const HWND label = maker.Make(0, "STATIC", "Holidays", WS_CHILD | WS_CLIPSIBLINGS, layout::kHolidaysLabel, 0);
        maker.UseFont(list_, FONT_UI);
        maker.UseFont(label, FONT_UI);
        view_ = MakeTextView(maker, "Holiday View", IDC_HOLIDAY_VIEW, true);
    }

    // The holiday text is kept up to date on both tabs.
    void Refresh(bool) override {
        std::vector<char> text(kPageTextSize);
        selectedDayHolidayText(context_.app.state, true, text.data(), kPageTextSize);
        SendMessageA(view_, STVM_SETTEXT, reinterpret_cast<WPARAM>(text.data()), 0);
    }

    void OnDayNavigated() override { SendMessageA(list_, CB_SETCURSEL, static_cast<WPARAM>(-1), 0); }

    void OnCommand(WORD code, HWND control) override {
        if (code == kSelectionChangedOrAcceleratorCode && control == list_) {
            JumpToChosenHoliday();
        }
    }

  private:
    // Adds an entry to a combo box and gives it its item data; in a sorted box the entry lands in its sorted place.
    static void AddComboEntry(HWND box, const char* text, LPARAM data) {
        SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        const LRESULT index = SendMessageA(box, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
        SendMessageA(box, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
    }

    void JumpToChosenHoliday() {
        AppState& state = context_.app.state;
        const LRESULT index = SendMessageA(list_, CB_GETCURSEL, 0, 0);
        const LRESULT code = SendMessageA(list_, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
        const DayNumber day =
            FindHolidayInCursorHebrewYear(state.cursor, state.location.holiday(), HolidayCodeOf(code));
        if (day == 0) {
            return;
        }
        state.cursor.SetFromDayNumber(day);
        SendMessageA(context_.owner, UM_REFRESH, 0, 0);
    }

    PageContext context_;
    HWND list_ = nullptr;
    HWND view_ = nullptr;
};

// The selected day's zmanim at the place in three columns (labels, times, and the clock, today and the place), kept
// up to date once a second while the tab is selected; "Change Location" opens Preferences.
class ZmanimPage : public TabPage {
  public:
    explicit ZmanimPage(const PageContext& context) : context_(context) {}

    void Create(PageMaker& maker) override {
        changeLocation_ = maker.Make(0, "BUTTON", "Change Location", WS_CHILD | BS_PUSHBUTTON,
                                     layout::kChangeLocationButton, IDC_CHANGE_LOCATION);
        maker.UseFont(changeLocation_, FONT_UI);
        view_ = MakeTextView(maker, "Zmanim View", IDC_ZMANIM_VIEW, false);
        SendMessageA(view_, STVM_SETALIGNMENTS, reinterpret_cast<WPARAM>(kZmanimAlignments),
                     static_cast<LPARAM>(std::size(kZmanimAlignments)));
    }

    void Refresh(bool shown) override {
        if (!shown) {
            return;
        }
        std::vector<std::string> columns;
        zmanimPageColumns(context_.app.state, columns);
        SendMessageA(view_, STVM_CLEAR, 0, 0);
        SendMessageA(view_, STVM_SETCOLUMNS, reinterpret_cast<WPARAM>(&columns), 0);
    }

    void OnClockTick(bool shown) override { Refresh(shown); }

    void OnCommand(WORD code, HWND control) override {
        if (code == kMenuOrClickCode && control == changeLocation_) {
            SendMessageA(context_.owner, WM_COMMAND, CMD_PREFERENCES, 0);
        }
    }

  private:
    PageContext context_;
    HWND changeLocation_ = nullptr;
    HWND view_ = nullptr;
};

// The week of the selected day in one scrolling text (app/week_page.h), kept up to date once a second while the tab
// is selected, as the Zmanim page is; the clock's tick keeps the scroll position, a refresh starts at the top.
class WeekPage : public TabPage {
  public:
    explicit WeekPage(const PageContext& context) : context_(context) {}

    void Create(PageMaker& maker) override {
        view_ = MakeTextView(maker, "Week View", IDC_WEEK_VIEW, true, layout::kWeekView);
        // Emptying the view hid its scroll bar; the week's text always scrolls, so the bar is shown again at once and
        // the first text is wrapped to the width beside it, as every later one is.
        ShowScrollBar(view_, SB_VERT, TRUE);
    }

    // A refresh (a new day, the tab shown, new settings) comes after the main window read the people's dates again;
    // the clock's tick does not read them.
    void Refresh(bool shown) override { Update(shown, false); }

    void OnClockTick(bool shown) override { Update(shown, true); }

  private:
    void Update(bool shown, bool keepPosition) {
        if (!shown) {
            return;
        }
        const std::string text = weekPageText(context_.app.state, true);
        SendMessageA(view_, STVM_SETTEXT, reinterpret_cast<WPARAM>(text.c_str()), keepPosition ? 1 : 0);
    }

    PageContext context_;
    HWND view_ = nullptr;
};

template <typename Page>
std::unique_ptr<TabPage> MakePage(const PageContext& context) {
    return std::make_unique<Page>(context);
}

constexpr TabPageRow kTabPages[] = {
    {"Holiday", MakePage<HolidayPage>},
    {"Zmanim", MakePage<ZmanimPage>},
    {"Week", MakePage<WeekPage>},
};

}  // namespace

TabPageList TabPages() {
    return {kTabPages, std::size(kTabPages)};
}
