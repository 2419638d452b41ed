// The settings rules against the real registry: every test works under its own scratch key below
// HKCU\Software\Kestrelon-tests and removes it afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "location/location.h"
#include "location/registry_store_win.h"
#include "zmanim/host_zone.h"

namespace {

const char kTestsRoot[] = "Software\\Kestrelon-tests";

struct Stored {
    const char* name;
    DWORD value;
};

class RegistryStore : public ::testing::Test {
  protected:
    void SetUp() override {
        char unique[96];
        std::snprintf(unique, sizeof unique, "%s\\%lu-%lu-%s", kTestsRoot, GetCurrentProcessId(), GetTickCount(),
                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        path_ = unique;
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str()); }

    bool KeyExists() const {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }

    void Set(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(
            RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }
    void SetDword(const char* name, DWORD value) { Set(name, REG_DWORD, &value, sizeof value); }
    void SetString(const char* name, const char* text) {
        Set(name, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1));
    }
    void Delete(const char* name) {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
        RegDeleteValueA(key, name);
        RegCloseKey(key);
    }

    // The stored value's type and, for a DWORD, its value.
    DWORD Type(const char* name) const {
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegGetValueA(HKEY_CURRENT_USER, path_.c_str(), name, RRF_RT_ANY, &type, nullptr, &size) != ERROR_SUCCESS) {
            return REG_NONE;
        }
        return type;
    }
    DWORD Dword(const char* name) const {
        DWORD value = 0xDEADBEEF;
        DWORD size = sizeof value;
        RegGetValueA(HKEY_CURRENT_USER, path_.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size);
        return value;
    }

    void StoreSaved() {
        SetDword("City", 10001);
        SetDword("Latitude", 4045);
        SetDword("Longitude", 7400);
        SetDword("Elevation", 33);
        SetDword("Elevation Units", 1);
        SetDword("Holiday", 1);
    }

    std::string path_;
};

TEST_F(RegistryStore, EmptyRegistryGetsTheKeyWithAllSixDefaults) {
    RegistrySettingsStore store(path_);
    Location location;
    location.load(store);
    ASSERT_TRUE(KeyExists());
    const Stored defaults[] = {{"City", 0},      {"Latitude", 0},        {"Longitude", 0},
                               {"Elevation", 0}, {"Elevation Units", 2}, {"Holiday", 2}};
    for (const Stored& d : defaults) {
        SCOPED_TRACE(d.name);
        EXPECT_EQ(Type(d.name), static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(Dword(d.name), d.value);
    }
}

TEST_F(RegistryStore, ADeletedValueIsRecreatedAndTheOthersKept) {
    StoreSaved();
    Delete("Holiday");
    RegistrySettingsStore store(path_);
    Location location;
    location.load(store);
    EXPECT_EQ(location.holiday(), 2);
    EXPECT_EQ(Dword("Holiday"), 2u);
    EXPECT_EQ(location.city(), 10001);
    EXPECT_EQ(location.elevationUnits(), 1);
    EXPECT_EQ(Dword("City"), 10001u);
}

TEST_F(RegistryStore, AStringLongerThanFourBytesReadsAsTheDefaultAndIsNotOverwritten) {
    StoreSaved();
    SetString("Latitude", "40 45 N");
    RegistrySettingsStore store(path_);
    std::int32_t value = -1;
    EXPECT_FALSE(readSettingDword(store, "Latitude", 0, value));
    EXPECT_EQ(value, 0);
    EXPECT_EQ(Type("Latitude"), static_cast<DWORD>(REG_SZ));
}

TEST_F(RegistryStore, ATwoByteBinaryValueReplacesTheLowBytesOfTheDefault) {
    const unsigned char bytes[2] = {0x34, 0x12};
    Set("Elevation", REG_BINARY, bytes, sizeof bytes);
    RegistrySettingsStore store(path_);
    std::int32_t value = 0;
    EXPECT_TRUE(readSettingDword(store, "Elevation", 0, value));
    EXPECT_EQ(value, 0x1234);
    EXPECT_EQ(Type("Elevation"), static_cast<DWORD>(REG_BINARY));
}

// A non-volatile key cannot be created below a volatile one: the store can neither open nor create its key.
TEST_F(RegistryStore, AKeyThatCannotBeOpenedLeavesTheDefaultsAndWritesNothing) {
    HKEY parent = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &parent, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(parent);
    const std::string child = path_ + "\\settings";
    RegistrySettingsStore store(child);
    Location location;
    location.setCity(77);
    location.load(store);
    EXPECT_EQ(location.city(), 0);
    EXPECT_EQ(location.elevationUnits(), 2);
    std::int32_t value = -1;
    EXPECT_FALSE(readSettingDword(store, "Holiday", 2, value));
    EXPECT_EQ(value, 2);
    EXPECT_FALSE(writeSettingDword(store, "Holiday", 1));
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, child.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
}

TEST_F(RegistryStore, SaveWritesAllSixAsDwords) {
    StoreSaved();
    RegistrySettingsStore store(path_);
    Location location;
    location.load(store);
    location.setCity(100016);
    location.save(store);
    EXPECT_EQ(Dword("City"), 100016u);
    EXPECT_EQ(Dword("Holiday"), 1u);
    EXPECT_EQ(Type("Longitude"), static_cast<DWORD>(REG_DWORD));
}

TEST_F(RegistryStore, InstallPathIsReadAndAMissingOneIsEmpty) {
    RegistrySettingsStore store(path_);
    char buffer[200] = "old";
    EXPECT_FALSE(readSettingString(store, "InstallPath", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(KeyExists()) << "reading a string never creates the key";

    SetString("InstallPath", "C:\\users\\me\\Local Settings\\Programs\\Kestrelon");
    EXPECT_TRUE(readSettingString(store, "InstallPath", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "C:\\users\\me\\Local Settings\\Programs\\Kestrelon");

    Delete("InstallPath");
    EXPECT_FALSE(readSettingString(store, "InstallPath", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
}

TEST_F(RegistryStore, AnInstallPathLongerThanTheBufferIsEmpty) {
    SetString("InstallPath", "C:\\a folder name longer than the buffer");
    RegistrySettingsStore store(path_);
    char buffer[8] = "old";
    EXPECT_FALSE(readSettingString(store, "InstallPath", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
}

// SystemTimeToTzSpecificLocalTime knows no time before 1601: such an instant has no local time rather than a
// made-up one.
TEST(HostZone, AnInstantBefore1601HasNoLocalTime) {
    CivilTime local{};
    EXPECT_FALSE(HostUtcToLocal({1600, 6, 21, 12, 0, 0}, local));
    EXPECT_TRUE(HostUtcToLocal({2008, 6, 21, 12, 0, 0}, local));
    EXPECT_EQ(local.year, 2008);
}

}  // namespace
