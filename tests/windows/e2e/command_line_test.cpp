// kestrelon-cli under Wine, beside the program's settings: a command that does not need the saved place opens no
// settings, so it neither creates nor writes the program's key.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/windows/e2e/app_driver_win.h"

namespace {

using namespace e2e;

// Runs kestrelon-cli with the arguments, its output thrown away; its exit status, or -1.
int RunCommandLine(const std::string& arguments) {
    std::string commandLine = "\"" + WindowsPathFromEnvironment("KESTRELON_CLI") + "\" " + arguments;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE nul = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = nul;
    startup.hStdError = nul;
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(nul);
    if (!started) {
        ADD_FAILURE() << "cannot start " << commandLine << ": error " << GetLastError();
        return -1;
    }
    DWORD status = 0;
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process.hProcess, &status)) {
        TerminateProcess(process.hProcess, 99);
        status = static_cast<DWORD>(-1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

bool SettingsKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

TEST(CommandLine, CommandsWithoutTheSavedPlaceLeaveTheRegistryUntouched) {
    ResetSettings();
    ASSERT_FALSE(SettingsKeyExists());
    for (const char* arguments : {"holidays --observance diaspora --from 2024 --to 2024", "", "day 2024-10-24",
                                  "zmanim --date 2008-06-21 --zip 10001", "zip 10001", "cities", "--help"}) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(RunCommandLine(arguments), 0);
        EXPECT_FALSE(SettingsKeyExists());
    }
}

}  // namespace
