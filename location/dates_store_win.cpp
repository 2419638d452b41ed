// Windows: the file is %APPDATA%\Kestrelon\dates.
#include <windows.h>

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

// A mutex of the session: the folder cannot be locked, and the file is replaced by every save.
struct DatesChangeLock::Held {
    explicit Held(HANDLE handle) : mutex(handle) {}
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
    HANDLE mutex;
};

DatesChangeLock::DatesChangeLock() = default;
DatesChangeLock::~DatesChangeLock() = default;

bool DatesChangeLock::Take(const std::string& path, std::string& error) {
    if (!MakeFolderOf(path, error)) {
        return false;
    }
    const HANDLE mutex = CreateMutexA(nullptr, FALSE, "Local\\Kestrelon people's dates");
    // An abandoned mutex (its holder ended without letting go) is held by this thread all the same.
    const DWORD waited = mutex == nullptr ? WAIT_FAILED : WaitForSingleObject(mutex, INFINITE);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        error = "cannot lock the dates file '" + path + "': system error " + std::to_string(GetLastError());
        if (mutex != nullptr) {
            CloseHandle(mutex);
        }
        return false;
    }
    held_ = std::make_unique<Held>(mutex);
    return true;
}
