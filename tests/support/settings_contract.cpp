#include "tests/support/settings_contract.h"

#include <cstring>

#include "location/location.h"
#include "location/shabbat_settings.h"

namespace {

struct Stored {
    const char* name;
    std::int32_t value;
};

// The six values in the order they are read and written, with their defaults, and a saved place.
const Stored kDefaults[] = {{"City", 0},      {"Latitude", 0},        {"Longitude", 0},
                            {"Elevation", 0}, {"Elevation Units", 2}, {"Holiday", 2}};
const Stored kSaved[] = {{"City", 10001},   {"Latitude", 4045},     {"Longitude", 7400},
                         {"Elevation", 33}, {"Elevation Units", 1}, {"Holiday", 1}};

std::vector<std::int32_t> Fields(const Location& location) {
    return {location.city(),
            location.latitude(),
            location.longitude(),
            location.elevation(),
            static_cast<std::int32_t>(location.elevationUnits()),
            static_cast<std::int32_t>(location.holiday())};
}

void StoreAll(ScratchStore& scratch, const Stored (&values)[6]) {
    for (const Stored& v : values) {
        scratch.SetDword(v.name, v.value);
    }
}

void ExpectDwords(ScratchStore& scratch, const Stored (&values)[6]) {
    for (const Stored& v : values) {
        SCOPED_TRACE(v.name);
        EXPECT_EQ(scratch.Kind(v.name), StoredKind::Dword);
        EXPECT_EQ(scratch.Dword(v.name), v.value);
    }
}

std::vector<std::int32_t> Values(const Stored (&values)[6]) {
    std::vector<std::int32_t> result;
    for (const Stored& v : values) {
        result.push_back(v.value);
    }
    return result;
}

TEST_P(SettingsContract, FirstLoadCreatesTheKeyWithAllSixDefaults) {
    Location location;
    location.load(Store());
    ASSERT_TRUE(Scratch().KeyExists());
    ExpectDwords(Scratch(), kDefaults);
    EXPECT_EQ(Fields(location), Values(kDefaults));
}

TEST_P(SettingsContract, LoadReadsStoredValuesIntoTheirFields) {
    StoreAll(Scratch(), kSaved);
    Location location;
    location.load(Store());
    EXPECT_EQ(Fields(location), Values(kSaved));
}

TEST_P(SettingsContract, ADeletedValueIsRecreatedWithItsDefaultAndTheOthersKept) {
    StoreAll(Scratch(), kSaved);
    Scratch().Delete("Holiday");
    Location location;
    location.load(Store());
    EXPECT_EQ(location.holiday(), Observance::Diaspora);
    EXPECT_EQ(location.city(), 10001);
    const Stored expected[] = {{"City", 10001},   {"Latitude", 4045},     {"Longitude", 7400},
                               {"Elevation", 33}, {"Elevation Units", 1}, {"Holiday", 2}};
    ExpectDwords(Scratch(), expected);
}

TEST_P(SettingsContract, AValueLongerThanFourBytesReadsAsTheDefaultAndIsKept) {
    StoreAll(Scratch(), kSaved);
    Scratch().SetString("Latitude", "40 45 N");
    std::int32_t value = -1;
    EXPECT_FALSE(readSettingDword(Store(), "Latitude", 0, value));
    EXPECT_EQ(value, 0);
    EXPECT_EQ(Scratch().Kind("Latitude"), StoredKind::String);
}

TEST_P(SettingsContract, AShortValueReplacesOnlyTheLowBytesOfTheDefault) {
    if (!HoldsStringsAndBinary()) {
        GTEST_SKIP() << "the store holds numbers only";
    }
    Scratch().SetBinary("Elevation Units", {0x34, 0x12});
    std::int32_t value = 0;
    EXPECT_TRUE(readSettingDword(Store(), "Elevation Units", 0x7F000002, value));
    EXPECT_EQ(value, 0x7F001234);
    EXPECT_EQ(Scratch().Kind("Elevation Units"), StoredKind::Binary);
}

TEST_P(SettingsContract, AKeyThatCannotBeOpenedLeavesTheDefaultsAndWritesNothing) {
    Scratch().MakeUnreachable();
    std::int32_t value = -1;
    EXPECT_FALSE(readSettingDword(Store(), "Holiday", 2, value));
    EXPECT_EQ(value, 2);
    EXPECT_FALSE(writeSettingDword(Store(), "Holiday", 1));
    Location location;
    location.setCity(77);
    location.load(Store());
    EXPECT_EQ(Fields(location), Values(kDefaults));
    EXPECT_FALSE(Scratch().KeyExists());
}

TEST_P(SettingsContract, SaveWritesAllSixValuesAsDwords) {
    StoreAll(Scratch(), kSaved);
    Location location;
    location.load(Store());
    location.setHoliday(Observance::Diaspora);
    Scratch().SetString("City", "garbage that is long");
    location.save(Store());
    const Stored expected[] = {{"City", 10001},   {"Latitude", 4045},     {"Longitude", 7400},
                               {"Elevation", 33}, {"Elevation Units", 1}, {"Holiday", 2}};
    ExpectDwords(Scratch(), expected);
}

// The candle-lighting and havdalah values: created with -1 on the first load, read as stored, and a number out of
// range read as the default but kept, by the program's load and the command line's read alike.
TEST_P(SettingsContract, ShabbatValuesAreCreatedAsMinusOneAndANumberOutOfRangeIsKept) {
    ShabbatSettings settings;
    settings.load(Store());
    EXPECT_EQ(Scratch().Dword("Candle Lighting Minutes"), -1);
    EXPECT_EQ(Scratch().Dword("Havdalah Minutes"), -1);

    Scratch().SetDword("Candle Lighting Minutes", 91);
    Scratch().SetDword("Havdalah Minutes", 72);
    for (const bool creating : {true, false}) {
        SCOPED_TRACE(creating ? "load" : "loadWithoutCreating");
        SettingsReadReport report;
        creating ? settings.load(Store()) : settings.loadWithoutCreating(Store(), report);
        const ShabbatRules rules = settings.RulesAt(10001);
        EXPECT_EQ(rules.candleLightingMinutes, 18);
        EXPECT_EQ(rules.havdalahMinutesAfterSunset, 72);
        EXPECT_EQ(Scratch().Dword("Candle Lighting Minutes"), 91);
        EXPECT_EQ(report.outOfRange.size(), creating ? 0u : 1u);
    }
}

TEST_P(SettingsContract, AStringIsReadWithoutCreatingTheKey) {
    if (!HoldsStringsAndBinary()) {
        GTEST_SKIP() << "the store holds numbers only";
    }
    char buffer[200] = "old";
    EXPECT_FALSE(readSettingString(Store(), "InstallPath", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(Scratch().KeyExists());

    Scratch().SetString("Other", "x");
    EXPECT_FALSE(readSettingString(Store(), "InstallPath", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");

    Scratch().SetString("InstallPath", "C:\\Users\\me\\AppData\\Local\\Programs\\Kestrelon");
    EXPECT_TRUE(readSettingString(Store(), "InstallPath", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "C:\\Users\\me\\AppData\\Local\\Programs\\Kestrelon");
}

TEST_P(SettingsContract, AStringLongerThanTheBufferIsEmpty) {
    if (!HoldsStringsAndBinary()) {
        GTEST_SKIP() << "the store holds numbers only";
    }
    Scratch().SetString("InstallPath", "C:\\a folder name longer than the buffer");
    char buffer[8] = "old";
    EXPECT_FALSE(readSettingString(Store(), "InstallPath", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
}

TEST_P(SettingsContract, AStringIsTerminatedEvenWhenStoredWithoutATerminator) {
    if (!HoldsStringsAndBinary()) {
        GTEST_SKIP() << "the store holds numbers only";
    }
    Scratch().SetBinary("InstallPath", {'C', ':', '\\', 'K'});
    char buffer[4];
    EXPECT_TRUE(readSettingString(Store(), "InstallPath", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "C:\\");
    char wide[16];
    std::memset(wide, 'z', sizeof wide);
    EXPECT_TRUE(readSettingString(Store(), "InstallPath", wide, sizeof wide));
    EXPECT_STREQ(wide, "C:\\K");
}

}  // namespace
