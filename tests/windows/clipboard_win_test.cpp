#include "textview/clipboard_win.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::size_t kCapacity = 19999;

struct ClipboardText {
    bool present = false;
    std::string text;
    SIZE_T blockSize = 0;
};

ClipboardText ReadClipboard() {
    ClipboardText result;
    if (!OpenClipboard(nullptr)) {
        ADD_FAILURE() << "the clipboard cannot be opened";
        return result;
    }
    const HANDLE data = GetClipboardData(CF_TEXT);
    if (data != nullptr) {
        const char* const bytes = static_cast<const char*>(GlobalLock(data));
        if (bytes != nullptr) {
            result.present = true;
            result.blockSize = GlobalSize(data);
            result.text.assign(bytes, strnlen(bytes, result.blockSize));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return result;
}

class Clipboard : public ::testing::Test {
  protected:
    void SetUp() override {
        owner_ = CreateWindowExA(0, "STATIC", "clipboard owner", 0, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(owner_, nullptr);
    }
    void TearDown() override { DestroyWindow(owner_); }

    HWND owner_ = nullptr;
};

TEST_F(Clipboard, TheNoHolidayTextArrivesWithWindowsLineEndsInA20000ByteBlock) {
    CopyTextToClipboard(owner_, "No holiday today\n \nClick on the calendar to see the holidays for that day.\n \n",
                        kCapacity);
    const ClipboardText read = ReadClipboard();
    ASSERT_TRUE(read.present);
    EXPECT_EQ(read.text, "No holiday today\r\n \r\nClick on the calendar to see the holidays for that day.\r\n \r\n");
    EXPECT_EQ(read.blockSize, 20000u);
}

TEST_F(Clipboard, AnEmptyTextStillFillsA20000ByteBlock) {
    CopyTextToClipboard(owner_, "Purim", kCapacity);
    CopyTextToClipboard(owner_, "", kCapacity);
    const ClipboardText read = ReadClipboard();
    ASSERT_TRUE(read.present);
    EXPECT_EQ(read.text, "");
    EXPECT_EQ(read.blockSize, 20000u);
}

TEST_F(Clipboard, ALongTextIsCutAtTheLimitWithoutSplittingANewline) {
    const std::string text = std::string(19995, 'x') + "y\nzzz";
    CopyTextToClipboard(owner_, text.c_str(), kCapacity);
    const ClipboardText read = ReadClipboard();
    ASSERT_TRUE(read.present);
    EXPECT_EQ(read.text.size(), 19998u);
    EXPECT_EQ(read.text.substr(19990), "xxxxxy\r\n");
    EXPECT_EQ(read.blockSize, 20000u);
}

DWORD WINAPI HoldClipboard(void* parameter) {
    HANDLE* const events = static_cast<HANDLE*>(parameter);
    const BOOL opened = OpenClipboard(nullptr);
    SetEvent(events[0]);
    WaitForSingleObject(events[1], 10000);
    if (opened) {
        CloseClipboard();
    }
    return opened ? 0 : 1;
}

TEST_F(Clipboard, ACopyWhileAnotherThreadHoldsTheClipboardIsAbandoned) {
    CopyTextToClipboard(owner_, "before", kCapacity);
    HANDLE events[2] = {CreateEventA(nullptr, TRUE, FALSE, nullptr), CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    const HANDLE holder = CreateThread(nullptr, 0, HoldClipboard, events, 0, nullptr);
    ASSERT_NE(holder, nullptr);
    WaitForSingleObject(events[0], 10000);

    CopyTextToClipboard(owner_, "after", kCapacity);

    SetEvent(events[1]);
    WaitForSingleObject(holder, 10000);
    DWORD held = 1;
    GetExitCodeThread(holder, &held);
    CloseHandle(holder);
    CloseHandle(events[0]);
    CloseHandle(events[1]);
    ASSERT_EQ(held, 0u) << "the other thread could not open the clipboard";
    EXPECT_EQ(ReadClipboard().text, "before");
}

}  // namespace
