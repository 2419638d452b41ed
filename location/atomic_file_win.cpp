// Windows: a file that is not on a disk (a device such as NUL or CON, a pipe) is written in place; a disk file is
// replaced by MoveFileEx. The access of a new file is the folder's (NewFileAccess is for POSIX permissions).
#include <windows.h>

#include "location/atomic_file.h"

namespace {

constexpr int kNameAttempts = 100;
constexpr char kStopped[] = "the text to write was not complete";
constexpr DWORD kMaxWriteBytes = 1u << 30;

// The system's text for an error, on one line and without its closing full stop, e.g. "Access is denied".
std::string Reason(DWORD number) {
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   number, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = text != nullptr ? text : "";
    LocalFree(text);
    for (char& c : reason) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    while (!reason.empty() && (reason.back() == ' ' || reason.back() == '.')) {
        reason.pop_back();
    }
    return reason.empty() ? "error " + std::to_string(number) : reason;
}

// Closes the handle when it goes out of scope.
class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    HANDLE get() const { return handle_; }
    bool CloseNow() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

  private:
    HANDLE handle_;
};

// Hands write a writer onto the handle. False, with failure the system's error or 0 when write stopped by itself.
bool WriteThrough(HANDLE handle, const std::function<bool(const FileBytesWriter&)>& write, DWORD& failure) {
    failure = 0;
    const FileBytesWriter writer = [handle, &failure](std::string_view bytes) {
        while (failure == 0 && !bytes.empty()) {
            const DWORD size = bytes.size() < kMaxWriteBytes ? static_cast<DWORD>(bytes.size()) : kMaxWriteBytes;
            DWORD written = 0;
            if (!WriteFile(handle, bytes.data(), size, &written, nullptr)) {
                failure = GetLastError();
            } else if (written == 0) {
                failure = ERROR_WRITE_FAULT;
            }
            bytes.remove_prefix(written);
        }
        return failure == 0;
    };
    return write(writer) && failure == 0;
}

bool WriteInPlace(Handle& file, const std::function<bool(const FileBytesWriter&)>& write, std::string& error) {
    DWORD failure = 0;
    if (!WriteThrough(file.get(), write, failure)) {
        error = failure != 0 ? Reason(failure) : kStopped;
        return false;
    }
    if (!file.CloseNow()) {
        error = Reason(GetLastError());
        return false;
    }
    return true;
}

std::uint64_t Seed() {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return (static_cast<std::uint64_t>(GetCurrentProcessId()) << 40) ^ static_cast<std::uint64_t>(counter.QuadPart);
}

// A new file beside target, written, flushed and moved over it.
bool ReplaceWhole(const std::string& target,
                  const std::function<bool(const FileBytesWriter&)>& write,
                  std::string& error) {
    const std::uint64_t seed = Seed();
    std::string temporary;
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < kNameAttempts && handle == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = TemporaryNameBeside(target, seed + static_cast<std::uint64_t>(attempt));
        handle = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        const DWORD failure = GetLastError();
        if (handle == INVALID_HANDLE_VALUE && failure != ERROR_FILE_EXISTS && failure != ERROR_ALREADY_EXISTS) {
            error = Reason(failure);
            return false;
        }
    }
    if (handle == INVALID_HANDLE_VALUE) {
        error = Reason(ERROR_FILE_EXISTS);
        return false;
    }
    Handle file(handle);
    DWORD failure = 0;
    bool stopped = false;
    if (!WriteThrough(file.get(), write, failure)) {
        stopped = failure == 0;
    } else if (!FlushFileBuffers(file.get()) || !file.CloseNow()) {
        failure = GetLastError();
    } else if (!MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        failure = GetLastError();
    }
    if (failure != 0 || stopped) {
        error = stopped ? kStopped : Reason(failure);
        if (file.get() != INVALID_HANDLE_VALUE) {
            file.CloseNow();
        }
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

bool WriteWholeFile(const std::string& path,
                    NewFileAccess,
                    OtherFiles others,
                    const std::function<bool(const FileBytesWriter&)>& write,
                    std::string& error) {
    error.clear();
    // Opened as it is, to learn what it is; nothing is changed yet.
    Handle existing(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (existing.get() == INVALID_HANDLE_VALUE) {
        const DWORD failure = GetLastError();
        if (failure != ERROR_FILE_NOT_FOUND) {
            error = Reason(failure);
            return false;
        }
        return ReplaceWhole(path, write, error);
    }
    if (GetFileType(existing.get()) == FILE_TYPE_DISK || others == OtherFiles::Replace) {
        existing.CloseNow();
        return ReplaceWhole(path, write, error);
    }
    return WriteInPlace(existing, write, error);
}

SmallFileFound ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& text, std::string& why) {
    text.clear();
    const HANDLE handle =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD failure = GetLastError();
        if (failure == ERROR_FILE_NOT_FOUND || failure == ERROR_PATH_NOT_FOUND) {
            return SmallFileFound::Nothing;
        }
        why = Reason(failure);
        return SmallFileFound::Unreadable;
    }
    SmallFileFound found = SmallFileFound::Read;
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        why = "it is not a regular file";
        found = SmallFileFound::Unreadable;
    } else {
        text.resize(maxBytes + 1);
        std::size_t length = 0;
        BOOL ok = TRUE;
        while (length < text.size()) {
            DWORD read = 0;
            ok = ReadFile(handle, &text[length], static_cast<DWORD>(text.size() - length), &read, nullptr);
            if (!ok || read == 0) {
                break;
            }
            length += read;
        }
        if (!ok) {
            why = Reason(GetLastError());
            found = SmallFileFound::Unreadable;
        }
        text.resize(length);
    }
    CloseHandle(handle);
    return found;
}

bool MakeFolderOf(const std::string& path, std::string& error) {
    const std::size_t last = path.find_last_of("\\/");
    for (std::size_t slash = path.find_first_of("\\/", 3); slash != std::string::npos && slash <= last;
         slash = path.find_first_of("\\/", slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!CreateDirectoryA(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
            error = "cannot create '" + part + "': " + Reason(GetLastError());
            return false;
        }
    }
    return true;
}
