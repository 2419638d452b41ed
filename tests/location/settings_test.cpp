#include "location/settings_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "location/location.h"
#include "tests/support/memory_store.h"
#include "tests/support/settings_contract.h"

namespace {

const char kKey[] = "Software\\Kestrelon-tests\\settings";

// The settings rules over the in-memory store.
class MemoryScratch : public ScratchStore {
  public:
    SettingsStore& Store() override { return store_; }
    bool KeyExists() override { return registry_.hasKey(kKey); }
    void SetDword(const char* name, std::int32_t value) override {
        const auto bits = static_cast<std::uint32_t>(value);
        Set(name, SettingType::Dword,
            {static_cast<unsigned char>(bits & 0xFF), static_cast<unsigned char>((bits >> 8) & 0xFF),
             static_cast<unsigned char>((bits >> 16) & 0xFF), static_cast<unsigned char>((bits >> 24) & 0xFF)});
    }
    void SetString(const char* name, const char* text) override { registry_.setString(kKey, name, text); }
    void SetBinary(const char* name, const std::vector<unsigned char>& bytes) override {
        Set(name, SettingType::Binary, bytes);
    }
    void Delete(const char* name) override { registry_.deleteValue(kKey, name); }
    StoredKind Kind(const char* name) override {
        const SettingValue* value = registry_.findValue(kKey, name);
        if (value == nullptr) {
            return StoredKind::Missing;
        }
        switch (value->type) {
            case SettingType::Dword:
                return value->bytes.size() == 4 ? StoredKind::Dword : StoredKind::Binary;
            case SettingType::String:
                return StoredKind::String;
            case SettingType::Binary:
                return StoredKind::Binary;
        }
        return StoredKind::Missing;
    }
    std::int32_t Dword(const char* name) override {
        const SettingValue* value = registry_.findValue(kKey, name);
        std::uint32_t bits = 0;
        for (std::size_t i = 0; value != nullptr && i < value->bytes.size() && i < 4; ++i) {
            bits |= static_cast<std::uint32_t>(value->bytes[i]) << (8 * i);
        }
        return static_cast<std::int32_t>(bits);
    }
    void MakeUnreachable() override { registry_.denyAccess(kKey); }

  private:
    void Set(const char* name, SettingType type, const std::vector<unsigned char>& bytes) {
        registry_.setValue(kKey, name, SettingValue{type, bytes});
    }

    MemoryRegistry registry_;
    MemorySettingsStore store_{registry_, kKey};
};

INSTANTIATE_TEST_SUITE_P(Memory,
                         SettingsContract,
                         ::testing::Values(ScratchStoreMaker{
                             "Memory",
                             [] { return std::unique_ptr<ScratchStore>(std::make_unique<MemoryScratch>()); }}),
                         ScratchStoreName);

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

}  // namespace
