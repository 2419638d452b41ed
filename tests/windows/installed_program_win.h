// Where the installer puts Kestrelon for the current user, and small helpers for tests that install it, run it and
// look at what it left in the file system and the registry.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

inline constexpr const char* kSettingsKey = "Software\\Brisken Software\\Kestrelon\\1.0";
inline constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kestrelon";

// %LOCALAPPDATA%\Programs\Kestrelon
std::string InstallFolder();
// The installed kestrelon.exe, for tests that start the program.
std::string InstalledProgramPath();
// The installed help.chm.
std::string InstalledHelpPath();
// The uninstaller that the installer wrote.
std::string InstalledUninstallerPath();
// The shortcut in the current user's Start menu.
std::string StartMenuShortcutPath();

// A path given by the build, which may be a host path ("/work/...", reached through drive Z: under Wine), as a
// Windows path.
std::string WindowsPath(const std::string& path);

bool FileExists(const std::string& path);
// The whole content of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// Runs a command line and waits for it. The exit code, or nothing when it could not be started or timed out (the
// process is then ended).
std::optional<DWORD> RunAndWait(const std::string& commandLine, DWORD timeoutMs = 120000);

// kestrelon-setup.exe /S
std::optional<DWORD> InstallSilently(const std::string& setupPath);
// uninstall.exe /S _?=<install folder>: runs in place and returns when it is done. Running in place, the uninstaller
// cannot delete itself; RemoveInstallFolder clears what it leaves.
std::optional<DWORD> UninstallSilently();
void RemoveInstallFolder();

// Registry values of HKEY_CURRENT_USER.
std::optional<std::string> ReadUserString(const char* key, const char* name);
std::optional<DWORD> ReadUserDword(const char* key, const char* name);
bool WriteUserDword(const char* key, const char* name, DWORD value);
bool UserKeyExists(const char* key);
void DeleteUserValue(const char* key, const char* name);
void DeleteUserTree(const char* key);
