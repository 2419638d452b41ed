// Windows: the file is %APPDATA%\Kestrelon\dates.
#include <cstdlib>

#include "location/dates_store.h"

std::string UserDatesPath(std::string& why) {
    const char* appData = std::getenv("APPDATA");
    if (appData == nullptr || appData[0] == '\0') {
        why = "APPDATA names no folder";
        return {};
    }
    return std::string(appData) + "\\Kestrelon\\dates";
}
