#include "location/dates_store.h"
#include "location/file_settings_store.h"

std::string UserDatesPath(std::string& why) {
    const std::string folder = UserSettingsFolder();
    if (folder.empty()) {
        why = "neither XDG_CONFIG_HOME nor HOME names a folder";
        return {};
    }
    return folder + "/dates";
}
