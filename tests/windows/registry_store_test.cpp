// The settings rules against the real registry: every test works under its own scratch key below
// HKCU\Software\Kestrelon-tests and removes it afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "location/registry_store_win.h"
#include "tests/support/settings_contract.h"
#include "zmanim/host_zone.h"

namespace {

const char kTestsRoot[] = "Software\\Kestrelon-tests";

// The store's key is "settings" below a scratch key of the test's own.
class RegistryScratch : public ScratchStore {
  public:
    RegistryScratch() { RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str()); }
    ~RegistryScratch() override { RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str()); }

    SettingsStore& Store() override { return store_; }
    bool KeyExists() override {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }
    void SetDword(const char* name, std::int32_t value) override {
        const DWORD data = static_cast<DWORD>(value);
        Set(name, REG_DWORD, &data, sizeof data);
    }
    void SetString(const char* name, const char* text) override {
        Set(name, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1));
    }
    void SetBinary(const char* name, const std::vector<unsigned char>& bytes) override {
        Set(name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
    }
    void Delete(const char* name) override {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
        RegDeleteValueA(key, name);
        RegCloseKey(key);
    }
    StoredKind Kind(const char* name) override {
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegGetValueA(HKEY_CURRENT_USER, path_.c_str(), name, RRF_RT_ANY, &type, nullptr, &size) != ERROR_SUCCESS) {
            return StoredKind::Missing;
        }
        switch (type) {
            case REG_DWORD:
                return StoredKind::Dword;
            case REG_SZ:
                return StoredKind::String;
            default:
                return StoredKind::Binary;
        }
    }
    std::int32_t Dword(const char* name) override {
        DWORD value = 0xDEADBEEF;
        DWORD size = sizeof value;
        RegGetValueA(HKEY_CURRENT_USER, path_.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size);
        return static_cast<std::int32_t>(value);
    }
    // A non-volatile key cannot be created below a volatile one: the store can neither open nor create its key.
    void MakeUnreachable() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
        HKEY parent = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, base_.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                                  nullptr, &parent, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(parent);
    }

  private:
    static std::string UniqueKey() {
        char unique[96];
        std::snprintf(unique, sizeof unique, "%s\\%lu-%lu-%s", kTestsRoot, GetCurrentProcessId(), GetTickCount(),
                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        return unique;
    }

    void Set(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(
            RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    std::string base_ = UniqueKey();
    std::string path_ = base_ + "\\settings";
    RegistrySettingsStore store_{path_};
};

INSTANTIATE_TEST_SUITE_P(Registry,
                         SettingsContract,
                         ::testing::Values(ScratchStoreMaker{
                             "Registry",
                             [] { return std::unique_ptr<ScratchStore>(std::make_unique<RegistryScratch>()); }}),
                         ScratchStoreName);

// SystemTimeToTzSpecificLocalTime knows no time before 1601: such an instant has no local time rather than a
// made-up one.
TEST(HostZone, AnInstantBefore1601HasNoLocalTime) {
    CivilTime local{};
    EXPECT_FALSE(HostUtcToLocal({1600, 6, 21, 12, 0, 0}, local));
    EXPECT_TRUE(HostUtcToLocal({2008, 6, 21, 12, 0, 0}, local));
    EXPECT_EQ(local.year, 2008);
}

}  // namespace
