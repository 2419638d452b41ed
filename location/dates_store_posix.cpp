#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <cstring>

#include "location/dates_store.h"
#include "location/descriptor_posix.h"
#include "location/file_settings_store.h"

std::string UserDatesPath(std::string& why) {
    const std::string folder = UserSettingsFolder();
    if (folder.empty()) {
        why = "neither XDG_CONFIG_HOME nor HOME names a folder";
        return {};
    }
    return folder + "/dates";
}

// The folder is locked rather than the file, which a save replaces by another.
struct DatesChangeLock::Held {
    explicit Held(int fd) : folder(fd) {}
    Descriptor folder;  // closing it lets the lock go
};

DatesChangeLock::DatesChangeLock() = default;
DatesChangeLock::~DatesChangeLock() = default;

bool DatesChangeLock::Take(const std::string& path, std::string& error) {
    if (!MakeFolderOf(path, error)) {
        return false;
    }
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    auto held = std::make_unique<Held>(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    int result = -1;
    if (held->folder.get() >= 0) {
        while ((result = flock(held->folder.get(), LOCK_EX)) != 0 && errno == EINTR) {
        }
    }
    if (result != 0) {
        error = "cannot lock '" + folder + "': " + std::strerror(errno);
        return false;
    }
    held_ = std::move(held);
    return true;
}
