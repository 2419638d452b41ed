#include "cli/arguments.h"
#include "cli/saved_settings.h"
#include "location/registry_store_win.h"

bool ReadSettings(Location& location, std::string& where, std::vector<std::string>&, SettingsReadReport& read) {
    RegistrySettingsStore store(kSettingsKeyPath);
    read = location.loadWithoutCreating(store);
    where = std::string("HKEY_CURRENT_USER\\") + kSettingsKeyPath;
    return read.keyFound;
}

// Value by value, as the Preferences dialog's OK writes them.
bool WriteSettings(const Location& location, std::string& error) {
    RegistrySettingsStore store(kSettingsKeyPath);
    for (const DwordSetting& setting : location.settingValues()) {
        if (!writeSettingDword(store, setting.name, setting.value)) {
            error = std::string("cannot write ") + setting.name + " in " +
                    Quote(std::string("HKEY_CURRENT_USER\\") + kSettingsKeyPath);
            return false;
        }
    }
    return true;
}
