#include "holidays/parsha.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/hebrew.h"

namespace {

constexpr Observance kIsrael = Observance::Israel;
constexpr Observance kDiaspora = Observance::Diaspora;

// The portions read from Bereshit of the year to Ha'Azinu before the next Sukkot, each of two joined counted.
std::vector<int> PortionsOfTheYear(int year, Observance observance) {
    std::vector<int> read;
    const DayNumber end = HebrewToDayNumber(15, kTishrei, year + 1);
    for (DayNumber n = HebrewToDayNumber(15, kTishrei, year); n < end; n += 7) {
        const WeeklyPortion reading = PortionOfShabbat(n, observance);
        for (const Portion portion : {reading.first, reading.second}) {
            if (portion != Portion::None) {
                read.push_back(PortionNumber(portion));
            }
        }
        // A Shabbat without a portion is a festival day.
        EXPECT_EQ(reading.first == Portion::None, reading.festival != HolidayCode::None) << year << " day " << n;
    }
    return read;
}

// Far outside the years the holiday tables hold (the weekday of the New Year, the year's length and whether it is a
// leap year give every year type within a few dozen years): each year reads Bereshit to Ha'Azinu, each once and in
// order, under both schedules, and Vezot Haberakhah (read on Simchat Torah) never on a Shabbat.
TEST(WeeklyPortion, EveryYearReadsEachPortionOnceInOrder) {
    std::vector<int> bereshitToHaAzinu;
    for (int number = 1; number <= PortionNumber(Portion::HaAzinu); ++number) {
        bereshitToHaAzinu.push_back(number);
    }
    for (const int first : {1, 3000, 9000, 250000, 1003700}) {
        for (int year = first; year < first + 40; ++year) {
            EXPECT_EQ(PortionsOfTheYear(year, kIsrael), bereshitToHaAzinu) << "Israel, year " << year;
            EXPECT_EQ(PortionsOfTheYear(year, kDiaspora), bereshitToHaAzinu) << "Diaspora, year " << year;
        }
    }
}

// The year's shape decides the joins, and the Diaspora's extra festival days part the schedules for some weeks.
TEST(WeeklyPortion, WorkedDays) {
    struct Case {
        const char* label;
        int day, month, year;
        Observance observance;
        const char* name;
    };
    const Case cases[] = {
        {"Regular year: Vayakhel-Pekudei together", 18, 3, 2023, kDiaspora, "Vayakhel-Pekudei"},
        {"Leap year from a Thursday: Achrei Mot before Passover", 12, 4, 2014, kIsrael, "Achrei Mot"},
        {"Passover VIII on Shabbat: Israel goes on", 27, 4, 2019, kIsrael, "Achrei Mot"},
        {"Passover VIII on Shabbat: no portion in the Diaspora", 27, 4, 2019, kDiaspora, "Passover VIII"},
        {"Shavuot II on Shabbat: the Diaspora catches up", 1, 7, 2023, kDiaspora, "Chukat-Balak"},
        {"New Year on a Thursday: Nitzavim-Vayeilech", 28, 9, 2024, kIsrael, "Nitzavim-Vayeilech"},
        {"Yom Kippur on Shabbat", 12, 10, 2024, kDiaspora, "Yom Kippur"},
        {"22 Tishrei on Shabbat, Israel", 7, 10, 2023, kIsrael, "Shmini Atzeret / Simchat Torah"},
        {"A weekday asks for the Shabbat after it", 13, 3, 2024, kIsrael, "Pekudei"},
    };
    for (const Case& c : cases) {
        const WeeklyPortion reading = PortionOfShabbat(GregorianToDayNumber(c.day, c.month, c.year), c.observance);
        char name[kWeeklyPortionNameSize];
        WeeklyPortionName(reading, c.observance, name, sizeof name);
        EXPECT_EQ(std::string(name), c.name) << c.label;
        EXPECT_EQ(WeekdayOf(reading.shabbat), 6) << c.label;
    }
}

}  // namespace
