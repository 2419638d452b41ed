// Moving the selected day with the mouse: day cells, month boxes, year spinners and the holiday list.
#include <gtest/gtest.h>

#include "calendar/hebrew.h"
#include "tests/windows/e2e/session_suite_win.h"

namespace {

using namespace e2e;

class Navigation : public SessionSuite<Navigation> {};

TEST_F(Navigation, ClickOnAGregorianDaySelectsItInBothCalendars) {
    controls_.GoTo(15, 1, 2008);
    ExpectSelected(controls_, 15, 1, 2008);
    controls_.ClickDay(controls_.gregorianGrid, 31, FirstWeekdayOfGregorianMonth(1, 2008));
    ExpectSelected(controls_, 31, 1, 2008);
}

TEST_F(Navigation, ClickOnAHebrewDaySelectsItInBothCalendars) {
    controls_.GoTo(15, 1, 2008);  // 8 Shevat 5768
    controls_.ClickDay(controls_.hebrewGrid, 1, FirstWeekdayOfHebrewMonth(kShevat, 5768));
    ExpectSelected(controls_, 8, 1, 2008);
    controls_.ClickDay(controls_.hebrewGrid, 30, FirstWeekdayOfHebrewMonth(kShevat, 5768));
    ExpectSelected(controls_, 6, 2, 2008);
}

TEST_F(Navigation, ClickOutsideTheDaysChangesNothing) {
    controls_.GoTo(15, 1, 2008);
    Click(controls_.gregorianGrid, 100, 10);  // the weekday letters
    Click(controls_.gregorianGrid, 190, 60);  // right of Saturday
    ExpectSelected(controls_, 15, 1, 2008);
}

TEST_F(Navigation, MonthBoxKeepsTheDayWithinTheNewMonth) {
    controls_.GoTo(31, 1, 2008);
    ChooseComboEntry(controls_.gregorianMonth, "February");
    ExpectSelected(controls_, 29, 2, 2008);
    controls_.GoTo(31, 1, 2007);
    ChooseComboEntry(controls_.gregorianMonth, "February");
    ExpectSelected(controls_, 28, 2, 2007);
}

TEST_F(Navigation, HebrewMonthBoxAndSpinnerMapAdar) {
    controls_.GoTo(15, 1, 2008);  // 5768 is a leap year
    ASSERT_EQ(controls_.VisibleHebrewMonthBox(), controls_.hebrewLeapMonth);
    ChooseComboEntry(controls_.hebrewLeapMonth, "Adar I");
    ExpectSelected(controls_, 14, 2, 2008);  // 8 Adar I 5768
    // Spinning to the regular year 5769 turns Adar I into Adar and shows the 12-month box.
    controls_.SpinTo(controls_.hebrewSpinner, 5769);
    controls_.Settle();
    EXPECT_EQ(controls_.VisibleHebrewMonthBox(), controls_.hebrewRegularMonth);
    EXPECT_EQ(controls_.SelectedText(controls_.hebrewRegularMonth), "Adar");
    ExpectSelected(controls_, 4, 3, 2009);  // 8 Adar 5769
}

TEST_F(Navigation, YearSpinnersWrapAtTheEndsOfTheirRange) {
    controls_.GoTo(15, 6, 2076);
    // The arrows of the spinner, as the mouse presses them.
    controls_.ClickSpinner(controls_.gregorianSpinner, true);
    EXPECT_EQ(TextOf(controls_.gregorianYear), "1941");
    ExpectSelected(controls_, 15, 6, 1941);
    controls_.ClickSpinner(controls_.gregorianSpinner, false);
    EXPECT_EQ(TextOf(controls_.gregorianYear), "2076");

    controls_.SpinTo(controls_.hebrewSpinner, 5701);
    controls_.ClickSpinner(controls_.hebrewSpinner, false);
    EXPECT_EQ(TextOf(controls_.hebrewYear), "5836");
}

TEST_F(Navigation, HolidayListJumpsWithinTheHebrewYearAndStaysChosenUntilTheNextMove) {
    controls_.GoTo(15, 1, 2008);
    ChooseComboEntry(controls_.holidayList, "Passover");
    ExpectSelected(controls_, 20, 4, 2008);  // 15 Nisan 5768
    EXPECT_EQ(controls_.SelectedText(controls_.holidayList), "Passover");
    // Choosing it again stays on the same day.
    ChooseComboEntry(controls_.holidayList, "Passover");
    ExpectSelected(controls_, 20, 4, 2008);
    controls_.ClickDay(controls_.gregorianGrid, 21, FirstWeekdayOfGregorianMonth(4, 2008));
    EXPECT_EQ(ComboSelection(controls_.holidayList), CB_ERR);
    ExpectSelected(controls_, 21, 4, 2008);
}

}  // namespace
