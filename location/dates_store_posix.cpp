#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

DatesFileFound ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& text, std::string& why) {
    text.clear();
    // Without waiting: a FIFO put where the file belongs would hold the open until a writer came.
    Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 && (errno == ENOENT || errno == ENOTDIR)) {
        return DatesFileFound::Nothing;
    }
    if (file.get() < 0 || fstat(file.get(), &status) != 0) {
        why = std::strerror(errno);
        return DatesFileFound::Unreadable;
    }
    if (!S_ISREG(status.st_mode)) {
        why = "it is not a regular file";
        return DatesFileFound::Unreadable;
    }
    text.resize(maxBytes + 1);
    std::size_t length = 0;
    while (length < text.size()) {
        const ssize_t n = ::read(file.get(), &text[length], text.size() - length);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            why = std::strerror(errno);
            return DatesFileFound::Unreadable;
        }
        if (n == 0) {
            break;
        }
        length += static_cast<std::size_t>(n);
    }
    text.resize(length);
    return DatesFileFound::Read;
}

bool MakeFolderOf(const std::string& path, std::string& error) {
    const std::size_t last = path.rfind('/');
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos && slash <= last;
         slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            error = "cannot create '" + part + "': " + std::strerror(errno);
            return false;
        }
    }
    return true;
}
