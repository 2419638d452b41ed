#include "tests/windows/e2e/app_driver_win.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace e2e {

std::wstring Widen(const char* text) {
    std::wstring wide;
    for (const char* p = text; *p != '\0'; ++p) {
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*p)));
    }
    return wide;
}

std::string Narrow(const wchar_t* text) {
    std::string narrow;
    for (const wchar_t* p = text; *p != 0; ++p) {
        narrow.push_back(static_cast<char>(*p));
    }
    return narrow;
}

std::string ProgramPath() {
    return WindowsPathFromEnvironment("KESTRELON_EXE");
}

std::string WindowsPathFromEnvironment(const char* variable) {
    const char* path = std::getenv(variable);
    if (path == nullptr || path[0] == '\0') {
        ADD_FAILURE() << variable << " is not set";
        return {};
    }
    std::string windowsPath = path[0] == '/' ? std::string("Z:") + path : std::string(path);
    for (char& c : windowsPath) {
        if (c == '/') {
            c = '\\';
        }
    }
    return windowsPath;
}

std::string ScreenshotPath(const char* name) {
    const char* folder = std::getenv("KESTRELON_SCREENSHOTS");
    std::string path = folder != nullptr && folder[0] != '\0' ? std::string(folder) : std::string(".");
    if (path[0] == '/') {
        path = "Z:" + path;
    }
    CreateDirectoryA(path.c_str(), nullptr);
    return path + "\\" + name;
}

void ResetSettings() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
}

bool ReadSetting(const char* name, DWORD& value) {
    DWORD size = sizeof value;
    return RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
           ERROR_SUCCESS;
}

void WriteSetting(const char* name, DWORD value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result) == 0) {
        ADD_FAILURE() << "the program did not answer message " << message;
    }
    return static_cast<LRESULT>(result);
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    // WM_GETTEXT is carried across processes; GetWindowText would only see a title kept outside the control.
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied);
    return Narrow(text);
}

RECT RectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND FindChild(HWND parent, const char* className, int id) {
    for (HWND child : Children(parent)) {
        if (GetDlgCtrlID(child) == id && _stricmp(ClassOf(child).c_str(), className) == 0) {
            return child;
        }
    }
    return nullptr;
}

HWND FindChildAt(HWND parent, const char* className, int left, int top) {
    for (HWND child : Children(parent)) {
        const RECT rect = RectInParent(child);
        if (GetParent(child) == parent && rect.left == left && rect.top == top &&
            _stricmp(ClassOf(child).c_str(), className) == 0) {
            return child;
        }
    }
    return nullptr;
}

std::string ComboText(HWND box, int index) {
    // The wide form marshals the text across processes correctly.
    wchar_t text[256] = {};
    SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return Narrow(text);
}

int ComboSelection(HWND box) {
    return static_cast<int>(Send(box, CB_GETCURSEL));
}

int ComboCount(HWND box) {
    return static_cast<int>(Send(box, CB_GETCOUNT));
}

void ChooseComboEntry(HWND box, const char* text) {
    const std::wstring wide = Widen(text);
    const LRESULT index =
        SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide.c_str()));
    ASSERT_NE(index, CB_ERR) << "no entry " << text;
    Send(box, CB_SETCURSEL, static_cast<WPARAM>(index));
    Send(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}

void Click(HWND window, int x, int y) {
    Send(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    Send(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

ClipboardText ReadClipboard() {
    ClipboardText result;
    if (!OpenClipboard(nullptr)) {
        ADD_FAILURE() << "cannot open the clipboard";
        return result;
    }
    if (HANDLE block = GetClipboardData(CF_TEXT)) {
        result.blockSize = GlobalSize(block);
        if (const auto* text = static_cast<const char*>(GlobalLock(block))) {
            result.present = true;
            // The block may lack a terminator; read no further than it reaches.
            size_t length = 0;
            while (length < result.blockSize && text[length] != '\0') {
                ++length;
            }
            result.text.assign(text, length);
            GlobalUnlock(block);
        }
    }
    CloseClipboard();
    return result;
}

void ClearClipboard() {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

ClipboardText CopyWithCommand(HWND main, int command) {
    ClearClipboard();
    Send(main, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return ReadClipboard();
}

Image CaptureClient(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    return CaptureScreen(rect);
}

Image CaptureWindow(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return CaptureScreen(rect);
}

int CountWindows(const char* className) {
    struct Search {
        const char* className;
        int count;
    } search{className, 0};
    EnumWindows(
        [](HWND window, LPARAM state) -> BOOL {
            auto* s = reinterpret_cast<Search*>(state);
            s->count += ClassOf(window) == s->className ? 1 : 0;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.count;
}

int CountTrayIcons() {
    const HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    int count = 0;
    for (HWND icon = FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr); tray != nullptr && icon != nullptr;
         icon = FindWindowExA(tray, icon, "__winex11_tray_icon", nullptr)) {
        ++count;
    }
    return count;
}

namespace {

PROCESS_INFORMATION StartProgram(const std::string& programPath) {
    std::string commandLine = "\"" + programPath + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        ADD_FAILURE() << "cannot start " << commandLine << ": error " << GetLastError();
        return {};
    }
    return process;
}

}  // namespace

AppSession::AppSession(bool resetSettings) {
    Start(ProgramPath(), resetSettings);
}

AppSession::AppSession(const std::string& programPath, bool resetSettings) {
    Start(programPath, resetSettings);
}

AppSession::AppSession(AnotherCopy) : process_(StartProgram(ProgramPath())) {}

void AppSession::Start(const std::string& programPath, bool resetSettings) {
    if (FindWindowA(kMainClass, nullptr) != nullptr || FindWindowA(kHiddenClass, nullptr) != nullptr) {
        ADD_FAILURE() << "another Kestrelon is still running";
        return;
    }
    if (resetSettings) {
        ResetSettings();
    }
    process_ = StartProgram(programPath);
}

AppSession::~AppSession() {
    if (process_.hProcess == nullptr) {
        return;
    }
    if (WaitForExit(0) == STILL_ACTIVE) {
        DWORD owner = 0;
        if (HWND hidden = Hidden();
            hidden != nullptr && GetWindowThreadProcessId(hidden, &owner) != 0 && owner == process_.dwProcessId) {
            PostMessageA(hidden, kTrayCommand, 32791, 0);
        }
        if (WaitForSingleObject(process_.hProcess, 10000) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
            WaitForSingleObject(process_.hProcess, 5000);
        }
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND AppSession::Main() const {
    return FindWindowA(kMainClass, "Kestrelon");
}

HWND AppSession::Hidden() const {
    return FindWindowA(kHiddenClass, "Tennick's Puppeteers");
}

HWND AppSession::Child(const char* className, int id) const {
    return FindChild(Main(), className, id);
}

HWND AppSession::WaitForMainWindow(DWORD timeoutMs) {
    HWND main = nullptr;
    const bool ready = WaitFor(
        [&] {
            main = Main();
            // The Hebrew spinner is the last child made.
            return main != nullptr && IsWindowVisible(main) && FindChild(main, "msctls_updown32", 26) != nullptr;
        },
        timeoutMs);
    if (!ready) {
        ADD_FAILURE() << "the main window did not appear";
        return nullptr;
    }
    // Let the first refresh and paints finish.
    Send(main, WM_NULL);
    return main;
}

DWORD AppSession::Exit(DWORD timeoutMs) {
    if (HWND hidden = Hidden()) {
        PostMessageA(hidden, kTrayCommand, 32791, 0);
    }
    return WaitForExit(timeoutMs);
}

DWORD AppSession::WaitForExit(DWORD timeoutMs) const {
    DWORD code = STILL_ACTIVE;
    if (process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process_.hProcess, &code);
    }
    return code;
}

}  // namespace e2e
