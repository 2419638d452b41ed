// The refresh brings the navigation controls back in line with the selected day, whatever they showed before.
#include <gtest/gtest.h>

#include "tests/windows/e2e/calendar_driver_win.h"

namespace {

using namespace e2e;

void SetFieldText(HWND field, const char* text) {
    const std::wstring wide = Widen(text);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_ABORTIFHUNG, 5000, &ignored);
}

TEST(Refresh, RewritesYearFieldsThatDisagreeWithTheSelectedDay) {
    AppSession session;
    const CalendarControls controls = CalendarControls::Find(session.WaitForMainWindow());
    ASSERT_TRUE(controls.Complete());
    controls.GoTo(15, 1, 2008);  // 8 Shevat 5768
    const struct {
        const char* label;
        const char* shown;
    } cases[] = {
        {"another year", "1999"},
        {"empty", ""},
        {"the year with a thousands separator", "2,008"},
        {"the year with a space after it", "2008 "},
    };
    for (const auto& c : cases) {
        SetFieldText(controls.gregorianYear, c.shown);
        SetFieldText(controls.hebrewYear, c.shown);
        ASSERT_EQ(TextOf(controls.gregorianYear), c.shown) << c.label;
        Send(controls.main, kRefresh);
        EXPECT_EQ(TextOf(controls.gregorianYear), "2008") << c.label;
        EXPECT_EQ(TextOf(controls.hebrewYear), "5768") << c.label;
    }
}

}  // namespace
