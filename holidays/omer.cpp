#include "holidays/omer.h"

#include "calendar/hebrew.h"
#include "calendar/text_buffer.h"

namespace {

constexpr int kDaysPerWeek = 7;

const char* Plural(int count, const char* one, const char* many) {
    return count == 1 ? one : many;
}

}  // namespace

int OmerCount(DayNumber n) {
    int day = 0, month = 0, year = 0;
    DayNumberToHebrew(n, day, month, year);
    const DayNumber eve = HebrewToDayNumber(15, kNisan, year);
    const int count = static_cast<int>(n - eve);
    return count >= 1 && count <= kOmerDays ? count : 0;
}

std::size_t FormatOmerText(int count, char* buffer, std::size_t capacity) {
    if (count < 1 || count > kOmerDays) {
        return CopyText(buffer, capacity, "");
    }
    const int weeks = count / kDaysPerWeek;
    const int days = count % kDaysPerWeek;
    if (weeks == 0) {
        return FormatText(buffer, capacity, "Today is %d %s of the Omer", count, Plural(count, "day", "days"));
    }
    if (days == 0) {
        return FormatText(buffer, capacity, "Today is %d days, which is %d %s of the Omer", count, weeks,
                          Plural(weeks, "week", "weeks"));
    }
    return FormatText(buffer, capacity, "Today is %d days, which is %d %s and %d %s of the Omer", count, weeks,
                      Plural(weeks, "week", "weeks"), days, Plural(days, "day", "days"));
}
