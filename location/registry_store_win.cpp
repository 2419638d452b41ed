#include "location/registry_store_win.h"

namespace {

class RegistryKey : public SettingsKey {
  public:
    explicit RegistryKey(HKEY key) : key_(key) {}
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() override { RegCloseKey(key_); }

    ValueQuery queryValue(const char* name, void* data, std::size_t& size) override {
        DWORD bytes = static_cast<DWORD>(size);
        const LONG result = RegQueryValueExA(key_, name, nullptr, nullptr, static_cast<BYTE*>(data), &bytes);
        if (result == ERROR_SUCCESS) {
            size = bytes;
            return ValueQuery::Read;
        }
        return result == ERROR_FILE_NOT_FOUND ? ValueQuery::NotFound : ValueQuery::Failed;
    }

    bool setDwordValue(const char* name, std::int32_t value) override {
        const DWORD data = static_cast<DWORD>(value);
        return RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
               ERROR_SUCCESS;
    }

  private:
    HKEY key_;
};

}  // namespace

std::unique_ptr<SettingsKey> RegistrySettingsStore::createKey(bool& createdNew) {
    createdNew = false;
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(root_, keyPath_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess, nullptr, &key,
                        &disposition) != ERROR_SUCCESS) {
        return nullptr;
    }
    createdNew = disposition == REG_CREATED_NEW_KEY;
    return std::make_unique<RegistryKey>(key);
}

std::unique_ptr<SettingsKey> RegistrySettingsStore::openKey() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root_, keyPath_.c_str(), 0, kAccess, &key) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<RegistryKey>(key);
}
