#include "cli/arguments.h"
#include "cli/saved_settings.h"
#include "location/file_settings_store.h"

bool ReadSettings(Location& location,
                  std::string& where,
                  std::vector<std::string>& problems,
                  SettingsReadReport& read) {
    const std::string folder = UserSettingsFolder();
    if (folder.empty()) {
        location = Location();
        return false;
    }
    FileSettingsStore store(folder);
    read = location.loadWithoutCreating(store);
    where = store.path();
    problems = store.problems();
    return read.keyFound;
}

bool WriteSettings(const Location& location, std::string& error) {
    const std::string folder = UserSettingsFolder();
    if (folder.empty()) {
        error = "neither XDG_CONFIG_HOME nor HOME names a folder";
        return false;
    }
    FileSettingsStore store(folder);
    const auto values = location.settingValues();
    SettingsWriteError failure;
    if (!store.writeValues(values.data(), values.size(), failure)) {
        error = failure.action + " " + Quote(failure.path) + ": " + failure.reason;
        return false;
    }
    return true;
}
