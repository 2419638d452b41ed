#include "holidays/mevarchim.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "calendar/hebrew.h"
#include "holidays/holiday_table.h"

namespace {

// Every Rosh Chodesh of the tables (one or two days; Tishrei has none) has exactly one Shabbat Mevarchim in the seven
// days before its first day, blessing the month that begins on its last day, with its days; no other day of
// 1900-2099 blesses a month.
TEST(ShabbatMevarchim, OneBeforeEveryRoshChodeshButTishreis) {
    std::map<DayNumber, int> roshChodesh;  // first day, days
    const HolidayTable table = HolidayTableFor(Observance::Diaspora);
    for (const HolidayRow* row = table.rows; row != table.rows + table.count; ++row) {
        if (row->code == HolidayCode::RoshChodesh) {
            roshChodesh[row->dayNumber - (roshChodesh.count(row->dayNumber - 1) != 0)] += 1;
        }
    }
    int blessings = 0;
    for (DayNumber n = kFirstSupportedDay - 7; n <= kLastSupportedDay; ++n) {
        const std::optional<ShabbatMevarchim> blessed = MevarchimOn(n);
        if (!blessed || blessed->roshChodesh > kLastSupportedDay) {
            continue;
        }
        ++blessings;
        EXPECT_EQ(WeekdayOf(n), 6) << n;
        EXPECT_TRUE(blessed->roshChodesh > n && blessed->roshChodesh <= n + 7) << n;
        ASSERT_EQ(roshChodesh.count(blessed->roshChodesh), 1u) << n;
        EXPECT_EQ(blessed->roshChodeshDays, roshChodesh[blessed->roshChodesh]) << n;
        EXPECT_EQ(HebrewToDayNumber(1, blessed->month, blessed->year),
                  blessed->roshChodesh + blessed->roshChodeshDays - 1);
        const std::optional<ShabbatMevarchim> ofMonth = MevarchimOf(blessed->month, blessed->year);
        EXPECT_TRUE(ofMonth && ofMonth->shabbat == n) << n;
    }
    // Two Saturdays cannot both lie in the seven days before one Rosh Chodesh: each is blessed once.
    EXPECT_EQ(blessings, static_cast<int>(roshChodesh.size()));
    EXPECT_FALSE(MevarchimOf(kTishrei, 5785).has_value());
}

// Rosh Chodesh Av 5785 (after Tammuz's 29 days) was one day, a Shabbat: Av was blessed the week before. (Two days
// are in the command line's expected text for Cheshvan 5785.)
TEST(ShabbatMevarchim, RoshChodeshOnShabbatIsBlessedAWeekBefore) {
    const std::optional<ShabbatMevarchim> blessed = MevarchimOf(kAv, 5785);
    ASSERT_TRUE(blessed.has_value());
    EXPECT_EQ(blessed->shabbat, GregorianToDayNumber(19, 7, 2025));
    char text[120];
    EXPECT_EQ(std::string(text, FormatRoshChodeshText(*blessed, text, sizeof text)),
              "Rosh Chodesh Av: Shabbat, July 26, 2025");
}

}  // namespace
