// Drives the real kestrelon.exe from a test program, as a user would: starts it with fresh settings, finds its
// windows, sends the messages that clicks and choices produce, and looks at the screen.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/windows/support/capture_win.h"

namespace e2e {

inline constexpr char kMainClass[] = "KESTRELON";
inline constexpr char kHiddenClass[] = "Puppeteer Window Class";
inline constexpr char kRunningCopyMutex[] = "Local\\Kestrelon Running Copy";
inline constexpr char kSettingsKey[] = "Software\\Brisken Software\\Kestrelon\\1.0";
inline constexpr UINT kTrayNotify = WM_USER + 7;
inline constexpr UINT kTrayCommand = WM_USER + 8;
inline constexpr UINT kRefresh = WM_USER + 9;

// The program under test, as a Windows path (from KESTRELON_EXE, a path of the build machine).
std::string ProgramPath();
// The Windows path of the build machine's path in the environment variable.
std::string WindowsPathFromEnvironment(const char* variable);

// Deletes the program's settings key, so that the next start is a first run.
void ResetSettings();
// A DWORD value of the settings key, or false.
bool ReadSetting(const char* name, DWORD& value);
void WriteSetting(const char* name, DWORD value);

// SendMessageTimeout that fails the current test when the program does not answer within five seconds.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Texts carried across processes go through the wide messages (the 8-bit ones come back garbled under Wine).
std::wstring Widen(const char* text);
std::string Narrow(const wchar_t* text);

std::string ClassOf(HWND window);
std::string TextOf(HWND window);
// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);
// The child of parent with this control id, class and (when given) creation text; searched through all levels.
HWND FindChild(HWND parent, const char* className, int id);
std::vector<HWND> Children(HWND parent);
// The direct child of this class whose top-left corner stands at (left, top) in the parent.
HWND FindChildAt(HWND parent, const char* className, int left, int top);

std::string ComboText(HWND box, int index);
int ComboSelection(HWND box);
int ComboCount(HWND box);
// Selects the entry of this text and tells the box's parent, as a choice with the mouse does.
void ChooseComboEntry(HWND box, const char* text);
void Click(HWND window, int x, int y);

// The CF_TEXT content of the clipboard and the size of the memory block that holds it.
struct ClipboardText {
    bool present = false;
    std::string text;
    SIZE_T blockSize = 0;
};
ClipboardText ReadClipboard();
// Empties the clipboard, so that a copy that puts nothing there is seen.
void ClearClipboard();
// Chooses a command of the Edit menu (one that opens no window) and returns what it put on the clipboard.
ClipboardText CopyWithCommand(HWND main, int command);

// What the screen shows of a window's client area, or of the whole window (the window must be on top).
Image CaptureClient(HWND window);
Image CaptureWindow(HWND window);

// Polls until done() is true or the time is up.
template <typename Condition>
bool WaitFor(Condition done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

// The top-level windows of this class, of every process.
int CountWindows(const char* className);
// The icons in Wine's notification area (the children of its stand-alone tray window).
int CountTrayIcons();
// One run of the program, started with fresh settings (or those written after ResetSettings).
class AppSession {
  public:
    explicit AppSession(bool resetSettings = true);
    // Starts another copy of the program, such as the installed one (a Windows path).
    AppSession(const std::string& programPath, bool resetSettings);
    // Starts the program once more while a copy runs (as from the Start menu), keeping the settings.
    struct AnotherCopy {};
    explicit AppSession(AnotherCopy);
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;
    ~AppSession();

    bool Started() const { return process_.hProcess != nullptr; }
    // Waits for the main window to be visible with all its children made.
    HWND WaitForMainWindow(DWORD timeoutMs = 20000);
    HWND Main() const;
    HWND Hidden() const;
    HWND Child(const char* className, int id) const;
    DWORD ProcessId() const { return process_.dwProcessId; }
    HANDLE Process() const { return process_.hProcess; }
    // Ends the program through its tray menu command and returns its exit code (or STILL_ACTIVE).
    DWORD Exit(DWORD timeoutMs = 10000);
    // Waits for the program to end: its exit code, or STILL_ACTIVE when it still runs after timeoutMs.
    DWORD WaitForExit(DWORD timeoutMs) const;

  private:
    void Start(const std::string& programPath, bool resetSettings);

    PROCESS_INFORMATION process_{};
};

// The directory where tests leave screenshots (KESTRELON_SCREENSHOTS, or the current directory).
std::string ScreenshotPath(const char* name);

}  // namespace e2e
