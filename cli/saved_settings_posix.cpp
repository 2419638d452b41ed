#include "cli/arguments.h"
#include "cli/output.h"
#include "cli/saved_settings.h"
#include "location/file_settings_store.h"

bool ReadSettings(Location& location,
                  ShabbatSettings& shabbat,
                  std::string& where,
                  std::vector<std::string>& problems,
                  SettingsReadReport& read) {
    const std::string folder = UserSettingsFolder();
    if (folder.empty()) {
        location = Location();
        shabbat = ShabbatSettings();
        return false;
    }
    FileSettingsStore store(folder);
    read = location.loadWithoutCreating(store);
    shabbat.loadWithoutCreating(store, read);
    where = store.path();
    problems = store.problems();
    return read.keyFound;
}

bool WriteSettings(const std::vector<DwordSetting>& values, std::string& error) {
    const std::string folder = UserSettingsFolder();
    if (folder.empty()) {
        error = "neither XDG_CONFIG_HOME nor HOME names a folder";
        return false;
    }
    FileSettingsStore store(folder);
    std::vector<std::string> dropped;
    SettingsWriteError failure;
    if (!store.writeValues(values.data(), values.size(), dropped, failure)) {
        error = failure.action + " " + Quote(failure.path) + ": " + failure.reason;
        return false;
    }
    if (!dropped.empty()) {
        std::string names;
        for (const std::string& name : dropped) {
            names += (names.empty() ? "" : ", ") + name;
        }
        Warn(Quote(store.path()) + ": left out " + std::to_string(dropped.size()) +
             (dropped.size() == 1 ? " line" : " lines") + " the program does not use, to keep the file within " +
             std::to_string(kSettingsFileMaxBytes) + " bytes: " + names);
    }
    return true;
}
