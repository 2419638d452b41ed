// kestrelon-cli under Wine, beside the program's settings: a command that does not need the saved place opens no
// settings; a command that reads them changes nothing, neither creating the key nor a missing value; place with
// options writes all six values as the Preferences dialog does.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/windows/e2e/app_driver_win.h"

namespace {

using namespace e2e;

// Runs kestrelon-cli with the arguments; its exit status (or -1), and its standard output into out when given.
int RunCommandLine(const std::string& arguments, std::string* out = nullptr) {
    std::string commandLine = "\"" + WindowsPathFromEnvironment("KESTRELON_CLI") + "\" " + arguments;
    char folder[MAX_PATH] = {};
    char outputPath[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "kcl", 0, outputPath);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE output = CreateFileA(outputPath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    const HANDLE nul = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = nul;
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(nul);
    CloseHandle(output);
    DWORD status = static_cast<DWORD>(-1);
    if (!started) {
        ADD_FAILURE() << "cannot start " << commandLine << ": error " << GetLastError();
    } else {
        if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(process.hProcess, &status)) {
            TerminateProcess(process.hProcess, 99);
            status = static_cast<DWORD>(-1);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    const HANDLE written = CreateFileA(outputPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    char buffer[4096];
    DWORD read = 0;
    while (out != nullptr && ReadFile(written, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        out->append(buffer, read);
    }
    CloseHandle(written);
    DeleteFileA(outputPath);
    return static_cast<int>(status);
}

// Runs kestrelon-cli with the arguments, attached to this process's console and writing to the screen buffer; its
// exit status, or -1.
int RunInConsole(const std::wstring& arguments, HANDLE screen) {
    const std::string program = WindowsPathFromEnvironment("KESTRELON_CLI");
    std::wstring commandLine = L"\"" + std::wstring(program.begin(), program.end()) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = screen;
    startup.hStdError = screen;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        ADD_FAILURE() << "cannot start " << program << ": error " << GetLastError();
        return -1;
    }
    DWORD status = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process.hProcess, &status)) {
        TerminateProcess(process.hProcess, 99);
        status = static_cast<DWORD>(-1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

// The characters of the screen buffer's rows, each row without its trailing blanks and ended by "\n".
std::wstring ScreenText(HANDLE screen) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(screen, &info)) {
        return L"";
    }
    std::wstring text;
    std::wstring row(static_cast<std::size_t>(info.dwSize.X), L' ');
    for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
        DWORD read = 0;
        ReadConsoleOutputCharacterW(screen, &row[0], static_cast<DWORD>(row.size()), COORD{0, y}, &read);
        const std::wstring line = row.substr(0, read);
        text += line.substr(0, line.find_last_not_of(L' ') + 1) + L"\n";
    }
    return text;
}

bool SettingsKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

struct Setting {
    const char* name;
    DWORD value;
};

void ExpectSettings(std::initializer_list<Setting> settings) {
    for (const Setting& setting : settings) {
        DWORD value = 0;
        EXPECT_TRUE(ReadSetting(setting.name, value)) << setting.name;
        EXPECT_EQ(value, setting.value) << setting.name;
    }
}

TEST(CommandLine, CommandsWithoutTheSavedPlaceLeaveTheRegistryUntouched) {
    ResetSettings();
    ASSERT_FALSE(SettingsKeyExists());
    const struct {
        const char* arguments;
        int status;
    } runs[] = {
        {"holidays --observance diaspora --from 2024 --to 2024", 0},
        {"", 0},
        {"day 2024-10-24", 0},
        {"zmanim --date 2008-06-21 --zip 10001", 0},
        {"zip 10001", 0},
        {"cities", 0},
        {"--help", 0},
        {"shabbat --date 2024-10-16 --zip 10001 --csv", 0},
        // These look for the saved settings, and find none.
        {"holidays --from 2024 --to 2024", 0},
        {"zmanim --date 2008-06-21", 1},
        {"ical --from 2024 --to 2024", 0},
        {"ical --from 2024 --to 2024 --zmanim", 1},
        {"place", 1},
        {"place --observance israel", 2},
        {"shabbat --date 2024-10-16", 1},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.arguments);
        EXPECT_EQ(RunCommandLine(run.arguments), run.status);
        EXPECT_FALSE(SettingsKeyExists());
    }
}

// The key as the window left it, but for a value gone missing: the command line shows that place and writes nothing,
// not even the missing value's default.
TEST(CommandLine, ReadingTheSavedPlaceChangesNothing) {
    ResetSettings();
    const Setting saved[] = {{"City", 100016},
                             {"Latitude", 3146},
                             {"Longitude", static_cast<DWORD>(-3513)},
                             {"Elevation Units", 1},
                             {"Holiday", 1}};
    for (const Setting& setting : saved) {
        WriteSetting(setting.name, setting.value);
    }
    std::string place;
    EXPECT_EQ(RunCommandLine("place", &place), 0);
    EXPECT_EQ(place, "Place: Jerusalem, Israel\nPosition: 31:46N 35:13E\nElevation: 0 meters\nObservance: israel\n");
    std::string zmanim;
    EXPECT_EQ(RunCommandLine("zmanim --date 2008-06-21", &zmanim), 0);
    EXPECT_NE(zmanim.find("\nJune 21, 2008\nJerusalem, Israel\n"), std::string::npos) << zmanim;
    std::string holidays;
    EXPECT_EQ(RunCommandLine("holidays --from 2024 --to 2024 --names", &holidays), 0);
    EXPECT_NE(holidays.find("\n24,10,2024,45,2460608,Shmini Atzeret / Simchat Torah\n"), std::string::npos);
    std::string calendar;
    EXPECT_EQ(RunCommandLine("ical --from 2024 --to 2024 --zmanim", &calendar), 0);
    EXPECT_NE(calendar.find("\r\nX-WR-CALNAME:Kestrelon holidays (Israel)\\, sunrise and sunset at Jerusalem\\"),
              std::string::npos);
    std::string times;
    EXPECT_EQ(RunCommandLine("shabbat --date 2024-10-16 --csv", &times), 0);
    EXPECT_EQ(times.rfind("2024-10-16,candles,", 0), 0u) << times;
    DWORD elevation = 0;
    EXPECT_FALSE(ReadSetting("Elevation", elevation));
    EXPECT_FALSE(ReadSetting("Candle Lighting Minutes", elevation));
    ExpectSettings({{"City", 100016},
                    {"Latitude", 3146},
                    {"Longitude", static_cast<DWORD>(-3513)},
                    {"Elevation Units", 1},
                    {"Holiday", 1}});
}

TEST(CommandLine, PlaceWritesAllSixValuesAsTheDialogDoes) {
    ResetSettings();
    EXPECT_EQ(RunCommandLine("place --zip 10001 --observance israel"), 0);
    ExpectSettings({{"City", 10001},
                    {"Latitude", 4045},
                    {"Longitude", 7400},
                    {"Elevation", 0},
                    {"Elevation Units", 2},
                    {"Holiday", 1}});
    EXPECT_EQ(RunCommandLine("place --zip 99999 --observance diaspora"), 1);
    EXPECT_EQ(RunCommandLine("place --city jerus --elevation 800 --units meters"), 0);
    ExpectSettings({{"City", 100016},
                    {"Latitude", 3146},
                    {"Longitude", static_cast<DWORD>(-3513)},
                    {"Elevation", 800},
                    {"Elevation Units", 1},
                    {"Holiday", 1}});
    // The candle-lighting and havdalah values only when given.
    EXPECT_EQ(RunCommandLine("place --candles 25 --havdalah NIGHTFALL"), 0);
    ExpectSettings({{"City", 100016}, {"Candle Lighting Minutes", 25}, {"Havdalah Minutes", static_cast<DWORD>(-1)}});
}

// In a console the texts are the characters they stand for, whatever the console's code page: under code page 437
// the preset's byte 0xE3 would show as a Greek pi, not the "a" with tilde of Sao Paulo; a person's name (UTF-8 in
// the dates file) and a message quoting one show as typed.
TEST(CommandLine, AConsoleShowsThePresetNamesAndPeoplesNamesInAnyCodePage) {
    // A console of the test's own, in place of the one without a window that Wine gives a program whose output is
    // a pipe (which has no screen buffer to read back). The C library keeps writing the test's output to the pipe.
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    ASSERT_TRUE(SetConsoleOutputCP(437));
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE screen = CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                    &inherit, CONSOLE_TEXTMODE_BUFFER, nullptr);
    ASSERT_NE(screen, INVALID_HANDLE_VALUE);
    char scratch[MAX_PATH] = {};
    GetTempPathA(sizeof scratch, scratch);
    const std::string appData = std::string(scratch) + "kestrelon-console-dates";
    const std::string datesFile = appData + "\\Kestrelon\\dates";
    DeleteFileA(datesFile.c_str());
    char savedAppData[MAX_PATH] = {};
    GetEnvironmentVariableA("APPDATA", savedAppData, sizeof savedAppData);
    SetEnvironmentVariableA("APPDATA", appData.c_str());

    EXPECT_EQ(RunInConsole(L"zmanim --date 2008-06-21 --city 100034", screen), 0);
    EXPECT_EQ(RunInConsole(L"dates add \"Zo\u00EB \u05E9\u05E8\u05D4\" --kind other --date 2000-01-01", screen), 0);
    EXPECT_EQ(RunInConsole(L"dates remove \"Zo\u00EB L\u00E9vy\"", screen), 1);
    const std::wstring text = ScreenText(screen);
    CloseHandle(screen);
    FreeConsole();
    DeleteFileA(datesFile.c_str());
    SetEnvironmentVariableA("APPDATA", savedAppData);
    const std::string shown(text.begin(), text.end());  // for the failure messages: the characters cut to bytes
    EXPECT_NE(text.find(L"\nJune 21, 2008\nS\u00E3o Paulo, Brazil\n"), std::wstring::npos)
        << "the console shows: " << shown;
    EXPECT_NE(text.find(L"added 1. Zo\u00EB \u05E9\u05E8\u05D4 (other): 2000-01-01"), std::wstring::npos)
        << "the console shows: " << shown;
    EXPECT_NE(text.find(L"no date is named 'Zo\u00EB L\u00E9vy'"), std::wstring::npos)
        << "the console shows: " << shown;
}

}  // namespace
