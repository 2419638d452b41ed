// File > People's Dates: a date added in the dialog reaches the file (its name in UTF-8, whatever its script), the
// Week page and the corner marks of both grids at once; it is edited and deleted there; and a line of the file the
// program cannot read stays in it, in its place, through every save.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "calendar/hebrew.h"
#include "shell/day_grid.h"
#include "tests/windows/e2e/preferences_driver_win.h"
#include "tests/windows/e2e/session_suite_win.h"

namespace {

using namespace e2e;

constexpr int kPeopleDatesCommand = 32811;
constexpr int kCopyWeekCommand = 32808;
constexpr int kWeekTab = 2;
constexpr int kList = 1201;
constexpr int kAdd = 1202;
constexpr int kEdit = 1203;
constexpr int kDelete = 1204;
constexpr int kStatus = 1205;
constexpr int kName = 1211;
constexpr int kHebrew = 1214;
constexpr int kGregorianDay = 1215;
constexpr int kGregorianMonth = 1216;
constexpr int kGregorianYear = 1217;
constexpr int kAfterSunset = 1218;
constexpr int kHebrewDay = 1219;
constexpr int kAdarChoice = 1222;
constexpr int kMessageText = 0xFFFF;
constexpr COLORREF kDateMark = RGB(200, 30, 30);

constexpr char kBadLine[] = "yahrzit 1990-01-01 usual A line with a typo";
// "Zoë" and the Hebrew "Sarah": the second word has no place in the ANSI code page.
constexpr wchar_t kName16[] = L"Zo\u00EB \u05E9\u05E8\u05D4";
constexpr char kNameUtf8[] = "Zo\xC3\xAB \xD7\xA9\xD7\xA8\xD7\x94";

std::string DatesFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + "kestrelon-people-dates";
}

std::string DatesFile() {
    return DatesFolder() + "\\Kestrelon\\dates";
}

std::string ReadDatesFile() {
    std::ifstream file(DatesFile(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The program keeps its dates under %APPDATA%, here a folder of the test's, given the file before the start.
class PeopleDates : public SessionSuite<PeopleDates> {
  protected:
    static void SetUpTestSuite() {
        CreateDirectoryA(DatesFolder().c_str(), nullptr);
        CreateDirectoryA((DatesFolder() + "\\Kestrelon").c_str(), nullptr);
        std::ofstream(DatesFile(), std::ios::binary) << "# our dates\n" << kBadLine << "\n";
        SetEnvironmentVariableA("APPDATA", DatesFolder().c_str());
        SessionSuite<PeopleDates>::SetUpTestSuite();
    }
};

void SetText(HWND control, const wchar_t* text) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &ignored);
}

// Presses a button that may open a window, and waits for the window that the dialog then owns.
HWND PressForDialog(HWND dialog, int id) {
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    return WaitForOwnedDialog(dialog);
}

// Presses a button that closes its dialog, and waits until it is gone.
void PressToClose(HWND dialog, int id) {
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000)) << "dialog still open after " << id;
}

std::wstring WideTextOf(HWND window) {
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied);
    return text;
}

// Lets the dialog paint everything pending, for a screenshot.
void SaveScreenshot(HWND dialog, const char* name) {
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Send(dialog, WM_NULL);
    Sleep(200);
    EXPECT_TRUE(CaptureWindow(dialog).SaveBmp(ScreenshotPath(name)));
}

bool DayMarked(const CalendarControls& controls, HWND grid, int day, int firstWeekday) {
    controls.Settle();
    const Image image = CaptureClient(grid);
    const day_grid::CellPosition cell = day_grid::CellOfDay(day, firstWeekday);
    const day_grid::CellBox box = day_grid::CellBoxOf(cell.column, cell.row);
    return image.At(box.right - 2, box.top + 1) == kDateMark;
}

HWND OpenList(const CalendarControls& controls) {
    PostMessageA(controls.main, WM_COMMAND, MAKEWPARAM(kPeopleDatesCommand, 0), 0);
    return WaitForOwnedDialog(controls.main);
}

TEST_F(PeopleDates, AddEditAndDeleteReachTheFileThePageAndTheGrids) {
    // 16 February 2024 is 7 Adar I 5784; 18 March 2024 is 8 Adar II. The day selected is the one before, as the
    // selected day draws its mark in other colours.
    controls_.GoTo(15, 2, 2024);
    SetWindowPos(controls_.main, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(controls_.main);
    const int februaryFirst = FirstWeekdayOfGregorianMonth(2, 2024);
    const int adarIFirst = FirstWeekdayOfHebrewMonth(kAdarI, 5784);
    ASSERT_FALSE(DayMarked(controls_, controls_.gregorianGrid, 16, februaryFirst));

    HWND list = OpenList(controls_);
    ASSERT_NE(list, nullptr);
    EXPECT_NE(TextOf(GetDlgItem(list, kStatus)).find("1 line cannot be read and is kept as it is: line 2:"),
              std::string::npos)
        << TextOf(GetDlgItem(list, kStatus));

    // A death on 27 February 2023 after sunset: 7 Adar 5783, a common year; its yahrzeit in 5784 is in Adar I.
    HWND date = PressForDialog(list, kAdd);
    ASSERT_NE(date, nullptr);
    SetText(GetDlgItem(date, kName), kName16);
    ChooseComboEntry(GetDlgItem(date, kGregorianMonth), "February");
    SetText(GetDlgItem(date, kGregorianYear), L"2023");
    SetText(GetDlgItem(date, kGregorianDay), L"29");
    Send(GetDlgItem(date, kAfterSunset), BM_CLICK);
    SaveScreenshot(date, "people-dates-add.bmp");
    const HWND refusal = PressForDialog(date, IDOK);
    ASSERT_NE(refusal, nullptr);
    EXPECT_NE(TextOf(GetDlgItem(refusal, kMessageText)).find("February 2023 has days 1 to 28"), std::string::npos);
    PressToClose(refusal, IDOK);
    // The field to correct is singled out, its text selected for typing over.
    EXPECT_EQ(Send(GetDlgItem(date, kGregorianDay), EM_GETSEL), MAKELRESULT(0, 2));
    SetText(GetDlgItem(date, kGregorianDay), L"27");
    PressToClose(date, IDOK);
    Send(list, WM_NULL);
    ASSERT_EQ(Send(GetDlgItem(list, kList), LVM_GETITEMCOUNT), 1);

    std::string file = ReadDatesFile();
    EXPECT_EQ(file.rfind(std::string("# our dates\n") + kBadLine + "\nyahrzeit", 0), 0u) << file;
    EXPECT_NE(file.find(std::string(" 2023-02-27+after-sunset  usual  ") + kNameUtf8 + "\n"), std::string::npos)
        << file;
    SaveScreenshot(list, "people-dates-list.bmp");
    PressToClose(list, IDOK);

    // The main window showed the new date as soon as it was saved.
    EXPECT_TRUE(DayMarked(controls_, controls_.gregorianGrid, 16, februaryFirst));
    EXPECT_FALSE(DayMarked(controls_, controls_.gregorianGrid, 17, februaryFirst));
    EXPECT_TRUE(DayMarked(controls_, controls_.hebrewGrid, 7, adarIFirst));
    EXPECT_TRUE(CaptureWindow(controls_.main).SaveBmp(ScreenshotPath("people-dates-marks.bmp")));
    controls_.GoTo(16, 2, 2024);
    controls_.ShowTab(kWeekTab);
    EXPECT_NE(CopyWithCommand(controls_.main, kCopyWeekCommand).text.find("Yahrzeit: Zo\xEB ??? (5784)"),
              std::string::npos);

    // Edited: the Hebrew date 8 Adar 5783, kept in Adar II in a leap year.
    list = OpenList(controls_);
    ASSERT_NE(list, nullptr);
    date = PressForDialog(list, kEdit);
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(WideTextOf(GetDlgItem(date, kName)), kName16);
    Send(GetDlgItem(date, kHebrew), BM_CLICK);
    EXPECT_EQ(TextOf(GetDlgItem(date, kHebrewDay)), "7");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(date, kAdarChoice))) << "7 Adar 5783 is in a common year's Adar";
    SetText(GetDlgItem(date, kHebrewDay), L"8");
    ChooseComboEntry(GetDlgItem(date, kAdarChoice), "Adar II");
    SaveScreenshot(date, "people-dates-edit.bmp");
    PressToClose(date, IDOK);
    Send(list, WM_NULL);  // answered once the list's thread has saved the change and waits for messages again
    file = ReadDatesFile();
    EXPECT_NE(file.find("\nyahrzeit    8-Adar-5783 "), std::string::npos) << file;
    EXPECT_NE(file.find(std::string(" adar2  ") + kNameUtf8 + "\n"), std::string::npos) << file;
    EXPECT_NE(file.find(kBadLine), std::string::npos);
    PressToClose(list, IDOK);
    EXPECT_FALSE(DayMarked(controls_, controls_.gregorianGrid, 16, februaryFirst));
    controls_.GoTo(17, 3, 2024);
    const int marchFirst = FirstWeekdayOfGregorianMonth(3, 2024);
    EXPECT_TRUE(DayMarked(controls_, controls_.gregorianGrid, 18, marchFirst));

    // Deleted, after the question is answered Yes.
    list = OpenList(controls_);
    ASSERT_NE(list, nullptr);
    const HWND question = PressForDialog(list, kDelete);
    ASSERT_NE(question, nullptr);
    PressToClose(question, IDYES);
    Send(list, WM_NULL);
    EXPECT_EQ(Send(GetDlgItem(list, kList), LVM_GETITEMCOUNT), 0);
    PressToClose(list, IDOK);
    EXPECT_EQ(ReadDatesFile(), std::string("# our dates\n") + kBadLine + "\n");
    EXPECT_FALSE(DayMarked(controls_, controls_.gregorianGrid, 18, marchFirst));

    // A file that cannot be read (here a folder in its place) is named with its reason and left alone.
    ASSERT_TRUE(DeleteFileA(DatesFile().c_str()));
    ASSERT_TRUE(CreateDirectoryA(DatesFile().c_str(), nullptr));
    list = OpenList(controls_);
    ASSERT_NE(list, nullptr);
    EXPECT_NE(TextOf(GetDlgItem(list, kStatus)).find(" cannot be read ("), std::string::npos)
        << TextOf(GetDlgItem(list, kStatus));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(list, kAdd)));
    PostMessageA(list, WM_COMMAND, IDCANCEL, 0);  // Escape
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(list); }, 5000));
    RemoveDirectoryA(DatesFile().c_str());
}

}  // namespace
