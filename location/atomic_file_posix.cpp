#include "location/atomic_file.h"

#include "location/descriptor_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kNameAttempts = 100;
constexpr char kStopped[] = "the text to write was not complete";

std::string Reason(int number) {
    return std::strerror(number);
}

mode_t NewFileMode(NewFileAccess access) {
    return access == NewFileAccess::OwnerOnly ? 0600 : 0666;
}

// The descriptor a path stands for when it names one of this process's own (/dev/stdout, /dev/fd/3,
// /proc/self/fd/1): written through, never replaced, so that output appended to a file stays appended. Else -1.
int OwnDescriptor(const std::string& path) {
    const char* const kNames[] = {"/dev/stdin", "/dev/stdout", "/dev/stderr"};
    for (int fd = 0; fd < 3; ++fd) {
        if (path == kNames[fd]) {
            return fd;
        }
    }
    for (const std::string prefix : {"/dev/fd/", "/proc/self/fd/"}) {
        const std::string number = path.substr(std::min(prefix.size(), path.size()));
        if (path.compare(0, prefix.size(), prefix) == 0 && !number.empty() && number.size() <= 9 &&
            number.find_first_not_of("0123456789") == std::string::npos) {
            return std::atoi(number.c_str());
        }
    }
    return -1;
}

// Hands write a writer onto fd. False, with failure the system's error number or 0 when write stopped by itself.
bool WriteThrough(int fd, const std::function<bool(const FileBytesWriter&)>& write, int& failure) {
    failure = 0;
    const FileBytesWriter writer = [fd, &failure](std::string_view bytes) {
        while (failure == 0 && !bytes.empty()) {
            const ssize_t n = ::write(fd, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                failure = n < 0 ? errno : EIO;
                break;
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return failure == 0;
    };
    return write(writer) && failure == 0;
}

bool WriteInPlace(Descriptor& file, const std::function<bool(const FileBytesWriter&)>& write, std::string& error) {
    int failure = 0;
    if (!WriteThrough(file.get(), write, failure)) {
        error = failure != 0 ? Reason(failure) : kStopped;
        return false;
    }
    if (!file.CloseNow()) {
        error = Reason(errno);
        return false;
    }
    return true;
}

// A new file beside target, written, flushed and renamed over it. With setMode the new file gets exactly mode
// (that of the file it replaces), else mode less the umask.
bool ReplaceWhole(const std::string& target,
                  mode_t mode,
                  bool setMode,
                  const std::function<bool(const FileBytesWriter&)>& write,
                  std::string& error) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const std::uint64_t seed = (static_cast<std::uint64_t>(getpid()) << 40) ^
                               (static_cast<std::uint64_t>(now.tv_sec) << 30) ^ static_cast<std::uint64_t>(now.tv_nsec);
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
        temporary = TemporaryNameBeside(target, seed + static_cast<std::uint64_t>(attempt));
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) {
            error = Reason(errno);
            return false;
        }
    }
    if (fd < 0) {
        error = Reason(EEXIST);
        return false;
    }
    Descriptor file(fd);
    int failure = 0;
    bool stopped = false;
    if (setMode && fchmod(file.get(), mode) != 0) {
        failure = errno;
    } else if (!WriteThrough(file.get(), write, failure)) {
        stopped = failure == 0;
    } else if (fsync(file.get()) != 0 || !file.CloseNow()) {
        failure = errno;
    } else if (rename(temporary.c_str(), target.c_str()) != 0) {
        failure = errno;
    }
    if (failure != 0 || stopped) {
        error = stopped ? kStopped : Reason(failure);
        unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder.
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    Descriptor folderFile(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFile.get() >= 0) {
        fsync(folderFile.get());
    }
    return true;
}

}  // namespace

bool WriteWholeFile(const std::string& path,
                    NewFileAccess access,
                    OtherFiles others,
                    const std::function<bool(const FileBytesWriter&)>& write,
                    std::string& error) {
    error.clear();
    if (others == OtherFiles::WriteInPlace) {
        if (const int own = OwnDescriptor(path); own >= 0) {
            Descriptor file(fcntl(own, F_DUPFD_CLOEXEC, 0));
            if (file.get() < 0) {
                error = Reason(errno);
                return false;
            }
            return WriteInPlace(file, write, error);
        }
    }
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        if (errno != ENOENT) {
            error = Reason(errno);
            return false;
        }
        return ReplaceWhole(path, NewFileMode(access), false, write, error);
    }
    if (S_ISDIR(status.st_mode)) {
        error = Reason(EISDIR);
        return false;
    }
    if (S_ISREG(status.st_mode)) {
        // Through a link, the file it names is replaced, and the link stays.
        char* resolved = realpath(path.c_str(), nullptr);
        if (resolved == nullptr) {
            error = Reason(errno);
            return false;
        }
        const std::string target = resolved;
        std::free(resolved);
        return ReplaceWhole(target, status.st_mode & 0777, true, write, error);
    }
    if (others == OtherFiles::Replace) {
        return ReplaceWhole(path, NewFileMode(access), false, write, error);
    }
    // A FIFO waits here for its reader, as a shell's redirection does.
    Descriptor file(open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        error = Reason(errno);
        return false;
    }
    return WriteInPlace(file, write, error);
}

SmallFileFound ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& text, std::string& why) {
    text.clear();
    // Without waiting: a FIFO put where the file belongs would hold the open until a writer came.
    Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 && (errno == ENOENT || errno == ENOTDIR)) {
        return SmallFileFound::Nothing;
    }
    if (file.get() < 0 || fstat(file.get(), &status) != 0) {
        why = std::strerror(errno);
        return SmallFileFound::Unreadable;
    }
    if (!S_ISREG(status.st_mode)) {
        why = "it is not a regular file";
        return SmallFileFound::Unreadable;
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
            return SmallFileFound::Unreadable;
        }
        if (n == 0) {
            break;
        }
        length += static_cast<std::size_t>(n);
    }
    text.resize(length);
    return SmallFileFound::Read;
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
