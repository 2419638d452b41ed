#include "location/zip_database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Every row of the table, in its order, as the ZipRow a lookup gives (the name resolved from the pool).
const std::vector<ZipRow>& AllRows() {
    static const std::vector<ZipRow> rows = [] {
        std::vector<ZipRow> all;
        for (int i = 0; i < kZipTableSize; ++i) {
            all.push_back(zipRowOf(kZipTable[i]));
        }
        return all;
    }();
    return rows;
}

// Binary search over the table; the sorted order is checked by its own test.
const ZipRow* FindRow(int zip) {
    const std::vector<ZipRow>& rows = AllRows();
    const auto row = std::lower_bound(rows.begin(), rows.end(), zip, [](const ZipRow& r, int z) { return r.zip < z; });
    return (row != rows.end() && row->zip == zip) ? &*row : nullptr;
}

std::string StateOf(const ZipRow& row) {
    const std::string name = row.placeName;
    return name.size() >= 2 ? name.substr(name.size() - 2) : std::string();
}

// Distance in minutes of arc between a packed angle and degrees + minutes (negative for south or west).
int MinutesApart(std::int32_t packed, int degrees, int minutes) {
    const int magnitude = std::abs(packed);
    const int fromTable = (packed < 0 ? -1 : 1) * (magnitude / 100 * 60 + magnitude % 100);
    const int expected = degrees < 0 ? degrees * 60 - minutes : degrees * 60 + minutes;
    return std::abs(fromTable - expected);
}

TEST(ZipTable, HoldsAllUsCodesOnceInAscendingOrder) {
    ASSERT_GT(kZipTableSize, 40000);
    ASSERT_LT(kZipTableSize, 43000);
    EXPECT_GE(kZipTable[0].zip, 1);
    EXPECT_LE(kZipTable[kZipTableSize - 1].zip, 99999);
    for (int i = 1; i < kZipTableSize; ++i) {
        if (kZipTable[i - 1].zip >= kZipTable[i].zip) {
            FAIL() << "row " << i << ": " << kZipTable[i - 1].zip << " before " << kZipTable[i].zip;
        }
    }
}

TEST(ZipTable, NamesAreCityCommaStateOfAllowedCharacters) {
    int failures = 0;
    for (const ZipRow& row : AllRows()) {
        if (failures >= 10) {
            break;
        }
        const char* name = row.placeName;
        const std::size_t length = std::strlen(name);
        bool ok = length >= 5 && length <= 30;
        // "City, ST": the only comma is the one before the two capitals of the state.
        ok = ok && name[length - 4] == ',' && name[length - 3] == ' ';
        ok = ok && std::isupper(static_cast<unsigned char>(name[length - 2])) &&
             std::isupper(static_cast<unsigned char>(name[length - 1]));
        ok = ok && std::isalpha(static_cast<unsigned char>(name[0])) && name[length - 5] != ' ';
        for (std::size_t i = 0; ok && i + 4 < length; ++i) {
            const unsigned char c = static_cast<unsigned char>(name[i]);
            ok = std::isalpha(c) || std::strchr(" &-/", c) != nullptr;
            ok = ok && !(c == ' ' && name[i + 1] == ' ');
        }
        if (!ok) {
            ADD_FAILURE() << row.zip << ": \"" << name << "\"";
            ++failures;
        }
    }
}

TEST(ZipTable, PositionsAreInRangeWithMinutesBelowSixty) {
    int failures = 0;
    for (const ZipRow& row : AllRows()) {
        const int lat = std::abs(row.latitude);
        const int lon = std::abs(row.longitude);
        if (lat > 9000 || lon > 18000 || lat % 100 > 59 || lon % 100 > 59) {
            ADD_FAILURE() << row.zip << ": " << row.latitude << ", " << row.longitude;
            if (++failures >= 10) {
                break;
            }
        }
    }
}

// The 48 contiguous states and DC lie between 24 and 50 degrees north and 66 and 125 degrees west; a row outside
// that box has a wrong sign or a swapped coordinate.
TEST(ZipTable, ContiguousStatesLieInTheirBoundingBox) {
    const std::set<std::string> outside = {"AK", "HI", "PR", "VI", "GU", "AS", "MP", "FM", "MH", "PW"};
    int failures = 0;
    for (const ZipRow& row : AllRows()) {
        if (outside.count(StateOf(row)) != 0) {
            continue;
        }
        if (row.latitude < 2400 || row.latitude > 5000 || row.longitude > -6600 || row.longitude < -12500) {
            ADD_FAILURE() << row.zip << " " << row.placeName << ": " << row.latitude << ", " << row.longitude;
            if (++failures >= 10) {
                break;
            }
        }
    }
}

TEST(ZipTable, OffsetsAreThoseOfUsZonesAndDaylightSavingOnlyWestOfGreenwich) {
    const std::set<int> usOffsets = {-11, -10, -9, -8, -7, -6, -5, -4, 9, 10, 11, 12};
    int failures = 0;
    for (const ZipRow& row : AllRows()) {
        const bool offsetOk = usOffsets.count(row.offsetHours) != 0;
        // The Pacific territories east of the date line keep standard time all year.
        const bool dstOk = row.observesDst == 0 || (row.observesDst == 1 && row.offsetHours < 0);
        if (!offsetOk || !dstOk) {
            ADD_FAILURE() << row.zip << " " << row.placeName << ": " << row.offsetHours << ", " << row.observesDst;
            if (++failures >= 10) {
                break;
            }
        }
    }
}

// States and territories that lie wholly in one zone: every row of theirs, also those whose zone the generator
// filled in from a neighbour, has that zone's offset and daylight saving.
TEST(ZipTable, StatesInOneZoneHaveOneOffset) {
    const struct {
        const char* state;
        int offsetHours;
        int observesDst;
    } cases[] = {
        {"NY", -5, 1}, {"MA", -5, 1}, {"GA", -5, 1}, {"IL", -6, 1}, {"CO", -7, 1}, {"CA", -8, 1},
        {"WA", -8, 1}, {"PR", -4, 0}, {"VI", -4, 0}, {"GU", 10, 0}, {"MP", 10, 0}, {"AS", -11, 0},
    };
    for (const auto& c : cases) {
        int rows = 0;
        for (const ZipRow& row : AllRows()) {
            if (StateOf(row) != c.state) {
                continue;
            }
            ++rows;
            EXPECT_EQ(row.offsetHours, c.offsetHours) << row.zip << " " << row.placeName;
            EXPECT_EQ(row.observesDst, c.observesDst) << row.zip << " " << row.placeName;
        }
        EXPECT_GT(rows, 0) << c.state;
    }
}

// Every row names a zone of the Americas or the Pacific, "America/New_York", and the rows naming one zone keep one
// clock: a zone offset that pointed into the middle of a name, or at another row's zone, breaks one or the other.
TEST(ZipTable, EveryRowNamesAZoneAndRowsOfOneZoneKeepOneClock) {
    std::map<std::string, std::pair<int, int>> clockOfZone;
    int failures = 0;
    for (const ZipRow& row : AllRows()) {
        if (failures >= 10) {
            break;
        }
        const std::string zone = row.zoneName;
        const std::size_t area = zone.rfind("America/", 0) == 0 ? 8 : zone.rfind("Pacific/", 0) == 0 ? 8 : 0;
        bool ok = area != 0 && zone.size() > area && std::isupper(static_cast<unsigned char>(zone[area])) != 0;
        for (std::size_t i = area; ok && i < zone.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(zone[i]);
            ok = std::isalpha(c) != 0 || c == '_' || c == '/';
        }
        const std::pair<int, int> clock{row.offsetHours, row.observesDst};
        ok = ok && clockOfZone.emplace(zone, clock).first->second == clock;
        if (!ok) {
            ADD_FAILURE() << row.zip << " " << row.placeName << ": " << zone << " " << row.offsetHours << ", "
                          << row.observesDst;
            ++failures;
        }
    }
}

// Published positions of the towns (to the minute), with the zone each town keeps.
TEST(ZipTable, KnownPlacesHaveTheirNamePositionAndZone) {
    const struct {
        const char* label;
        int zip;
        const char* name;
        int latDeg, latMin, lonDeg, lonMin;
        int offsetHours, observesDst;
        const char* zoneName;
    } cases[] = {
        {"Manhattan, Eastern time", 10001, "New York, NY", 40, 45, -73, 59, -5, 1, "America/New_York"},
        {"Arizona keeps standard time", 85001, "Phoenix, AZ", 33, 27, -112, 4, -7, 0, "America/Phoenix"},
        {"Navajo Nation in Arizona observes daylight saving", 86515, "Window Rock, AZ", 35, 40, -109, 3, -7, 1,
         "America/Denver"},
        {"Hawaii keeps standard time", 96813, "Honolulu, HI", 21, 18, -157, 51, -10, 0, "Pacific/Honolulu"},
        {"Alaska time", 99501, "Anchorage, AK", 61, 13, -149, 54, -9, 1, "America/Anchorage"},
        {"Indiana in Eastern time", 46204, "Indianapolis, IN", 39, 46, -86, 9, -5, 1, "America/Indiana/Indianapolis"},
        {"Indiana in Central time", 47708, "Evansville, IN", 37, 58, -87, 34, -6, 1, "America/Chicago"},
        {"Guam, east of the date line", 96910, "Hagatna, GU", 13, 29, 144, 45, 10, 0, "Pacific/Guam"},
        {"American Samoa, south of the equator", 96799, "Pago Pago, AS", -14, 16, -170, 42, -11, 0,
         "Pacific/Pago_Pago"},
        {"Boston neighbourhood", 2134, "Allston, MA", 42, 21, -71, 8, -5, 1, "America/New_York"},
        {"West Wendover keeps Mountain time, unlike the rest of its county", 89883, "West Wendover, NV", 40, 44, -114,
         4, -7, 1, "America/Denver"},
        {"Mesquite keeps Pacific time beside Arizona", 89024, "Mesquite, NV", 36, 48, -114, 4, -8, 1,
         "America/Los_Angeles"},
        {"Page keeps standard time beside the Navajo Nation", 86040, "Page, AZ", 36, 55, -111, 28, -7, 0,
         "America/Phoenix"},
        {"Flagstaff keeps standard time", 86004, "Flagstaff, AZ", 35, 12, -111, 38, -7, 0, "America/Phoenix"},
        {"Phenix City keeps its Georgian neighbour's clock", 36867, "Phenix City, AL", 32, 28, -85, 0, -5, 1,
         "America/New_York"},
        {"first code", 501, "Holtsville, NY", 40, 48, -73, 3, -5, 1, "America/New_York"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const ZipRow* row = FindRow(c.zip);
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(row->placeName, c.name);
        // Within 15 minutes of arc (about 25 km) of the town's published position: a code covers part of a town.
        EXPECT_LE(MinutesApart(row->latitude, c.latDeg, c.latMin), 15) << row->latitude;
        EXPECT_LE(MinutesApart(row->longitude, c.lonDeg, c.lonMin), 15) << row->longitude;
        EXPECT_EQ(row->offsetHours, c.offsetHours);
        EXPECT_EQ(row->observesDst, c.observesDst);
        EXPECT_STREQ(row->zoneName, c.zoneName);
    }
}

// Codes whose positions lie a few km across a zone line, in the neighbouring county, keep their own county's clock
// (Rhea County TN and LaRue County KY keep Eastern time, Morton County ND Central time).
TEST(ZipTable, CodesPlacedAcrossTheirCountysZoneLineKeepTheCountysClock) {
    const struct {
        const char* label;
        int zip;
        int offsetHours;
        const char* zoneName;
    } cases[] = {
        {"Graysville TN, Rhea County", 37338, -5, "America/New_York"},
        {"Magnolia KY, LaRue County", 42757, -5, "America/New_York"},
        {"Mount Sherman KY, LaRue County", 42764, -5, "America/New_York"},
        {"Flasher ND, rural Morton County", 58535, -6, "America/North_Dakota/New_Salem"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const ZipRow* row = FindRow(c.zip);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->offsetHours, c.offsetHours);
        EXPECT_EQ(row->observesDst, 1);
        EXPECT_STREQ(row->zoneName, c.zoneName);
    }
}

TEST(ZipTable, MilitaryMailCodesAreLeftOut) {
    const struct {
        const char* label;
        int zip;
    } cases[] = {{"Armed Forces Europe", 9001}, {"Armed Forces Americas", 34002}, {"Armed Forces Pacific", 96201}};
    for (const auto& c : cases) {
        EXPECT_EQ(FindRow(c.zip), nullptr) << c.label;
    }
}

}  // namespace
