#include "holidays/holiday_table.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "calendar/calendar_cursor.h"
#include "calendar/hebrew.h"

namespace {

using H = HolidayCode;
constexpr Observance kIsrael = Observance::Israel;
constexpr Observance kDiaspora = Observance::Diaspora;

std::vector<H> Codes(const HolidayCodes& codes) {
    return std::vector<H>(codes.codes, codes.codes + codes.count);
}

std::vector<H> CodesOnGregorian(int day, int month, int year, Observance observance) {
    return Codes(HolidaysOn(GregorianToDayNumber(day, month, year), observance));
}

std::vector<H> CodesOnHebrew(int day, int month, int year, Observance observance) {
    return Codes(HolidaysOn(HebrewToDayNumber(day, month, year), observance));
}

// The rows of each day, gathered in one pass over the table: the answer a scan from the first row gives.
std::map<DayNumber, std::vector<H>> RowsByDay(Observance observance) {
    std::map<DayNumber, std::vector<H>> days;
    const HolidayTable table = HolidayTableFor(observance);
    for (int i = 0; i < table.count; ++i) {
        days[table.rows[i].dayNumber].push_back(table.rows[i].code);
    }
    return days;
}

// The first row of the year's range with the code, scanning from the first row of the table.
DayNumber ScanForHolidayInYear(int hebrewYear, Observance observance, H code) {
    const DayNumber lower = HebrewToDayNumber(1, kTishrei, hebrewYear);
    const DayNumber upper = HebrewToDayNumber(1, kElul, hebrewYear);
    const HolidayTable table = HolidayTableFor(observance);
    for (int i = 0; i < table.count; ++i) {
        if (table.rows[i].dayNumber > upper) {
            return 0;
        }
        if (table.rows[i].dayNumber >= lower && table.rows[i].code == code) {
            return table.rows[i].dayNumber;
        }
    }
    return 0;
}

TEST(HolidayTable, RowCountsOfBothTables) {
    EXPECT_EQ(HolidayTableFor(kIsrael).count, 14666);
    EXPECT_EQ(HolidayTableFor(kDiaspora).count, 15066);
}

TEST(HolidayTable, EveryObservanceButDiasporaSelectsTheIsraelTable) {
    for (const int observance : {-1, 0, 1, 3, 100}) {
        EXPECT_EQ(HolidayTableFor(static_cast<Observance>(observance)).rows, HolidayTableFor(kIsrael).rows)
            << observance;
    }
    EXPECT_NE(HolidayTableFor(kDiaspora).rows, HolidayTableFor(kIsrael).rows);
}

TEST(HolidayTable, RowsPerCode) {
    std::map<int, int> expectedIsrael, expectedDiaspora;
    for (int code = 1; code <= 60; ++code) {
        expectedIsrael[code] = 200;
        expectedDiaspora[code] = 200;
    }
    for (auto* expected : {&expectedIsrael, &expectedDiaspora}) {
        (*expected)[1] = 3587;
        (*expected)[3] = 74;
        (*expected)[57] = 161;
        (*expected)[58] = 161;
        (*expected)[59] = 151;
        (*expected)[60] = 132;
    }
    expectedIsrael.erase(21);
    expectedIsrael.erase(25);
    for (const auto& [observance, expected] : {std::pair{kIsrael, expectedIsrael}, {kDiaspora, expectedDiaspora}}) {
        std::map<int, int> counted;
        const HolidayTable table = HolidayTableFor(observance);
        for (int i = 0; i < table.count; ++i) {
            ++counted[CodeNumber(table.rows[i].code)];
        }
        EXPECT_EQ(counted, expected) << "Diaspora " << IsDiaspora(observance);
    }
}

struct Date {
    int day, month, year;
};

bool operator==(const Date& a, const Date& b) {
    return a.day == b.day && a.month == b.month && a.year == b.year;
}

std::ostream& operator<<(std::ostream& out, const Date& d) {
    return out << d.day << "/" << d.month << "/" << d.year;
}

TEST(HolidayTable, FirstAndLastRowOfEveryCode) {
    struct Case {
        int code;
        Date first, last;
        int onlyObservance;  // 0: both tables, else the observance's number
    };
    const Case cases[] = {
        {1, {1, 1, 1900}, {13, 12, 2099}, 0},    {2, {15, 1, 1900}, {5, 2, 2099}, 0},
        {3, {13, 2, 1900}, {16, 2, 2098}, 0},    {4, {24, 2, 1900}, {21, 2, 2099}, 0},
        {5, {10, 3, 1900}, {28, 2, 2099}, 0},    {6, {14, 3, 1900}, {5, 3, 2099}, 0},
        {7, {15, 3, 1900}, {6, 3, 2099}, 0},     {8, {16, 3, 1900}, {8, 3, 2099}, 0},
        {9, {24, 3, 1900}, {14, 3, 2099}, 0},    {10, {31, 3, 1900}, {21, 3, 2099}, 0},
        {11, {7, 4, 1900}, {4, 4, 2099}, 0},     {12, {12, 4, 1900}, {2, 4, 2099}, 0},
        {13, {13, 4, 1900}, {4, 4, 2099}, 0},    {14, {14, 4, 1900}, {5, 4, 2099}, 0},
        {15, {15, 4, 1900}, {6, 4, 2099}, 0},    {16, {16, 4, 1900}, {7, 4, 2099}, 0},
        {17, {17, 4, 1900}, {8, 4, 2099}, 0},    {18, {18, 4, 1900}, {9, 4, 2099}, 0},
        {19, {19, 4, 1900}, {10, 4, 2099}, 0},   {20, {20, 4, 1900}, {11, 4, 2099}, 0},
        {21, {21, 4, 1900}, {12, 4, 2099}, 2},   {22, {17, 5, 1900}, {8, 5, 2099}, 0},
        {23, {2, 6, 1900}, {24, 5, 2099}, 0},    {24, {3, 6, 1900}, {25, 5, 2099}, 0},
        {25, {4, 6, 1900}, {26, 5, 2099}, 2},    {26, {15, 7, 1900}, {5, 7, 2099}, 0},
        {27, {4, 8, 1900}, {25, 7, 2099}, 0},    {28, {5, 8, 1900}, {26, 7, 2099}, 0},
        {29, {11, 8, 1900}, {1, 8, 2099}, 0},    {30, {23, 9, 1900}, {14, 9, 2099}, 0},
        {31, {24, 9, 1900}, {15, 9, 2099}, 0},   {32, {25, 9, 1900}, {16, 9, 2099}, 0},
        {33, {26, 9, 1900}, {17, 9, 2099}, 0},   {34, {29, 9, 1900}, {19, 9, 2099}, 0},
        {35, {2, 10, 1900}, {23, 9, 2099}, 0},   {36, {3, 10, 1900}, {24, 9, 2099}, 0},
        {37, {7, 10, 1900}, {28, 9, 2099}, 0},   {38, {8, 10, 1900}, {29, 9, 2099}, 0},
        {39, {9, 10, 1900}, {30, 9, 2099}, 0},   {40, {10, 10, 1900}, {1, 10, 2099}, 0},
        {41, {11, 10, 1900}, {2, 10, 2099}, 0},  {42, {12, 10, 1900}, {3, 10, 2099}, 0},
        {43, {13, 10, 1900}, {4, 10, 2099}, 0},  {44, {14, 10, 1900}, {5, 10, 2099}, 0},
        {45, {15, 10, 1900}, {6, 10, 2099}, 0},  {46, {15, 10, 1900}, {6, 10, 2099}, 1},
        {46, {16, 10, 1900}, {7, 10, 2099}, 2},  {47, {16, 12, 1900}, {6, 12, 2099}, 0},
        {48, {17, 12, 1900}, {7, 12, 2099}, 0},  {49, {18, 12, 1900}, {8, 12, 2099}, 0},
        {50, {19, 12, 1900}, {9, 12, 2099}, 0},  {51, {20, 12, 1900}, {10, 12, 2099}, 0},
        {52, {21, 12, 1900}, {11, 12, 2099}, 0}, {53, {22, 12, 1900}, {12, 12, 2099}, 0},
        {54, {23, 12, 1900}, {13, 12, 2099}, 0}, {55, {24, 12, 1900}, {14, 12, 2099}, 0},
        {56, {1, 1, 1901}, {22, 12, 2099}, 0},   {57, {16, 4, 1939}, {17, 4, 2099}, 0},
        {58, {23, 4, 1939}, {22, 4, 2099}, 0},   {59, {4, 5, 1949}, {23, 4, 2099}, 0},
        {60, {26, 5, 1968}, {18, 5, 2099}, 0},
    };
    for (const Case& c : cases) {
        for (const Observance observance : {kIsrael, kDiaspora}) {
            if (c.onlyObservance != 0 && c.onlyObservance != static_cast<int>(observance)) {
                continue;
            }
            const HolidayTable table = HolidayTableFor(observance);
            const HolidayRow* first = nullptr;
            const HolidayRow* last = nullptr;
            for (int i = 0; i < table.count; ++i) {
                if (CodeNumber(table.rows[i].code) == c.code) {
                    first = first != nullptr ? first : &table.rows[i];
                    last = &table.rows[i];
                }
            }
            ASSERT_NE(first, nullptr) << "code " << c.code << ", Diaspora " << IsDiaspora(observance);
            EXPECT_EQ((Date{first->day, first->month, first->year}), c.first)
                << "first row of code " << c.code << ", Diaspora " << IsDiaspora(observance);
            EXPECT_EQ((Date{last->day, last->month, last->year}), c.last)
                << "last row of code " << c.code << ", Diaspora " << IsDiaspora(observance);
        }
    }
}

TEST(HolidayTable, BothTablesBeginOn1January1900AndEndOn22December2099) {
    for (const Observance observance : {kIsrael, kDiaspora}) {
        const HolidayTable table = HolidayTableFor(observance);
        const HolidayRow& first = table.rows[0];
        const HolidayRow& last = table.rows[table.count - 1];
        EXPECT_EQ((Date{first.day, first.month, first.year}), (Date{1, 1, 1900}));
        EXPECT_EQ(first.code, H::RoshChodesh);
        EXPECT_EQ((Date{last.day, last.month, last.year}), (Date{22, 12, 2099}));
        EXPECT_EQ(last.code, H::FastOfTevet);
    }
}

// The day numbers are generated with the rows.
TEST(HolidayTable, EveryDayNumberIsThatOfItsRowsDate) {
    for (const Observance observance : {kIsrael, kDiaspora}) {
        const HolidayTable table = HolidayTableFor(observance);
        int wrong = 0;
        for (int i = 0; i < table.count; ++i) {
            const HolidayRow& row = table.rows[i];
            wrong += row.dayNumber == GregorianToDayNumber(row.day, row.month, row.year) ? 0 : 1;
        }
        EXPECT_EQ(wrong, 0) << IsDiaspora(observance);
    }
}

TEST(HolidayTable, RowsAreSortedByDateThenCode) {
    for (const Observance observance : {kIsrael, kDiaspora}) {
        const HolidayTable table = HolidayTableFor(observance);
        for (int i = 1; i < table.count; ++i) {
            const HolidayRow& a = table.rows[i - 1];
            const HolidayRow& b = table.rows[i];
            ASSERT_TRUE(a.dayNumber < b.dayNumber || (a.dayNumber == b.dayNumber && a.code < b.code))
                << "rows " << i - 1 << " and " << i << ", Diaspora " << IsDiaspora(observance);
        }
    }
}

TEST(HolidayTable, NoDayHasMoreCodesThanALookupReturns) {
    for (const Observance observance : {kIsrael, kDiaspora}) {
        std::size_t most = 0;
        for (const auto& [day, codes] : RowsByDay(observance)) {
            most = std::max(most, codes.size());
        }
        EXPECT_LE(most, static_cast<std::size_t>(kMaxHolidaysPerDay));
        EXPECT_GE(most, 2u);
    }
}

TEST(HolidayTable, EdgeDaysOfTheRules) {
    const struct {
        const char* label;
        Observance observance;
        int hebrewDay, hebrewMonth, hebrewYear;
        std::vector<H> codes;
    } cases[] = {
        {"22 Tishrei in Israel: Shmini Atzeret and Simchat Torah",
         kIsrael,
         22,
         kTishrei,
         5785,
         {H::ShminiAtzeret, H::SimchatTorah}},
        {"22 Tishrei in the Diaspora: Shmini Atzeret", kDiaspora, 22, kTishrei, 5785, {H::ShminiAtzeret}},
        {"23 Tishrei in the Diaspora: Simchat Torah", kDiaspora, 23, kTishrei, 5785, {H::SimchatTorah}},
        {"23 Tishrei in Israel: nothing", kIsrael, 23, kTishrei, 5785, {}},
        {"22 Nisan in the Diaspora", kDiaspora, 22, kNisan, 5784, {H::PassoverVIII}},
        {"22 Nisan in Israel", kIsrael, 22, kNisan, 5784, {}},
        {"7 Sivan in the Diaspora", kDiaspora, 7, kSivan, 5784, {H::ShavuotII}},
        {"7 Sivan in Israel", kIsrael, 7, kSivan, 5784, {}},
        {"16 Nisan in Israel", kIsrael, 16, kNisan, 5784, {H::PassoverII}},
        {"16 Tishrei in Israel", kIsrael, 16, kTishrei, 5785, {H::SukkotII}},
        {"30 Kislev 5785: Rosh Chodesh first, then Chanukah",
         kDiaspora,
         30,
         kKislev,
         5785,
         {H::RoshChodesh, H::ChanukahVI}},
        {"1 Tevet 5785", kIsrael, 1, kTevet, 5785, {H::RoshChodesh, H::ChanukahVII}},
        {"1 Tevet 5784 (Kislev of 29 days)", kDiaspora, 1, kTevet, 5784, {H::RoshChodesh, H::ChanukahVI}},
        {"1 Nisan 5775, a Saturday", kDiaspora, 1, kNisan, 5775, {H::RoshChodesh, H::ShabbatHaChodesh}},
        {"14 Nisan 5775, a Friday: the fast moved to Thursday", kDiaspora, 14, kNisan, 5775, {H::ErevPassover}},
        {"13 Nisan 5775", kDiaspora, 13, kNisan, 5775, {H::TaanitBechorot}},
        {"14 Nisan 5784, a Monday", kDiaspora, 14, kNisan, 5784, {H::TaanitBechorot, H::ErevPassover}},
        {"14 Nisan 5781, a Saturday", kIsrael, 14, kNisan, 5781, {H::ShabbatHaGadol, H::ErevPassover}},
        {"12 Nisan 5781, the fast of the firstborn moved to Thursday", kIsrael, 12, kNisan, 5781, {H::TaanitBechorot}},
        {"5 Iyar 5784, a Monday: Yom Ha-Zikaron", kIsrael, 5, kIyar, 5784, {H::YomHaZikaron}},
        {"6 Iyar 5784: Yom Ha-Atzmaut", kIsrael, 6, kIyar, 5784, {H::YomHaAtzmaut}},
        {"4 Iyar 5757, a Sunday: Yom Ha-Zikaron", kDiaspora, 4, kIyar, 5757, {H::YomHaZikaron}},
        {"5 Iyar 5757, a Monday before 5764: Yom Ha-Atzmaut", kDiaspora, 5, kIyar, 5757, {H::YomHaAtzmaut}},
        {"30 Adar I 5784: Rosh Chodesh of Adar II", kDiaspora, 30, kAdarI, 5784, {H::RoshChodesh}},
        {"14 Adar I 5784: Purim Katan", kDiaspora, 14, kAdarI, 5784, {H::PurimKatan}},
        {"14 Adar II 5784: Purim", kDiaspora, 14, kAdarII, 5784, {H::Purim}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CodesOnHebrew(c.hebrewDay, c.hebrewMonth, c.hebrewYear, c.observance), c.codes) << c.label;
    }
}

// Before Israel's independence day was listed (from 5709), Yom Ha-Zikaron still falls on the eve of the day that
// the full rule gives: 5 Iyar was a Monday in 5706, a Wednesday in 5705 and a Friday in 5704 and 5708.
TEST(HolidayTable, YomHaZikaronBeforeIndependenceFollowsTheFullRule) {
    const struct {
        int hebrewYear;
        int zikaronDay;
    } cases[] = {{5706, 4}, {5705, 4}, {5704, 3}, {5708, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(FindHolidayInHebrewYear(c.hebrewYear, kIsrael, H::YomHaZikaron),
                  HebrewToDayNumber(c.zikaronDay, kIyar, c.hebrewYear))
            << c.hebrewYear;
        EXPECT_EQ(FindHolidayInHebrewYear(c.hebrewYear, kIsrael, H::YomHaAtzmaut), 0) << c.hebrewYear;
    }
    EXPECT_EQ(FindHolidayInHebrewYear(5698, kIsrael, H::YomHaZikaron), 0);
    EXPECT_EQ(FindHolidayInHebrewYear(5698, kIsrael, H::YomHaShoah), 0);
    EXPECT_EQ(FindHolidayInHebrewYear(5727, kIsrael, H::YomYerushalayim), 0);
}

// Dates from published Jewish calendars, not from the rules.
TEST(HolidayTable, AgreesWithPublishedDates) {
    const struct {
        const char* label;
        Observance observance;
        H code;
        int day, month, year;
    } cases[] = {
        {"Passover 1948", kDiaspora, H::PassoverI, 24, 4, 1948},
        {"Passover 2000", kDiaspora, H::PassoverI, 20, 4, 2000},
        {"Passover 2008", kIsrael, H::PassoverI, 20, 4, 2008},
        {"Passover 2010", kDiaspora, H::PassoverI, 30, 3, 2010},
        {"Passover 2019", kDiaspora, H::PassoverI, 20, 4, 2019},
        {"Passover 2023", kDiaspora, H::PassoverI, 6, 4, 2023},
        {"Passover 2024", kIsrael, H::PassoverI, 23, 4, 2024},
        {"Passover 2025", kDiaspora, H::PassoverI, 13, 4, 2025},
        {"Rosh Hashanah 1999", kDiaspora, H::RoshHashanah, 11, 9, 1999},
        {"Rosh Hashanah 2000", kDiaspora, H::RoshHashanah, 30, 9, 2000},
        {"Rosh Hashanah 2007", kIsrael, H::RoshHashanah, 13, 9, 2007},
        {"Rosh Hashanah 2020", kDiaspora, H::RoshHashanah, 19, 9, 2020},
        {"Rosh Hashanah 2021", kDiaspora, H::RoshHashanah, 7, 9, 2021},
        {"Rosh Hashanah 2022", kDiaspora, H::RoshHashanah, 26, 9, 2022},
        {"Rosh Hashanah 2023", kIsrael, H::RoshHashanah, 16, 9, 2023},
        {"Rosh Hashanah 2024", kDiaspora, H::RoshHashanah, 3, 10, 2024},
        {"Rosh Hashanah 2025", kDiaspora, H::RoshHashanah, 23, 9, 2025},
        {"Yom Kippur 2022", kDiaspora, H::YomKippur, 5, 10, 2022},
        {"Yom Kippur 2023", kDiaspora, H::YomKippur, 25, 9, 2023},
        {"Yom Kippur 2024", kIsrael, H::YomKippur, 12, 10, 2024},
        {"Yom Kippur 2025", kDiaspora, H::YomKippur, 2, 10, 2025},
        {"Shmini Atzeret 2023", kDiaspora, H::ShminiAtzeret, 7, 10, 2023},
        {"Simchat Torah 2023 outside Israel", kDiaspora, H::SimchatTorah, 8, 10, 2023},
        {"Simchat Torah 2024 in Israel", kIsrael, H::SimchatTorah, 24, 10, 2024},
        {"Simchat Torah 2024 outside Israel", kDiaspora, H::SimchatTorah, 25, 10, 2024},
        {"Chanukah 2013", kDiaspora, H::ChanukahI, 28, 11, 2013},
        {"Chanukah 2021", kDiaspora, H::ChanukahI, 29, 11, 2021},
        {"Chanukah 2022", kDiaspora, H::ChanukahI, 19, 12, 2022},
        {"Chanukah 2023", kIsrael, H::ChanukahI, 8, 12, 2023},
        {"Chanukah 2024", kDiaspora, H::ChanukahI, 26, 12, 2024},
        {"Chanukah 2025", kDiaspora, H::ChanukahI, 15, 12, 2025},
        {"Fast of Tevet 2025", kDiaspora, H::FastOfTevet, 30, 12, 2025},
        {"Fast of Tevet 2023, on a Friday", kDiaspora, H::FastOfTevet, 22, 12, 2023},
        {"Fast of Tevet 5785, on a Friday", kIsrael, H::FastOfTevet, 10, 1, 2025},
        {"Tu B'Shvat 2024", kDiaspora, H::TuBShvat, 25, 1, 2024},
        {"Tu B'Shvat 2025", kDiaspora, H::TuBShvat, 13, 2, 2025},
        {"Purim Katan 2024", kDiaspora, H::PurimKatan, 23, 2, 2024},
        {"Shabbat Shekalim 2024", kDiaspora, H::ShabbatShekalim, 9, 3, 2024},
        {"Shabbat Zachor 2024", kDiaspora, H::ShabbatZachor, 23, 3, 2024},
        {"Fast of Esther 2024, moved to Thursday", kDiaspora, H::FastOfEsther, 21, 3, 2024},
        {"Fast of Esther 2025", kDiaspora, H::FastOfEsther, 13, 3, 2025},
        {"Purim 2016", kDiaspora, H::Purim, 24, 3, 2016},
        {"Purim 2022", kDiaspora, H::Purim, 17, 3, 2022},
        {"Purim 2023", kDiaspora, H::Purim, 7, 3, 2023},
        {"Purim 2024", kIsrael, H::Purim, 24, 3, 2024},
        {"Purim 2025", kDiaspora, H::Purim, 14, 3, 2025},
        {"Shabbat Parah 2024", kDiaspora, H::ShabbatParah, 30, 3, 2024},
        {"Shabbat Ha-Chodesh 2024", kDiaspora, H::ShabbatHaChodesh, 6, 4, 2024},
        {"Shabbat Ha-Gadol 2024", kDiaspora, H::ShabbatHaGadol, 20, 4, 2024},
        {"Fast of the Firstborn 2024", kDiaspora, H::TaanitBechorot, 22, 4, 2024},
        {"Fast of the Firstborn 2025, moved to Thursday", kDiaspora, H::TaanitBechorot, 10, 4, 2025},
        {"Yom Ha-Shoah 2023", kIsrael, H::YomHaShoah, 18, 4, 2023},
        {"Yom Ha-Zikaron 2024", kIsrael, H::YomHaZikaron, 13, 5, 2024},
        {"Yom Ha-Zikaron 2025", kIsrael, H::YomHaZikaron, 30, 4, 2025},
        {"Yom Ha-Atzmaut 1997", kIsrael, H::YomHaAtzmaut, 12, 5, 1997},
        {"Yom Ha-Atzmaut 2004, moved from Monday", kIsrael, H::YomHaAtzmaut, 27, 4, 2004},
        {"Yom Ha-Atzmaut 2022", kIsrael, H::YomHaAtzmaut, 5, 5, 2022},
        {"Yom Ha-Atzmaut 2023", kIsrael, H::YomHaAtzmaut, 26, 4, 2023},
        {"Yom Ha-Atzmaut 2024, moved from Monday", kIsrael, H::YomHaAtzmaut, 14, 5, 2024},
        {"Yom Ha-Atzmaut 2025, moved from Friday", kIsrael, H::YomHaAtzmaut, 1, 5, 2025},
        {"Lag B'Omer 2024", kDiaspora, H::LagBOmer, 26, 5, 2024},
        {"Lag B'Omer 2025", kDiaspora, H::LagBOmer, 16, 5, 2025},
        {"Yom Yerushalayim 2023", kIsrael, H::YomYerushalayim, 19, 5, 2023},
        {"Yom Yerushalayim 2024", kIsrael, H::YomYerushalayim, 5, 6, 2024},
        {"Shavuot 2023", kDiaspora, H::ShavuotI, 26, 5, 2023},
        {"Shavuot 2024", kIsrael, H::ShavuotI, 12, 6, 2024},
        {"Shavuot 2025", kDiaspora, H::ShavuotI, 2, 6, 2025},
        {"Fast of Tammuz 2024", kDiaspora, H::FastOfTammuz, 23, 7, 2024},
        {"Fast of Tammuz 2025, moved to Sunday", kDiaspora, H::FastOfTammuz, 13, 7, 2025},
        {"Shabbat Hazon 2024", kDiaspora, H::ShabbatHazon, 10, 8, 2024},
        {"Tisha B'Av 2022, moved to Sunday", kDiaspora, H::TishaBAv, 7, 8, 2022},
        {"Tisha B'Av 2023", kDiaspora, H::TishaBAv, 27, 7, 2023},
        {"Tisha B'Av 2024", kIsrael, H::TishaBAv, 13, 8, 2024},
        {"Tisha B'Av 2025, moved to Sunday", kDiaspora, H::TishaBAv, 3, 8, 2025},
        {"Shabbat Nachamu 2024", kDiaspora, H::ShabbatNachamu, 17, 8, 2024},
        {"Fast of Gedaliah 2023", kDiaspora, H::FastOfGedaliah, 18, 9, 2023},
        {"Fast of Gedaliah 2024, moved to Sunday", kDiaspora, H::FastOfGedaliah, 6, 10, 2024},
        {"Shabbat Shuva 2024", kDiaspora, H::ShabbatShuva, 5, 10, 2024},
    };
    for (const auto& c : cases) {
        const std::vector<H> codes = CodesOnGregorian(c.day, c.month, c.year, c.observance);
        EXPECT_NE(std::find(codes.begin(), codes.end(), c.code), codes.end()) << c.label;
    }
}

TEST(HolidayTable, LookupsAgreeWithAScanOfTheRowsForEveryDay) {
    for (const Observance observance : {kIsrael, kDiaspora}) {
        const std::map<DayNumber, std::vector<H>> byDay = RowsByDay(observance);
        int wrong = 0;
        for (DayNumber n = kFirstSupportedDay - 40; n <= kLastSupportedDay + 40 && wrong < 10; ++n) {
            const auto it = byDay.find(n);
            const std::vector<H> expected = it == byDay.end() ? std::vector<H>{} : it->second;
            if (HasHoliday(n, observance) != !expected.empty() || Codes(HolidaysOn(n, observance)) != expected) {
                ADD_FAILURE() << "day " << n << ", Diaspora " << IsDiaspora(observance);
                ++wrong;
            }
        }
    }
}

TEST(HolidayTable, NothingBeforeTheFirstRowOrAfterTheLast) {
    for (const Observance observance : {kIsrael, kDiaspora}) {
        EXPECT_FALSE(HasHoliday(kFirstSupportedDay - 1, observance));
        EXPECT_FALSE(HasHoliday(0, observance));
        EXPECT_FALSE(HasHoliday(kLastSupportedDay + 1, observance));
        EXPECT_TRUE(HasHoliday(kFirstSupportedDay, observance));
        EXPECT_EQ(HolidaysOn(kFirstSupportedDay - 1, observance).count, 0);
    }
}

TEST(HolidayTable, FindingInAHebrewYearAgreesWithAScanFromTheFirstRow) {
    int wrong = 0;
    for (const Observance observance : {kIsrael, kDiaspora}) {
        for (int year = 5659; year <= 5861; ++year) {
            for (int number = 0; number <= kHolidayCodeCount && wrong < 10; ++number) {
                const H code = static_cast<H>(number);
                if (FindHolidayInHebrewYear(year, observance, code) != ScanForHolidayInYear(year, observance, code)) {
                    ADD_FAILURE() << "year " << year << ", code " << number << ", Diaspora " << IsDiaspora(observance);
                    ++wrong;
                }
            }
        }
    }
}

TEST(HolidayTable, FindingInAHebrewYear) {
    const struct {
        const char* label;
        int hebrewYear;
        Observance observance;
        H code;
        DayNumber expected;
    } cases[] = {
        {"Passover of 5768", 5768, kDiaspora, H::PassoverI, GregorianToDayNumber(20, 4, 2008)},
        {"Rosh Hashanah, the first day of the year", 5785, kIsrael, H::RoshHashanah, GregorianToDayNumber(3, 10, 2024)},
        {"Rosh Chodesh finds 30 Tishrei", 5785, kDiaspora, H::RoshChodesh, HebrewToDayNumber(30, kTishrei, 5785)},
        {"Simchat Torah in Israel finds 22 Tishrei", 5785, kIsrael, H::SimchatTorah,
         GregorianToDayNumber(24, 10, 2024)},
        {"Chanukah of 5784", 5784, kDiaspora, H::ChanukahI, GregorianToDayNumber(8, 12, 2023)},
        {"Passover VIII is not kept in Israel", 5784, kIsrael, H::PassoverVIII, 0},
        {"Shavuot II is not kept in Israel", 5784, kIsrael, H::ShavuotII, 0},
        {"Purim Katan in a regular year", 5785, kDiaspora, H::PurimKatan, 0},
        {"no holiday has code 0", 5785, kDiaspora, H::None, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindHolidayInHebrewYear(c.hebrewYear, c.observance, c.code), c.expected) << c.label;
    }
}

TEST(HolidayTable, ErevRoshHashanahIsNeverFound) {
    for (const Observance observance : {kIsrael, kDiaspora}) {
        for (int year = 5660; year <= 5860; ++year) {
            EXPECT_EQ(FindHolidayInHebrewYear(year, observance, H::ErevRoshHashanah), 0) << year;
        }
    }
}

TEST(HolidayTable, FindingInTheCursorYearUsesTheSelectedDay) {
    CalendarCursor cursor(HasHoliday);
    cursor.SetGregorianDate(1, 9, 2024);  // 28 Av 5784
    EXPECT_EQ(FindHolidayInCursorHebrewYear(cursor, kDiaspora, H::PassoverI), GregorianToDayNumber(23, 4, 2024));
    cursor.SetGregorianDate(3, 10, 2024);  // 1 Tishrei 5785
    EXPECT_EQ(FindHolidayInCursorHebrewYear(cursor, kDiaspora, H::PassoverI), GregorianToDayNumber(13, 4, 2025));
}

}  // namespace
