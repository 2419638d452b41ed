#include "zmanim/zmanim_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr LocalDateTime kToday{2026, 12, 6, 14, 5, 9};

DayZmanim Zmanim(int riseH, int riseM, int setH, int setM, int nightH, int nightM, double hour) {
    DayZmanim z;
    z.sunriseHour = riseH;
    z.sunriseMinute = riseM;
    z.sunsetHour = setH;
    z.sunsetMinute = setM;
    z.nightfallHour = nightH;
    z.nightfallMinute = nightM;
    z.proportionalHour = hour;
    z.hasSunrise = z.hasSunset = z.hasNightfall = z.hasProportionalHour = true;
    return z;
}

Location AtCity(std::int32_t city) {
    Location location;
    location.setCity(city);
    return location;
}

std::string Label(std::int32_t city, LabelStyle style) {
    char buffer[kPlaceLabelSize];
    FormatPlaceLabel(AtCity(city), style, buffer, sizeof buffer);
    return buffer;
}

TEST(ZmanimText, TimesShowATwelveHourClockWithTwoDigitMinutesAndAMarkWhenMissing) {
    const struct {
        const char* label;
        bool has;
        int hour, minute;
        const char* expected;
    } cases[] = {
        {"just after midnight", true, 0, 5, "12:05 AM"},       {"the first hour after midnight", true, 1, 7, "1:07 AM"},
        {"just before noon", true, 11, 59, "11:59 AM"},        {"noon", true, 12, 0, "12:00 PM"},
        {"the first hour after noon", true, 13, 0, "1:00 PM"}, {"evening", true, 20, 30, "8:30 PM"},
        {"just before midnight", true, 23, 59, "11:59 PM"},    {"no such event that day", false, 0, 0, "--:--"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        char buffer[80];
        FormatZmanTime(c.has, c.hour, c.minute, buffer, sizeof buffer);
        EXPECT_STREQ(buffer, c.expected);
    }
}

TEST(ZmanimText, PlaceLabels) {
    const struct {
        const char* label;
        std::int32_t city;
        LabelStyle style;
        const char* expected;
    } cases[] = {
        {"ZIP code on the clipboard: one space", 10001, LabelStyle::Clipboard, "New York, NY 10001"},
        {"ZIP code on the page: two spaces", 10001, LabelStyle::Page, "New York, NY  10001"},
        {"leading zeros", 501, LabelStyle::Clipboard, "Holtsville, NY 00501"},
        {"a preset city is its name alone", 100016, LabelStyle::Page, "Jerusalem, Israel"},
        {"no city", 0, LabelStyle::Clipboard, ""},
        {"a ZIP code missing from the table keeps its digits", 99999, LabelStyle::Clipboard, " 99999"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Label(c.city, c.style), c.expected);
    }
}

TEST(ZmanimText, ClipboardTextOfNewYorkOn21June2008) {
    const DayZmanim z = Zmanim(5, 24, 20, 30, 21, 21, 75.500267);
    char buffer[19999];
    const std::size_t length = ZmanimClipboardTextOf(z, kToday, "New York, NY 10001", buffer, sizeof buffer);
    const char* expected =
        "Sunrise: 5:24 AM\n"
        "Sunset: 8:30 PM\n"
        "Nightfall: 9:21 PM\n"
        "Proportional Hour: 75.5 min\n"
        "\n"
        "December 6, 2026\n"
        "New York, NY 10001\n";
    EXPECT_STREQ(buffer, expected);
    EXPECT_EQ(length, std::strlen(expected));
}

TEST(ZmanimText, ProportionalHourHasOneDecimal) {
    DayZmanim z = Zmanim(7, 16, 16, 31, 17, 17, 46.249514);
    char buffer[16];
    FormatProportionalHour(z, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "46.2");
    z.hasProportionalHour = false;
    FormatProportionalHour(z, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "--");
}

TEST(ZmanimText, ClipboardTextOfAPolarDayShowsMarks) {
    const DayZmanim none;
    char buffer[19999];
    ZmanimClipboardTextOf(none, kToday, "", buffer, sizeof buffer);
    EXPECT_STREQ(buffer,
                 "Sunrise: --:--\nSunset: --:--\nNightfall: --:--\nProportional Hour: -- min\n\nDecember 6, 2026\n\n");
}

TEST(ZmanimText, ClipboardTextIsCutAtTheBuffer) {
    const DayZmanim z = Zmanim(5, 24, 20, 30, 21, 21, 75.5);
    char buffer[12];
    const std::size_t length = ZmanimClipboardTextOf(z, kToday, "New York, NY 10001", buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "Sunrise: 5:");
    EXPECT_EQ(length, 11u);
}

TEST(ZmanimText, PageColumns) {
    const DayZmanim z = Zmanim(5, 24, 20, 30, 21, 21, 75.500267);
    std::vector<std::string> columns{"left over"};
    ZmanimPageColumnsOf(z, "2:05:09 PM", kToday, "New York, NY  10001", columns);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0], "Sunrise:\nSunset:\nNightfall:\nProp. hour:\n");
    EXPECT_EQ(columns[1], "5:24 AM\n8:30 PM\n9:21 PM\n75.5 min\n");
    EXPECT_EQ(columns[2], "2:05:09 PM\nDecember 6, 2026\nNew York, NY  10001\n");
}

TEST(ZmanimText, PageColumnsOfAPolarDayShowMarks) {
    std::vector<std::string> columns;
    ZmanimPageColumnsOf(DayZmanim{}, "", kToday, "", columns);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[1], "--:--\n--:--\n--:--\n-- min\n");
}

TEST(ZmanimText, PageColumnsHoldAtMost399Characters) {
    const std::string longLabel(1000, 'x');
    std::vector<std::string> columns;
    ZmanimPageColumnsOf(DayZmanim{}, "", kToday, longLabel.c_str(), columns);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[2].size(), 399u);
}

}  // namespace
