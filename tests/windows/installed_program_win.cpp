#include "installed_program_win.h"

#include <shlobj.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::string KnownFolder(int csidl) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

}  // namespace

std::string InstallFolder() {
    return KnownFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Kestrelon";
}

std::string InstalledProgramPath() {
    return InstallFolder() + "\\kestrelon.exe";
}

std::string InstalledHelpPath() {
    return InstallFolder() + "\\help.chm";
}

std::string InstalledUninstallerPath() {
    return InstallFolder() + "\\uninstall.exe";
}

std::string StartMenuShortcutPath() {
    return KnownFolder(CSIDL_PROGRAMS) + "\\Kestrelon.lnk";
}

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') {
        return path;
    }
    std::string windows = "Z:" + path;
    for (char& c : windows) {
        if (c == '/') {
            c = '\\';
        }
    }
    return windows;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::optional<DWORD> RunAndWait(const std::string& commandLine, DWORD timeoutMs) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return std::nullopt;
    }
    std::optional<DWORD> result;
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        result = code;
    } else {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

std::optional<DWORD> InstallSilently(const std::string& setupPath) {
    return RunAndWait("\"" + WindowsPath(setupPath) + "\" /S");
}

std::optional<DWORD> UninstallSilently() {
    // _?= must be the last argument and is not quoted.
    return RunAndWait("\"" + InstalledUninstallerPath() + "\" /S _?=" + InstallFolder());
}

void RemoveInstallFolder() {
    for (const char* name : {"kestrelon.exe", "help.chm", "THIRD-PARTY-NOTICES.txt", "uninstall.exe"}) {
        DeleteFileA((InstallFolder() + "\\" + name).c_str());
    }
    RemoveDirectoryA(InstallFolder().c_str());
}

std::optional<std::string> ReadUserString(const char* key, const char* name) {
    char value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(value);
}

std::optional<DWORD> ReadUserDword(const char* key, const char* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

bool WriteUserDword(const char* key, const char* name, DWORD value) {
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const bool written = RegSetValueExA(handle, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                        sizeof value) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return written;
}

bool UserKeyExists(const char* key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(handle);
    return true;
}

void DeleteUserValue(const char* key, const char* name) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_SET_VALUE, &handle) == ERROR_SUCCESS) {
        RegDeleteValueA(handle, name);
        RegCloseKey(handle);
    }
}

void DeleteUserTree(const char* key) {
    RegDeleteTreeA(HKEY_CURRENT_USER, key);
    RegDeleteKeyA(HKEY_CURRENT_USER, key);
}
