// The reading of every Saturday of some Hebrew years, for the comparison with an independent calendar in
// parsha_vs_pyluach.py: "DAYNUMBER,NUMBERS" lines, NUMBERS as kestrelon-cli parsha writes them (empty on a
// festival). Usage: parsha_listing israel|diaspora FIRST_HEBREW_YEAR LAST_HEBREW_YEAR
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "calendar/hebrew.h"
#include "holidays/parsha.h"

int main(int argc, char** argv) {
    if (argc != 4 || (std::strcmp(argv[1], "israel") != 0 && std::strcmp(argv[1], "diaspora") != 0)) {
        std::fputs("usage: parsha_listing israel|diaspora FIRST_HEBREW_YEAR LAST_HEBREW_YEAR\n", stderr);
        return 2;
    }
    const Observance observance = std::strcmp(argv[1], "israel") == 0 ? Observance::Israel : Observance::Diaspora;
    const int first = ClampHebrewYear(std::atoi(argv[2]));
    const int last = ClampHebrewYear(std::atoi(argv[3]));
    const DayNumber end = HebrewNewYearDayNumber(last) + HebrewYearLength(last);
    for (DayNumber n = HebrewNewYearDayNumber(first); n < end && n <= kLastDayNumber;) {
        const WeeklyPortion reading = PortionOfShabbat(n, observance);
        if (reading.shabbat >= end || reading.shabbat < n) {
            break;
        }
        std::printf("%d,", static_cast<int>(reading.shabbat));
        if (reading.second != Portion::None) {
            std::printf("%d-%d\n", PortionNumber(reading.first), PortionNumber(reading.second));
        } else if (reading.first != Portion::None) {
            std::printf("%d\n", PortionNumber(reading.first));
        } else {
            std::printf("\n");
        }
        n = reading.shabbat + 7;
    }
    return 0;
}
