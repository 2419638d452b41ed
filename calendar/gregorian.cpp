#include "calendar/gregorian.h"

void DayNumberToGregorian(DayNumber n, int& day, int& month, int& year) {
    // Days counted from 1 March of year 0, so that the leap day is the last day of a counted year; eras are the
    // 146097-day cycles of 400 years. JDN 1721120 is 1 March of year 0.
    const std::int64_t z = static_cast<std::int64_t>(n) - 1721120;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;                                       // [0, 146096]
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365], 0 is 1 March
    const std::int64_t mp = (5 * doy + 2) / 153;                                     // [0, 11], 0 is March
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}
