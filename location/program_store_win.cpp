// On Windows the program's settings are the registry key of the current user.
#include "location/registry_store_win.h"

SettingsStore& ProgramSettingsStore() {
    static RegistrySettingsStore store(kSettingsKeyPath);
    return store;
}
