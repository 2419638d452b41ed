// Starting the program: the splash, then the main window with every control in place.
#include <gtest/gtest.h>

#include "calendar/clock.h"
#include "holidays/holiday_text.h"
#include "tests/windows/e2e/session_suite_win.h"

namespace {

using namespace e2e;

class StartUp : public SessionSuite<StartUp> {
  protected:
    static void SetUpTestSuite() {
        StartProgram();
        // The splash shows for three seconds before anything else.
        WaitFor(
            [] {
                const HWND splash = FindWindowA("Splash Window Class", "Kestrelon");
                if (splash != nullptr && IsWindowVisible(splash)) {
                    GetWindowRect(splash, &splashRect_);
                    return true;
                }
                return false;
            },
            5000);
        FindControls();
        splashGone_ = FindWindowA("Splash Window Class", nullptr) == nullptr;
    }

    static inline RECT splashRect_ = {};
    static inline bool splashGone_ = false;
};

TEST_F(StartUp, SplashIsCentredOnTheScreenAndGoneOnceTheMainWindowShows) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(splashRect_.left, width / 2 - 250);
    EXPECT_EQ(splashRect_.top, height / 2 - 250);
    EXPECT_EQ(splashRect_.right - splashRect_.left, 500);
    EXPECT_EQ(splashRect_.bottom - splashRect_.top, 500);
    EXPECT_TRUE(splashGone_);
}

TEST_F(StartUp, MainWindowHasItsClassTitleAndSize) {
    RECT rect;
    GetWindowRect(controls_.main, &rect);
    EXPECT_EQ(rect.right - rect.left, 584);
    EXPECT_EQ(rect.bottom - rect.top, 529);
    EXPECT_NE(GetMenu(controls_.main), nullptr);
    const LONG style = GetWindowLongA(controls_.main, GWL_STYLE);
    EXPECT_EQ(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
}

TEST_F(StartUp, HiddenWindowExistsAndIsNeverVisible) {
    const HWND hidden = session_->Hidden();
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(IsWindowVisible(hidden));
}

// A combo box answers with its selected entry and a year field with its year, so those are known by their place.
struct ExpectedControl {
    const char* className;
    const char* text;
    int id;
    bool onSurface;
    RECT rect;  // left, top, right, bottom in the parent; a combo box's bottom is not checked
    bool visible;
};

TEST_F(StartUp, EveryControlStandsInItsPlace) {
    const ExpectedControl controls[] = {
        {"SysTabControl32", "Kestrelon Tab", 28, false, {34, 294, 542, 454}, true},
        {"Button", "Change Location", 27, true, {320, 19, 420, 44}, false},
        {"ComboBox", "", 0, true, {325, 45, 485, 0}, true},
        {"Static", "Holidays", 0, true, {325, 19, 385, 34}, true},
        {"Scroll Text View Window Class", "Holiday View", 30, true, {10, 19, 310, 119}, true},
        {"Scroll Text View Window Class", "Zmanim View", 32, true, {10, 19, 310, 119}, false},
        {"Scroll Text View Window Class", "Week View", 33, true, {10, 19, 485, 119}, false},
        {"DaysWndClass", "Gregorian Calendar", 20, false, {51, 73, 255, 262}, true},
        {"ComboBox", "", 0, false, {51, 49, 141, 0}, true},
        {"Edit", "", 0, false, {181, 49, 221, 70}, true},
        {"msctls_updown32", "", 23, false, {223, 49, 263, 70}, true},
        {"DaysWndClass", "Hebrew Calendar", 21, false, {323, 73, 527, 262}, true},
        {"ComboBox", "", 0, false, {323, 49, 413, 0}, false},
        {"Edit", "", 0, false, {455, 49, 495, 70}, true},
        {"msctls_updown32", "", 26, false, {497, 49, 537, 70}, true},
    };
    const HWND surface = FindChild(controls_.main, "Tab Surface Window Class", 29);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(TextOf(surface), "Tab Surface");
    for (const ExpectedControl& c : controls) {
        SCOPED_TRACE(c.text[0] != '\0' ? c.text : c.className);
        HWND found = nullptr;
        for (HWND child : Children(c.onSurface ? surface : controls_.main)) {
            const RECT rect = RectInParent(child);
            if (_stricmp(ClassOf(child).c_str(), c.className) == 0 && GetDlgCtrlID(child) == c.id &&
                rect.left == c.rect.left && rect.top == c.rect.top) {
                found = child;
            }
        }
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(GetParent(found), c.onSurface ? surface : controls_.main);
        if (c.text[0] != '\0') {
            EXPECT_EQ(TextOf(found), c.text);
        }
        const RECT rect = RectInParent(found);
        EXPECT_EQ(rect.left, c.rect.left);
        EXPECT_EQ(rect.top, c.rect.top);
        // A spinner may narrow itself to its arrows' width.
        if (c.className != std::string("msctls_updown32")) {
            EXPECT_EQ(rect.right, c.rect.right);
        }
        if (c.rect.bottom != 0) {
            EXPECT_EQ(rect.bottom, c.rect.bottom);
        }
        const bool hebrewBox = c.rect.left == 323 && c.rect.top == 49;
        if (!hebrewBox) {
            EXPECT_EQ(IsWindowVisible(found) != FALSE, c.visible);
        }
    }
}

TEST_F(StartUp, TabSurfaceCoversThePageBelowTheTabs) {
    const HWND tab = session_->Child("SysTabControl32", 28);
    const HWND surface = FindChild(controls_.main, "Tab Surface Window Class", 29);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(GetParent(surface), tab);
    const RECT rect = RectInParent(surface);
    EXPECT_GE(rect.top, 18);
    EXPECT_GE(rect.bottom - rect.top, 119);
    EXPECT_LE(rect.bottom, 160);
}

TEST_F(StartUp, OpensOnTodayInBothCalendarsWithTheMonthBoxOfTheHebrewYear) {
    const LocalDateTime today = ReadLocalClock();
    ExpectSelected(controls_, today.day, today.month, today.year);
    EXPECT_NE(IsWindowVisible(controls_.hebrewLeapMonth), IsWindowVisible(controls_.hebrewRegularMonth));
}

TEST_F(StartUp, MonthBoxesAndTheHolidayListHoldTheirEntries) {
    const HWND gregorian = controls_.gregorianMonth;
    ASSERT_EQ(ComboCount(gregorian), 12);
    EXPECT_EQ(ComboText(gregorian, 0), "January");
    EXPECT_EQ(ComboText(gregorian, 11), "December");
    EXPECT_EQ(Send(gregorian, CB_GETITEMDATA, 11), 12);

    const HWND leap = controls_.hebrewLeapMonth;
    ASSERT_EQ(ComboCount(leap), 13);
    EXPECT_EQ(ComboText(leap, 5), "Adar I");
    EXPECT_EQ(Send(leap, CB_GETITEMDATA, 5), 113);
    EXPECT_EQ(Send(leap, CB_GETITEMDATA, 6), 114);
    const HWND regular = controls_.hebrewRegularMonth;
    ASSERT_EQ(ComboCount(regular), 12);
    EXPECT_EQ(Send(regular, CB_GETITEMDATA, 5), 106);

    // The holiday list is sorted by name, and each entry still carries its own holiday.
    const HWND list = controls_.holidayList;
    const HolidayChoiceList choices = HolidayChoices();
    ASSERT_EQ(ComboCount(list), choices.count);
    EXPECT_EQ(ComboSelection(list), CB_ERR);
    for (int i = 0; i < choices.count; ++i) {
        if (i > 0) {
            EXPECT_LT(_stricmp(ComboText(list, i - 1).c_str(), ComboText(list, i).c_str()), 0);
        }
        const std::string name = ComboText(list, i);
        const LRESULT code = Send(list, CB_GETITEMDATA, static_cast<WPARAM>(i));
        bool matches = false;
        for (int j = 0; j < choices.count; ++j) {
            matches = matches || (name == choices.items[j].name && code == CodeNumber(choices.items[j].code));
        }
        EXPECT_TRUE(matches) << name << " carries " << code;
    }
}

}  // namespace
