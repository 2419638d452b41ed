#include "location/zip_code_text.h"
#include "location/zip_database.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

TEST(ZipLookup, FindsKnownPlaces) {
    const struct {
        const char* label;
        int code;
        const char* name;
        int offset;
        int dst;
    } cases[] = {
        {"the first row", 501, "Holtsville, NY", -5, 1},
        {"Allston", 2134, "Allston, MA", -5, 1},
        {"New York", 10001, "New York, NY", -5, 1},
        {"Honolulu keeps standard time", 96813, "Honolulu, HI", -10, 0},
        {"Phoenix keeps standard time", 85001, "Phoenix, AZ", -7, 0},
        {"Anchorage", 99501, "Anchorage, AK", -9, 1},
        {"Pago Pago, south of the equator", 96799, "Pago Pago, AS", -11, 0},
        {"Guam, east of UTC", 96910, "Hagatna, GU", 10, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ZipRow row{};
        ASSERT_TRUE(zipLookup(c.code, row));
        EXPECT_EQ(row.zip, c.code);
        EXPECT_STREQ(row.placeName, c.name);
        EXPECT_EQ(row.offsetHours, c.offset);
        EXPECT_EQ(row.observesDst & 0xFF, c.dst);
    }
}

TEST(ZipLookup, NewYorkIsAtFortyFortyFiveNorthSeventyFourWest) {
    ZipRow row{};
    ASSERT_TRUE(zipLookup(10001, row));
    EXPECT_EQ(row.latitude, 4045);
    EXPECT_EQ(row.longitude, -7400);
}

TEST(ZipLookup, MissingCodesLeaveTheRowUntouched) {
    const int codes[] = {500, 99999, 0, -501, 100000, 100016, 2147483647};
    for (const int code : codes) {
        ZipRow row{12345, "untouched", 1, 2, 3, 4, "Untouched/Zone"};
        EXPECT_FALSE(zipLookup(code, row)) << code;
        EXPECT_EQ(row.zip, 12345) << code;
        EXPECT_STREQ(row.placeName, "untouched") << code;
        EXPECT_STREQ(row.zoneName, "Untouched/Zone") << code;
    }
}

// Every code from below 0 to past 99999 gives what a scan from the first row would: the first row with that code,
// or nothing.
TEST(ZipLookup, AgreesWithAScanFromTheFirstRowForEveryCode) {
    constexpr int kLow = -2;
    constexpr int kHigh = 100002;
    std::vector<const ZipTableRow*> firstRow(kHigh - kLow + 1, nullptr);
    for (int i = 0; i < kZipTableSize; ++i) {
        const int code = kZipTable[i].zip;
        if (code >= kLow && code <= kHigh && firstRow[static_cast<std::size_t>(code - kLow)] == nullptr) {
            firstRow[static_cast<std::size_t>(code - kLow)] = &kZipTable[i];
        }
    }
    int failures = 0;
    for (int code = kLow; code <= kHigh && failures < 10; ++code) {
        const ZipTableRow* expected = firstRow[static_cast<std::size_t>(code - kLow)];
        ZipRow row{};
        const bool found = zipLookup(code, row);
        if (found != (expected != nullptr) ||
            (found && (row.zip != expected->zip || row.placeName != kZipNames + expected->nameOffset ||
                       row.latitude != expected->latitude || row.longitude != expected->longitude ||
                       row.offsetHours != expected->offsetHours || row.observesDst != expected->observesDst ||
                       row.zoneName != kZipZoneNames + expected->zoneIndex))) {
            ADD_FAILURE() << "code " << code;
            ++failures;
        }
    }
}

// The Preferences dialog's reading of its ZIP field: leading digits, worked by hand.
TEST(ParseZipCodeText, ReadsTheLeadingDigitsAsTheDialogDoes) {
    const struct {
        const char* text;
        int code;
    } cases[] = {
        {"10001", 10001}, {"00501", 501},     {"501", 501},       {"10001-4356", 10001}, {"10001 New York", 10001},
        {"0", 0},         {"123456", 123456}, {"999999", 999999}, {"1234567", -1},       {"", -1},
        {" 10001", -1},   {"-10001", -1},     {"ZIP 10001", -1},  {"00000000012", 12},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseZipCodeText(c.text), c.code) << '"' << c.text << '"';
    }
    EXPECT_EQ(ParseZipCodeText(nullptr), -1);
}

}  // namespace
