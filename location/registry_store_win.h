// The settings store on Windows: one registry key, by default under HKEY_CURRENT_USER.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "location/settings_store.h"

class RegistrySettingsStore : public SettingsStore {
  public:
    explicit RegistrySettingsStore(std::string keyPath, HKEY root = HKEY_CURRENT_USER)
        : root_(root), keyPath_(std::move(keyPath)) {}

    std::unique_ptr<SettingsKey> createKey(bool& createdNew) override;
    std::unique_ptr<SettingsKey> openKey() override;

    // Every open or create asks for these rights.
    static constexpr REGSAM kAccess = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;

  private:
    HKEY root_;
    std::string keyPath_;
};
