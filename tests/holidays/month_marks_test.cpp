// The calendar cursor's month marks under the holiday tables' lookup, HasHoliday.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <set>

#include "calendar/calendar_cursor.h"
#include "calendar/hebrew.h"
#include "holidays/holiday_table.h"

namespace {

// Bits of the days 1..31 given.
std::uint32_t Bits(std::initializer_list<int> days) {
    std::uint32_t mask = 0;
    for (const int day : days) {
        mask |= 1u << day;
    }
    return mask;
}

std::uint32_t BitRange(int first, int last) {
    std::uint32_t mask = 0;
    for (int day = first; day <= last; ++day) {
        mask |= 1u << day;
    }
    return mask;
}

constexpr Observance kIsrael = Observance::Israel;
constexpr Observance kDiaspora = Observance::Diaspora;

// April 2024 (Nisan 5784), worked from a printed calendar: Shabbat Ha-Chodesh 6, Rosh Chodesh Nisan 9, Shabbat
// Ha-Gadol 20, the fast of the firstborn and Erev Passover 22, Passover 23..29, and Passover VIII on the 30th
// outside Israel.
TEST(MonthMarks, GregorianMarksOfAMonth) {
    CalendarCursor cursor(HasHoliday);
    cursor.SetGregorianDate(17, 4, 2024);
    const std::uint32_t israel = Bits({6, 9, 20, 22}) | BitRange(23, 29);
    EXPECT_EQ(cursor.GregorianMonthMarks(kIsrael), israel);
    EXPECT_EQ(cursor.GregorianMonthMarks(kDiaspora), israel | Bits({30}));
}

// Nisan 5784: Rosh Chodesh 1, Shabbat Ha-Gadol 12, the fast and Erev Passover 14, Passover 15..21 (22 outside
// Israel), Yom Ha-Shoah 27, Rosh Chodesh Iyar 30.
TEST(MonthMarks, HebrewMarksOfAMonth) {
    CalendarCursor cursor(HasHoliday);
    cursor.SetHebrewDate(3, kNisan, 5784);
    const std::uint32_t israel = Bits({1, 12, 14, 27, 30}) | BitRange(15, 21);
    EXPECT_EQ(cursor.HebrewMonthMarks(kIsrael), israel);
    EXPECT_EQ(cursor.HebrewMonthMarks(kDiaspora), israel | Bits({22}));
}

TEST(MonthMarks, MarksAgreeWithTheTableRowsForEveryMonth) {
    for (const Observance observance : {kIsrael, kDiaspora}) {
        std::set<DayNumber> holidays;
        const HolidayTable table = HolidayTableFor(observance);
        for (int i = 0; i < table.count; ++i) {
            holidays.insert(table.rows[i].dayNumber);
        }
        CalendarCursor cursor(HasHoliday);
        int wrong = 0;
        for (int year = 1900; year <= 2099 && wrong < 5; ++year) {
            for (int month = 1; month <= 12; ++month) {
                cursor.SetGregorianDate(1, month, year);
                std::uint32_t expected = 0;
                for (int day = 1; day <= 31; ++day) {
                    if (day <= DaysInGregorianMonth(month, year) &&
                        holidays.count(GregorianToDayNumber(day, month, year)) != 0) {
                        expected |= 1u << day;
                    }
                }
                if (cursor.GregorianMonthMarks(observance) != expected) {
                    ADD_FAILURE() << month << "/" << year << ", Diaspora " << IsDiaspora(observance);
                    ++wrong;
                }
            }
        }
        for (int year = 5661; year <= 5859 && wrong < 5; ++year) {
            const HebrewMonthSequence order = HebrewMonthOrder(year);
            for (int i = 0; i < order.count; ++i) {
                const int month = order.months[i];
                cursor.SetHebrewDate(1, month, year);
                std::uint32_t expected = 0;
                const DayNumber first = HebrewToDayNumber(1, month, year);
                for (int day = 1; day <= DaysInHebrewMonth(month, year); ++day) {
                    expected |= holidays.count(first + day - 1) != 0 ? 1u << day : 0u;
                }
                if (cursor.HebrewMonthMarks(observance) != expected) {
                    ADD_FAILURE() << "Hebrew " << month << "/" << year << ", Diaspora " << IsDiaspora(observance);
                    ++wrong;
                }
            }
        }
    }
}

TEST(MonthMarks, AMonthWithoutHolidaysHasNoMarks) {
    CalendarCursor cursor(HasHoliday);
    cursor.SetGregorianDate(1, 1, 2100);
    EXPECT_EQ(cursor.GregorianMonthMarks(kDiaspora), 0u);
}

}  // namespace
