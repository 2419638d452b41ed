#include "shell/tray_tip.h"

#include "calendar/hebrew.h"
#include "calendar/month_names.h"
#include "calendar/text_buffer.h"

std::size_t FormatTrayTip(int day, int month, int year, char* buffer, std::size_t capacity) {
    int hebrewDay = 0;
    int hebrewMonth = 0;
    int hebrewYear = 0;
    DayNumberToHebrew(GregorianToDayNumber(day, month, year), hebrewDay, hebrewMonth, hebrewYear);
    const char* gregorianName = GregorianMonthName(month);
    const char* hebrewName = HebrewMonthName(hebrewMonth);
    return FormatText(buffer, capacity, "%s %d, %d / %s %d, %d", gregorianName != nullptr ? gregorianName : "", day,
                      year, hebrewName != nullptr ? hebrewName : "", hebrewDay, hebrewYear);
}
