#include "location/settings_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "location/location.h"
#include "location/memory_store.h"

namespace {

const char kKey[] = "Software\\Kestrelon-tests\\settings";

struct Stored {
    const char* name;
    std::int32_t value;
};

// The six values in their order, and their defaults.
const Stored kDefaults[] = {{"City", 0},      {"Latitude", 0},        {"Longitude", 0},
                            {"Elevation", 0}, {"Elevation Units", 2}, {"Holiday", 2}};

std::int32_t DwordOf(const SettingValue& value) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < value.bytes.size() && i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(value.bytes[i]) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

SettingValue Dword(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return {SettingType::Dword,
            {static_cast<unsigned char>(bits & 0xFF), static_cast<unsigned char>((bits >> 8) & 0xFF),
             static_cast<unsigned char>((bits >> 16) & 0xFF), static_cast<unsigned char>((bits >> 24) & 0xFF)}};
}

class Settings : public ::testing::Test {
  protected:
    MemoryRegistry registry_;
    MemorySettingsStore store_{registry_, kKey};

    void StoreAll(const Stored (&values)[6]) {
        for (const Stored& v : values) {
            registry_.setValue(kKey, v.name, Dword(v.value));
        }
    }
};

const Stored kSaved[] = {{"City", 10001},   {"Latitude", 4045},     {"Longitude", 7400},
                         {"Elevation", 33}, {"Elevation Units", 1}, {"Holiday", 1}};

TEST_F(Settings, FirstLoadCreatesTheKeyWithAllSixDefaults) {
    Location location;
    location.load(store_);
    ASSERT_TRUE(registry_.hasKey(kKey));
    for (const Stored& d : kDefaults) {
        SCOPED_TRACE(d.name);
        const SettingValue* value = registry_.findValue(kKey, d.name);
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->type, SettingType::Dword);
        EXPECT_EQ(value->bytes.size(), 4u);
        EXPECT_EQ(DwordOf(*value), d.value);
    }
    EXPECT_EQ(location.elevationUnits(), 2);
    EXPECT_EQ(location.holiday(), 2);
}

TEST_F(Settings, LoadReadsStoredValuesIntoTheirFields) {
    StoreAll(kSaved);
    Location location;
    location.load(store_);
    EXPECT_EQ(location.city(), 10001);
    EXPECT_EQ(location.latitude(), 4045);
    EXPECT_EQ(location.longitude(), 7400);
    EXPECT_EQ(location.elevation(), 33);
    EXPECT_EQ(location.elevationUnits(), 1);
    EXPECT_EQ(location.holiday(), 1);
}

TEST_F(Settings, ADeletedValueIsRecreatedWithItsDefaultAndTheOthersKept) {
    StoreAll(kSaved);
    registry_.deleteValue(kKey, "Holiday");
    Location location;
    location.load(store_);
    EXPECT_EQ(location.holiday(), 2);
    ASSERT_NE(registry_.findValue(kKey, "Holiday"), nullptr);
    EXPECT_EQ(DwordOf(*registry_.findValue(kKey, "Holiday")), 2);
    EXPECT_EQ(DwordOf(*registry_.findValue(kKey, "City")), 10001);
    EXPECT_EQ(location.city(), 10001);
}

TEST_F(Settings, AValueLongerThanFourBytesReadsAsTheDefaultAndIsKept) {
    StoreAll(kSaved);
    registry_.setString(kKey, "Latitude", "40 45 N");
    std::int32_t value = -1;
    EXPECT_FALSE(readSettingDword(store_, "Latitude", 0, value));
    EXPECT_EQ(value, 0);
    const SettingValue* stored = registry_.findValue(kKey, "Latitude");
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->type, SettingType::String);
}

TEST_F(Settings, AShortValueReplacesOnlyTheLowBytesOfTheDefault) {
    registry_.setValue(kKey, "Elevation Units", {SettingType::Binary, {0x34, 0x12}});
    std::int32_t value = 0;
    EXPECT_TRUE(readSettingDword(store_, "Elevation Units", 0x7F000002, value));
    EXPECT_EQ(value, 0x7F001234);
}

TEST_F(Settings, AKeyThatCannotBeOpenedLeavesTheDefaultsAndWritesNothing) {
    registry_.denyAccess(kKey);
    std::int32_t value = -1;
    EXPECT_FALSE(readSettingDword(store_, "Holiday", 2, value));
    EXPECT_EQ(value, 2);
    EXPECT_FALSE(writeSettingDword(store_, "Holiday", 1));
    Location location;
    location.setCity(77);
    location.load(store_);
    EXPECT_EQ(location.city(), 0);
    EXPECT_EQ(location.holiday(), 2);
    EXPECT_FALSE(registry_.hasKey(kKey));
}

TEST_F(Settings, SaveWritesAllSixValuesAsDwords) {
    StoreAll(kSaved);
    Location location;
    location.load(store_);
    location.setHoliday(2);
    registry_.setString(kKey, "City", "garbage that is long");
    location.save(store_);
    const Stored expected[] = {{"City", 10001},   {"Latitude", 4045},     {"Longitude", 7400},
                               {"Elevation", 33}, {"Elevation Units", 1}, {"Holiday", 2}};
    for (const Stored& e : expected) {
        SCOPED_TRACE(e.name);
        const SettingValue* value = registry_.findValue(kKey, e.name);
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->type, SettingType::Dword);
        EXPECT_EQ(DwordOf(*value), e.value);
    }
}

// A store that records the names it is asked about, to see the order of the values.
class RecordingStore : public SettingsStore {
  public:
    std::vector<std::string> names;

    std::unique_ptr<SettingsKey> createKey(bool& createdNew) override {
        createdNew = false;
        return std::make_unique<Key>(names);
    }
    std::unique_ptr<SettingsKey> openKey() override { return std::make_unique<Key>(names); }

  private:
    class Key : public SettingsKey {
      public:
        explicit Key(std::vector<std::string>& names) : names_(names) {}
        ValueQuery queryValue(const char* name, void*, std::size_t&) override {
            names_.emplace_back(name);
            return ValueQuery::Failed;
        }
        bool setDwordValue(const char* name, std::int32_t) override {
            names_.emplace_back(name);
            return true;
        }

      private:
        std::vector<std::string>& names_;
    };
};

TEST(SettingsOrder, LoadAndSaveVisitTheValuesInTheirOrder) {
    const std::vector<std::string> order{"City", "Latitude", "Longitude", "Elevation", "Elevation Units", "Holiday"};
    RecordingStore loading;
    Location location;
    location.load(loading);
    EXPECT_EQ(loading.names, order);
    RecordingStore saving;
    location.save(saving);
    EXPECT_EQ(saving.names, order);
}

TEST_F(Settings, StringReadsTheInstallFolder) {
    registry_.setString(kKey, "InstallPath", "C:\\Users\\me\\AppData\\Local\\Programs\\Kestrelon");
    char buffer[200];
    EXPECT_TRUE(readSettingString(store_, "InstallPath", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "C:\\Users\\me\\AppData\\Local\\Programs\\Kestrelon");
}

TEST_F(Settings, StringReadFailures) {
    char buffer[8] = "old";
    EXPECT_FALSE(readSettingString(store_, "InstallPath", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(registry_.hasKey(kKey)) << "reading a string never creates the key";

    registry_.setString(kKey, "Other", "x");
    EXPECT_FALSE(readSettingString(store_, "InstallPath", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");

    registry_.setString(kKey, "InstallPath", "longer than eight");
    EXPECT_FALSE(readSettingString(store_, "InstallPath", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
}

TEST_F(Settings, StringIsTerminatedEvenWhenStoredWithoutATerminator) {
    registry_.setValue(kKey, "InstallPath", {SettingType::Binary, {'C', ':', '\\', 'K'}});
    char buffer[4];
    EXPECT_TRUE(readSettingString(store_, "InstallPath", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "C:\\");
    char wide[16];
    std::memset(wide, 'z', sizeof wide);
    EXPECT_TRUE(readSettingString(store_, "InstallPath", wide, sizeof wide));
    EXPECT_STREQ(wide, "C:\\K");
}

}  // namespace
