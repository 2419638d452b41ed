#include "holidays/mevarchim.h"

#include "calendar/hebrew.h"
#include "calendar/molad.h"
#include "calendar/month_names.h"
#include "calendar/text_buffer.h"

namespace {

constexpr int kSaturday = 6;

// The month blessed, with the Shabbat before its Rosh Chodesh. The month occurs in the year and is not Tishrei.
ShabbatMevarchim Blessing(int month, int year) {
    const int monthBefore = HebrewMonthOrder(year).months[HebrewMonthPosition(month, year) - 1];
    const int days = DaysInHebrewMonth(monthBefore, year) == 30 ? 2 : 1;  // its 30th, then the 1st
    const DayNumber roshChodesh = HebrewToDayNumber(1, month, year) - (days - 1);
    const DayNumber dayBefore = roshChodesh - 1;
    const DayNumber shabbat = dayBefore - (WeekdayOf(dayBefore) + 7 - kSaturday) % 7;
    return {shabbat, month, year, roshChodesh, days};
}

// "Friday, November 1, 2024".
std::size_t FormatDay(DayNumber n, char* buffer, std::size_t capacity) {
    int day = 0, month = 0, year = 0;
    DayNumberToGregorian(n, day, month, year);
    char date[40];
    FormatDateLine(GregorianMonthName(month), day, year, date, sizeof date);
    return FormatText(buffer, capacity, "%s, %s", AnnouncedWeekdayName(WeekdayOf(n)), date);
}

}  // namespace

std::optional<ShabbatMevarchim> MevarchimOf(int month, int year) {
    if (month == kTishrei || HebrewMonthPosition(month, year) < 0) {
        return std::nullopt;
    }
    return Blessing(month, year);
}

std::optional<ShabbatMevarchim> MevarchimOn(DayNumber n) {
    if (WeekdayOf(n) != kSaturday) {
        return std::nullopt;
    }
    // Only the month after n's can be blessed on n: the one after that begins more than four weeks later.
    int day = 0, month = 0, year = 0;
    DayNumberToHebrew(n, day, month, year);
    const HebrewMonthSequence order = HebrewMonthOrder(year);
    const int next = HebrewMonthPosition(month, year) + 1;
    if (next == order.count) {
        return std::nullopt;  // the next month is Tishrei
    }
    const ShabbatMevarchim blessed = Blessing(order.months[next], year);
    if (blessed.shabbat != n) {
        return std::nullopt;
    }
    return blessed;
}

std::size_t FormatRoshChodeshText(const ShabbatMevarchim& blessed, char* buffer, std::size_t capacity) {
    char first[64];
    FormatDay(blessed.roshChodesh, first, sizeof first);
    const char* const name = HebrewMonthName(blessed.month);
    if (blessed.roshChodeshDays == 1) {
        return FormatText(buffer, capacity, "Rosh Chodesh %s: %s", name, first);
    }
    char second[64];
    FormatDay(blessed.roshChodesh + 1, second, sizeof second);
    return FormatText(buffer, capacity, "Rosh Chodesh %s: %s and %s", name, first, second);
}
