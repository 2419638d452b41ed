#include "calendar/molad.h"

#include <algorithm>
#include <cstdint>

#include "calendar/hebrew.h"
#include "calendar/month_names.h"
#include "calendar/text_buffer.h"

namespace {

using hebrew_detail::kPartsPerDay;
using hebrew_detail::kPartsPerHour;
constexpr std::int64_t kPartsPerMinute = 18;

constexpr const char* kWeekdayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Shabbat"};

}  // namespace

Molad MoladOf(int month, int year) {
    const int y = ClampHebrewYear(year);
    const int position = std::max(HebrewMonthPosition(month, y), 0);
    const std::int64_t parts = hebrew_detail::MoladParts(hebrew_detail::MonthsBeforeYear(y) + position);
    const std::int64_t days = hebrew_detail::FloorDiv(parts, kPartsPerDay);
    const std::int64_t ofDay = parts - days * kPartsPerDay;  // 0..25919
    return {ClampDayNumber(hebrew_detail::kEpochDayCount + days), static_cast<int>(ofDay / kPartsPerHour),
            static_cast<int>(ofDay % kPartsPerHour / kPartsPerMinute), static_cast<int>(ofDay % kPartsPerMinute)};
}

const char* AnnouncedWeekdayName(int weekday) {
    return weekday >= 0 && weekday < 7 ? kWeekdayNames[weekday] : nullptr;
}

std::size_t FormatMoladText(const Molad& molad, char* buffer, std::size_t capacity) {
    int day = 0, month = 0, year = 0;
    DayNumberToGregorian(molad.day, day, month, year);
    char date[40];
    FormatDateLine(GregorianMonthName(month), day, year, date, sizeof date);
    const int hour12 = molad.hour % 12 == 0 ? 12 : molad.hour % 12;
    const char* const half = molad.hour < 12 ? "AM" : "PM";
    const char* const weekday = AnnouncedWeekdayName(WeekdayOf(molad.day));
    if (molad.parts == 0) {
        return FormatText(buffer, capacity, "%s, %s, %d:%02d %s", weekday, date, hour12, molad.minute, half);
    }
    return FormatText(buffer, capacity, "%s, %s, %d:%02d %s and %d %s", weekday, date, hour12, molad.minute, half,
                      molad.parts, molad.parts == 1 ? "chelek" : "chalakim");
}
