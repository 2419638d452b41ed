// Help -> Contents: the installed program opens its help file from the folder the installer recorded; a program
// that was never installed has no such folder and must carry on as before.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/windows/e2e/app_driver_win.h"
#include "tests/windows/e2e/preferences_driver_win.h"
#include "tests/windows/installed_program_win.h"

namespace {

using namespace e2e;

constexpr char kHelpClass[] = "HH Parent";

struct HelpWindowSearch {
    DWORD processId;
    HWND found;
};

// A help window made by the program of this process id, or null.
HWND FindHelpWindow(DWORD processId) {
    HelpWindowSearch search{processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM state) -> BOOL {
            auto* s = reinterpret_cast<HelpWindowSearch*>(state);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId && ClassOf(window) == kHelpClass) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// An installation made afresh by the installer, run silently as a user would; removed again at the end of the
// scope, whatever the test found.
class FreshInstallation {
  public:
    FreshInstallation() {
        if (FileExists(InstalledUninstallerPath())) {
            UninstallSilently();
        }
        RemoveInstallFolder();
        ResetSettings();
        const char* setup = std::getenv("KESTRELON_SETUP");
        if (setup == nullptr || setup[0] == '\0') {
            ADD_FAILURE() << "KESTRELON_SETUP is not set";
            return;
        }
        installed_ = InstallSilently(setup).value_or(1) == 0;
    }
    FreshInstallation(const FreshInstallation&) = delete;
    FreshInstallation& operator=(const FreshInstallation&) = delete;
    ~FreshInstallation() {
        EXPECT_EQ(UninstallSilently().value_or(1), 0U);
        RemoveInstallFolder();
        ResetSettings();
    }

    bool Installed() const { return installed_; }

  private:
    bool installed_ = false;
};

TEST(Help, InstalledProgramShowsItsHelpWindow) {
    const FreshInstallation installation;
    ASSERT_TRUE(installation.Installed());
    ASSERT_EQ(ReadUserString(::kSettingsKey, "InstallPath").value_or(""), InstallFolder());
    AppSession session(InstalledProgramPath(), false);
    const HWND main = session.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(kHelpContentsCommand, 0), 0);
    HWND help = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (help = FindHelpWindow(session.ProcessId())) != nullptr; }, 10000));
    if (help != nullptr) {
        EXPECT_TRUE(IsWindowVisible(help));
        EXPECT_EQ(TextOf(help), "Kestrelon Help");
    }
    EXPECT_EQ(session.Exit(), 0U);
}

TEST(Help, WithoutAnInstallFolderTheProgramCarriesOn) {
    AppSession session;  // fresh settings: no "InstallPath"
    const HWND main = session.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    // Twice: the second call finds the help control already loaded, or already known to be missing.
    for (int attempt = 1; attempt <= 2; ++attempt) {
        SCOPED_TRACE(attempt);
        // A copy posted behind the help command shows on the clipboard only once the help command has returned.
        ClearClipboard();
        PostMessageA(main, WM_COMMAND, MAKEWPARAM(kHelpContentsCommand, 0), 0);
        PostMessageA(main, WM_COMMAND, MAKEWPARAM(kCopyHolidayCommand, 0), 0);
        // Whatever the help control shows (a window may or may not appear), the program goes on.
        const bool copied = WaitFor(
            [&] {
                return IsClipboardFormatAvailable(CF_TEXT) != FALSE ||
                       WaitForSingleObject(session.Process(), 0) != WAIT_TIMEOUT;
            },
            10000);
        ASSERT_EQ(WaitForSingleObject(session.Process(), 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "ended";
        EXPECT_TRUE(copied) << "hung";
        EXPECT_EQ(WaitForOwnedDialog(main, 0), nullptr) << "a message box stands in the way";
    }
    EXPECT_EQ(session.Exit(), 0U);
}

}  // namespace
