#include "tests/windows/support/gdi_count_win.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(GdiCount, SeesObjectsCreatedAndDeleted) {
    const std::optional<std::size_t> before = CountLiveGdiObjects();
    ASSERT_TRUE(before.has_value());
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const HPEN pen = CreatePen(PS_SOLID, 1, RGB(4, 5, 6));
    const std::optional<std::size_t> during = CountLiveGdiObjects();
    DeleteObject(brush);
    DeleteObject(pen);
    const std::optional<std::size_t> after = CountLiveGdiObjects();
    ASSERT_TRUE(during.has_value() && after.has_value());
    EXPECT_EQ(*during, *before + 2);
    EXPECT_EQ(*after, *before);
}

TEST(GdiCount, ReadsAnotherProcessHandle) {
    const HANDLE self = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, GetCurrentProcessId());
    ASSERT_NE(self, nullptr);
    const std::optional<std::size_t> viaHandle = CountLiveGdiObjects(self);
    const std::optional<std::size_t> direct = CountLiveGdiObjects();
    CloseHandle(self);
    ASSERT_TRUE(viaHandle.has_value() && direct.has_value());
    EXPECT_EQ(*viaHandle, *direct);
    EXPECT_GT(*direct, 0u);
}

}  // namespace
