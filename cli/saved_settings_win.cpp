#include "cli/arguments.h"
#include "cli/saved_settings.h"
#include "location/registry_store_win.h"

bool ReadSettings(Location& location,
                  ShabbatSettings& shabbat,
                  std::string& where,
                  std::vector<std::string>&,
                  SettingsReadReport& read) {
    RegistrySettingsStore store(kSettingsKeyPath);
    read = location.loadWithoutCreating(store);
    shabbat.loadWithoutCreating(store, read);
    where = std::string("HKEY_CURRENT_USER\\") + kSettingsKeyPath;
    return read.keyFound;
}

// Value by value, as the Preferences dialog's OK writes them.
bool WriteSettings(const std::vector<DwordSetting>& values, std::string& error) {
    RegistrySettingsStore store(kSettingsKeyPath);
    for (const DwordSetting& setting : values) {
        if (!writeSettingDword(store, setting.name, setting.value)) {
            error = std::string("cannot write ") + setting.name + " in " +
                    Quote(std::string("HKEY_CURRENT_USER\\") + kSettingsKeyPath);
            return false;
        }
    }
    return true;
}
