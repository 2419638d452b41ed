// Windows: the file is %APPDATA%\Kestrelon\dates; a path that is not a disk file (a device, a pipe) is not read.
#include <windows.h>

#include <cstdlib>

#include "location/dates_store.h"

namespace {

// The system's text for an error, on one line and without its closing full stop.
std::string Reason(DWORD number) {
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   number, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = text != nullptr ? text : "";
    LocalFree(text);
    for (char& c : reason) {
        c = c == '\r' || c == '\n' ? ' ' : c;
    }
    while (!reason.empty() && (reason.back() == ' ' || reason.back() == '.')) {
        reason.pop_back();
    }
    return reason.empty() ? "error " + std::to_string(number) : reason;
}

}  // namespace

std::string UserDatesPath(std::string& why) {
    const char* appData = std::getenv("APPDATA");
    if (appData == nullptr || appData[0] == '\0') {
        why = "APPDATA names no folder";
        return {};
    }
    return std::string(appData) + "\\Kestrelon\\dates";
}

DatesFileFound ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& text, std::string& why) {
    text.clear();
    const HANDLE handle =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD failure = GetLastError();
        if (failure == ERROR_FILE_NOT_FOUND || failure == ERROR_PATH_NOT_FOUND) {
            return DatesFileFound::Nothing;
        }
        why = Reason(failure);
        return DatesFileFound::Unreadable;
    }
    DatesFileFound found = DatesFileFound::Read;
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        why = "it is not a regular file";
        found = DatesFileFound::Unreadable;
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
            found = DatesFileFound::Unreadable;
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
