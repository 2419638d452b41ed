// kestrelon-setup.exe end to end: a silent installation for the current user, then a silent uninstallation, each
// checked in the file system and the registry of the Wine prefix.
//
//   installer_test SETUP.exe KESTRELON.exe KESTRELON-CLI.exe HELP.chm [GoogleTest flags]
//
// The suites run in file order and share the one installation: Installation installs, Uninstallation removes it
// (each installs or removes first when it runs alone). The user's six settings are placed in the registry before
// the installation, as a user who ran the program would have them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "installed_program_win.h"

namespace {

// The HTML Help control's entry point HtmlHelpA and two of its commands.
constexpr WORD kHtmlHelpAOrdinal = 14;
constexpr UINT kDisplayTopic = 0x0000;
constexpr UINT kCloseAll = 0x0012;

std::string gSetupPath;
std::string gBuiltProgramPath;
std::string gBuiltCliPath;
std::string gBuiltHelpPath;

struct SettingValue {
    const char* name;
    DWORD value;
};

// A user in New York (ZIP 10001) at 40 45 N, 74 00 W, 300 feet, Israel observance: none of them a default.
const SettingValue kUserSettings[] = {
    {"City", 10001},    {"Latitude", 4045},     {"Longitude", 7400},
    {"Elevation", 300}, {"Elevation Units", 2}, {"Holiday", 1},
};

void PlaceUserSettings() {
    for (const SettingValue& setting : kUserSettings) {
        WriteUserDword(kSettingsKey, setting.name, setting.value);
    }
}

// Removes whatever an earlier run may have left: an installation, its entry, and the program's key.
void StartClean() {
    if (FileExists(InstalledUninstallerPath())) {
        UninstallSilently();
    }
    RemoveInstallFolder();
    DeleteFileA(StartMenuShortcutPath().c_str());
    DeleteUserTree(kUninstallKey);
    DeleteUserTree("Software\\Brisken Software");
}

class Installation : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        StartClean();
        PlaceUserSettings();
        setupExitCode_ = InstallSilently(gSetupPath);
    }
    static std::optional<DWORD> setupExitCode_;
};
std::optional<DWORD> Installation::setupExitCode_;

TEST_F(Installation, SetupRunsSilentlyAndSucceeds) {
    ASSERT_TRUE(setupExitCode_.has_value()) << "setup did not start or did not finish";
    EXPECT_EQ(*setupExitCode_, 0U);
}

TEST_F(Installation, PutsTheFilesIntoTheUsersProgramsFolder) {
    const std::string folder = InstallFolder();
    for (const char* name :
         {"kestrelon.exe", "kestrelon-cli.exe", "help.chm", "THIRD-PARTY-NOTICES.txt", "uninstall.exe"}) {
        EXPECT_TRUE(FileExists(folder + "\\" + name)) << name << " in " << folder;
    }
}

TEST_F(Installation, InstalledProgramsAndHelpAreTheBuiltOnes) {
    struct Pair {
        const char* label;
        std::string installed;
        std::string built;
    };
    const Pair pairs[] = {
        {"kestrelon.exe", InstalledProgramPath(), WindowsPath(gBuiltProgramPath)},
        {"kestrelon-cli.exe", InstallFolder() + "\\kestrelon-cli.exe", WindowsPath(gBuiltCliPath)},
        {"help.chm", InstalledHelpPath(), WindowsPath(gBuiltHelpPath)},
    };
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(pair.label);
        const std::string built = ReadWholeFile(pair.built);
        ASSERT_FALSE(built.empty()) << pair.built;
        EXPECT_TRUE(ReadWholeFile(pair.installed) == built);
    }
}

TEST_F(Installation, AddsAStartMenuShortcut) {
    EXPECT_TRUE(FileExists(StartMenuShortcutPath())) << StartMenuShortcutPath();
}

TEST_F(Installation, WritesInstallPathForTheHelp) {
    const std::optional<std::string> path = ReadUserString(kSettingsKey, "InstallPath");
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, InstallFolder());
    // The program joins the folder and the help topic with a backslash.
    EXPECT_TRUE(FileExists(*path + "\\help.chm"));
}

// The help path as the program builds it from "InstallPath", opened by the system's HTML Help control.
TEST_F(Installation, HelpOpensTheZmanimPageFromInstallPath) {
    const std::optional<std::string> folder = ReadUserString(kSettingsKey, "InstallPath");
    ASSERT_TRUE(folder.has_value());
    const std::string topic = *folder + "\\help.chm::/zmanim.htm";

    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    HMODULE control = LoadLibraryA("hhctrl.ocx");
    ASSERT_NE(control, nullptr);
    auto htmlHelp = reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void*>(GetProcAddress(control, MAKEINTRESOURCEA(kHtmlHelpAOrdinal))));
    ASSERT_NE(htmlHelp, nullptr);
    HWND window = htmlHelp(nullptr, topic.c_str(), kDisplayTopic, 0);
    ASSERT_NE(window, nullptr) << topic;
    char title[128] = {};
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Kestrelon Help");
    htmlHelp(nullptr, nullptr, kCloseAll, 0);
}

TEST_F(Installation, RegistersInTheUsersInstalledPrograms) {
    const std::string folder = InstallFolder();
    struct Text {
        const char* name;
        std::string value;
    };
    const Text texts[] = {
        {"DisplayName", "Kestrelon"},      {"DisplayVersion", "1.1"},
        {"Publisher", "Brisken Software"}, {"UninstallString", "\"" + folder + "\\uninstall.exe\""},
        {"InstallLocation", folder},       {"DisplayIcon", folder + "\\kestrelon.exe,0"},
    };
    for (const Text& text : texts) {
        EXPECT_EQ(ReadUserString(kUninstallKey, text.name).value_or("(missing)"), text.value) << text.name;
    }
    EXPECT_EQ(ReadUserDword(kUninstallKey, "NoModify").value_or(0), 1U);
    EXPECT_EQ(ReadUserDword(kUninstallKey, "NoRepair").value_or(0), 1U);
}

TEST_F(Installation, LeavesTheUsersSettingsAsTheyWere) {
    for (const SettingValue& setting : kUserSettings) {
        EXPECT_EQ(ReadUserDword(kSettingsKey, setting.name).value_or(0xFFFFFFFF), setting.value) << setting.name;
    }
}

class Uninstallation : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!FileExists(InstalledUninstallerPath())) {
            StartClean();
            PlaceUserSettings();
            InstallSilently(gSetupPath);
        }
        uninstallExitCode_ = UninstallSilently();
    }
    static void TearDownTestSuite() {
        RemoveInstallFolder();
        DeleteUserTree("Software\\Brisken Software");
    }
    static std::optional<DWORD> uninstallExitCode_;
};
std::optional<DWORD> Uninstallation::uninstallExitCode_;

TEST_F(Uninstallation, UninstallerRunsSilentlyAndSucceeds) {
    ASSERT_TRUE(uninstallExitCode_.has_value()) << "the uninstaller did not start or did not finish";
    EXPECT_EQ(*uninstallExitCode_, 0U);
}

TEST_F(Uninstallation, RemovesTheProgramFiles) {
    // uninstall.exe itself stays when it runs in place (_?=); a user's uninstallation runs a copy and removes it.
    for (const char* name : {"kestrelon.exe", "kestrelon-cli.exe", "help.chm", "THIRD-PARTY-NOTICES.txt"}) {
        EXPECT_FALSE(FileExists(InstallFolder() + "\\" + name)) << name;
    }
}

TEST_F(Uninstallation, RemovesTheShortcut) {
    EXPECT_FALSE(FileExists(StartMenuShortcutPath()));
}

TEST_F(Uninstallation, RemovesTheInstalledProgramsEntry) {
    EXPECT_FALSE(UserKeyExists(kUninstallKey));
}

TEST_F(Uninstallation, RemovesInstallPath) {
    EXPECT_FALSE(ReadUserString(kSettingsKey, "InstallPath").has_value());
}

TEST_F(Uninstallation, KeepsTheSixSettingsValues) {
    for (const SettingValue& setting : kUserSettings) {
        EXPECT_EQ(ReadUserDword(kSettingsKey, setting.name).value_or(0xFFFFFFFF), setting.value) << setting.name;
    }
}

// A user who never started the program has no settings: then nothing of the program is left in the registry.
TEST(UninstallationWithoutSettings, RemovesTheEmptyKeysToo) {
    StartClean();
    ASSERT_EQ(InstallSilently(gSetupPath).value_or(1), 0U);
    ASSERT_TRUE(UserKeyExists(kSettingsKey));
    ASSERT_EQ(UninstallSilently().value_or(1), 0U);
    EXPECT_FALSE(UserKeyExists(kSettingsKey));
    EXPECT_FALSE(UserKeyExists("Software\\Brisken Software"));
    RemoveInstallFolder();
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: installer_test SETUP.exe KESTRELON.exe KESTRELON-CLI.exe HELP.chm\n");
        return 2;
    }
    gSetupPath = argv[1];
    gBuiltProgramPath = argv[2];
    gBuiltCliPath = argv[3];
    gBuiltHelpPath = argv[4];
    return RUN_ALL_TESTS();
}
