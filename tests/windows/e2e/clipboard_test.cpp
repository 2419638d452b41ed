// "Copy Holiday" and "Copy Zmanim" of the Edit menu: what lands on the clipboard for the selected day and place.
#include <gtest/gtest.h>

#include <vector>

#include "calendar/clock.h"
#include "calendar/gregorian.h"
#include "calendar/hebrew.h"
#include "calendar/month_names.h"
#include "holidays/holiday_table.h"
#include "holidays/holiday_text.h"
#include "tests/windows/e2e/preferences_driver_win.h"
#include "tests/windows/e2e/session_suite_win.h"

namespace {

using namespace e2e;

constexpr SIZE_T kClipboardBlockSize = 20000;

class Clipboard : public SessionSuite<Clipboard> {
  protected:
    // Goes to a Hebrew date through the Gregorian controls.
    static void GoToHebrew(int day, int month, int year) {
        int gregorianDay = 0;
        int gregorianMonth = 0;
        int gregorianYear = 0;
        DayNumberToGregorian(HebrewToDayNumber(day, month, year), gregorianDay, gregorianMonth, gregorianYear);
        controls_.GoTo(gregorianDay, gregorianMonth, gregorianYear);
    }
};

std::string WithWindowsLineEnds(const std::string& text) {
    std::string converted;
    for (char c : text) {
        if (c == '\n') {
            converted += '\r';
        }
        converted += c;
    }
    return converted;
}

// "June 21, 2008"
std::string DateLine(const LocalDateTime& when) {
    return std::string(GregorianMonthName(when.month)) + " " + std::to_string(when.day) + ", " +
           std::to_string(when.year);
}

TEST_F(Clipboard, ZmanimOfAZipPlaceAreSevenLines) {
    PreferencesDialog dialog = PreferencesDialog::OpenFromMenu(controls_.main);
    ASSERT_TRUE(dialog.IsOpen());
    dialog.TypeZip("10001");
    dialog.Click(kLookUpZip);
    dialog.Ok();
    controls_.GoTo(21, 6, 2008);

    const std::string before = DateLine(ReadLocalClock());
    const std::string copied = CopyWithCommand(controls_.main, kCopyZmanimCommand).text;
    const std::string after = DateLine(ReadLocalClock());
    // New York's times of 21 June 2008 in its daylight-saving time; the date line is today's, not the selected day's.
    const std::string times =
        "Sunrise: 5:24 AM\r\nSunset: 8:30 PM\r\nNightfall: 9:21 PM\r\nProportional Hour: 75.5 min\r\n\r\n";
    const std::string place = "\r\nNew York, NY 10001\r\n";
    EXPECT_TRUE(copied == times + before + place || copied == times + after + place) << copied;
}

TEST_F(Clipboard, PolarDayCopiesDashesForTheMissingTimes) {
    // 78 13 N, 15 38 E, chosen by hand: the sun stays up all day at midsummer.
    PreferencesDialog dialog = PreferencesDialog::OpenFromMenu(controls_.main);
    ASSERT_TRUE(dialog.IsOpen());
    dialog.Choose(kLatitudeDegrees, "78");
    dialog.Choose(kLatitudeMinutes, "13");
    dialog.Choose(kLatitudeHemisphere, "N");
    dialog.Choose(kLongitudeDegrees, "15");
    dialog.Choose(kLongitudeMinutes, "38");
    dialog.Choose(kLongitudeHemisphere, "E");
    dialog.Ok();
    ASSERT_EQ(StoredValues({"Latitude", "Longitude"}), "7813 -1538");
    controls_.GoTo(21, 6, 2008);

    const std::string copied = CopyWithCommand(controls_.main, kCopyZmanimCommand).text;
    const std::string expected =
        "Sunrise: --:--\r\nSunset: --:--\r\nNightfall: --:--\r\nProportional Hour: -- min\r\n\r\n";
    EXPECT_EQ(copied.substr(0, expected.size()), expected);
}

TEST_F(Clipboard, DayWithoutHolidaysCopiesTheNoHolidayText) {
    controls_.GoTo(7, 4, 2008);  // 2 Nisan 5768, a Monday
    EXPECT_EQ(CopyWithCommand(controls_.main, kCopyHolidayCommand).text,
              "No holiday today\r\n \r\nClick on the calendar to see the holidays for that day.\r\n \r\n");
}

struct HolidayCase {
    const char* label;
    int day;
    int month;
    int year;
    const char* opening;  // the first lines, worked out by hand
};

TEST_F(Clipboard, HolidayDaysCopyTheirNamesAndDescriptionsWithoutMarkers) {
    const HolidayCase cases[] = {
        {"14 Adar I 5768", 14, kAdarI, 5768,
         "Purim Katan\r\n\r\n \r\nPurim -- 14 Adar\r\n \r\nCelebrates the deliverance of the Persian Jews"},
        {"14 Adar II 5768", 14, kAdarII, 5768,
         "Purim\r\n\r\n \r\nPurim -- 14 Adar\r\n \r\nCelebrates the deliverance of the Persian Jews"},
        {"30 Kislev 5768", 30, kKislev, 5768,
         "Rosh Chodesh\r\nChanukah VI\r\n\r\n \r\nRosh Chodesh -- Beginning of each month\r\n \r\nLunar New Month\r\n"
         " \r\n\r\n \r\nChanukah -- 25 Kislev\r\n \r\nCommemorates the Miracle of the Oil"},
    };
    for (const HolidayCase& c : cases) {
        SCOPED_TRACE(c.label);
        GoToHebrew(c.day, c.month, c.year);
        const std::string copied = CopyWithCommand(controls_.main, kCopyHolidayCommand).text;
        EXPECT_EQ(copied.substr(0, std::string(c.opening).size()), c.opening);

        std::vector<char> text(20000);
        BuildHolidayText(c.day, c.month, c.year, Observance::Diaspora, text.data(), text.size(), false);
        EXPECT_EQ(copied, WithWindowsLineEnds(text.data()));
    }
}

struct BlockCase {
    const char* label;
    int day;
    int month;
    int year;
    int command;
};

TEST_F(Clipboard, EveryCopyHandsOverABlockOfTwentyThousandBytes) {
    const BlockCase cases[] = {
        {"Copy Holiday, no holiday", 7, 4, 2008, kCopyHolidayCommand},
        {"Copy Holiday, Rosh Chodesh and Chanukah", 10, 12, 2007, kCopyHolidayCommand},
        {"Copy Zmanim", 21, 6, 2008, kCopyZmanimCommand},
    };
    for (const BlockCase& c : cases) {
        SCOPED_TRACE(c.label);
        controls_.GoTo(c.day, c.month, c.year);
        const ClipboardText copied = CopyWithCommand(controls_.main, c.command);
        ASSERT_TRUE(copied.present);
        EXPECT_FALSE(copied.text.empty());
        EXPECT_EQ(copied.blockSize, kClipboardBlockSize);
    }
}

}  // namespace
