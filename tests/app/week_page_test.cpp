#include "app/week_page.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "location/place_rules.h"

namespace {

// New York (ZIP 10001) keeps a zone of its own: the computer's is never asked.
bool NoHostZone(const CivilTime&, CivilTime&) {
    return false;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

struct WeekCase {
    const char* label;
    DayNumber day;
    std::vector<std::string> expected;  // lines the page holds, in this order, not necessarily together
};

// Two weeks at New York under the Diaspora schedule with the usual rules (18 minutes, havdalah at nightfall). The
// portions, Omer counts, molad, Rosh Chodesh and daf are those a separate calendar program lists for these days;
// the candle-lighting days and the fast's are what the customs give (Tisha B'Av 5785 fell on Shabbat and was kept
// on Sunday, beginning as Shabbat ended). The clock times are New York's daylight-saving time, as the other program
// gives Friday's candles, sunrise, sunset and 72 minutes after sunset there.
TEST(WeekPage, ShowsTheWeeksFactsInOrder) {
    const WeekCase cases[] = {
        {"Wednesday before Tisha B'Av kept on Sunday, 30 July 2025",
         GregorianToDayNumber(30, 7, 2025),
         {
             "@New York, NY  10001 (Diaspora)",
             "3:15:20 PM, December 8, 2026",
             "@Shabbat, August 2: Devarim",
             "Fri, Aug 1: Candle lighting 7:53 PM (Shabbat)",
             "Sat, Aug 2: Fast begins",
             "Sat, Aug 2: Havdalah",
             "Sun, Aug 3: Fast ends",
             "Candles 18 minutes before sunset, havdalah at nightfall",
             "Daf yomi: Avodah Zarah 42",
             "@Zmanim of Wednesday, July 30, 2025",
         }},
        {"Shabbat Mevarchim of Sivan in the Omer, 1 June 2024",
         GregorianToDayNumber(1, 6, 2024),
         {
             "@Shabbat, June 1: Bechukotai",
             "Fri, May 31: Candle lighting 8:02 PM (Shabbat)",
             "Omer, Sat, Jun 1 (counted the evening before): Today is 39 days, which is 5 weeks and 4 days of the Omer",
             "Omer, evening of Sat, Jun 1: Today is 40 days, which is 5 weeks and 5 days of the Omer",
             "@Shabbat Mevarchim: Sivan 5784",
             "Molad: Friday, June 7, 2024, 12:25 AM and 9 chalakim",
             "Rosh Chodesh Sivan: Friday, June 7, 2024",
             "Daf yomi: Bava Metzia 94",
             "@Zmanim of Saturday, June 1, 2024",
             "Sunrise: 5:26 AM",
             "Sunset: 8:21 PM",
             "72 minutes after sunset: 9:33 PM",
         }},
    };
    Location newYork;
    ASSERT_TRUE(ChooseCity(10001, newYork));
    const PageClock clock{"3:15:20 PM", {2026, 12, 8, 15, 15, 20}, NoHostZone};
    for (const WeekCase& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string text = WeekPageTextOf(c.day, newYork, {18, std::nullopt}, clock, true);
        const std::vector<std::string> lines = Lines(text);
        std::size_t at = 0;
        for (const std::string& wanted : c.expected) {
            while (at < lines.size() && lines[at].compare(0, wanted.size(), wanted) != 0) {
                ++at;
            }
            ASSERT_LT(at, lines.size()) << "missing or out of order: " << wanted << "\n" << text;
        }
    }
}

// A yahrzeit of 9 Adar 5750 (5 March 1990 after sunset) falls on 9 Adar I 5784, Sunday 18 February 2024, by the
// Adar I custom; it begins at sunset on the 17th. A birthday of 13 Tammuz 5761 (4 July 2001) falls on 19 July 2024.
// The names are UTF-8, shown in Windows-1252.
TEST(WeekPage, NamesPeoplesDatesOnTheirDaysAlone) {
    std::vector<PersonDate> dates(2);
    dates[0].name = "Sarah bat Avraham";
    dates[0].kind = PersonDateKind::Yahrzeit;
    dates[0].civilDay = GregorianToDayNumber(5, 3, 1990);
    dates[0].afterSunset = true;
    dates[1].name = "Zo\xC3\xAB";
    dates[1].kind = PersonDateKind::Birthday;
    dates[1].hebrew = {13, 10, 5761};
    const struct {
        DayNumber day;
        const char* line;  // nullptr: no date's line
    } cases[] = {
        {GregorianToDayNumber(18, 2, 2024), "Yahrzeit: Sarah bat Avraham (5784)"},
        {GregorianToDayNumber(17, 2, 2024), "Yahrzeit of Sarah bat Avraham begins this evening"},
        {GregorianToDayNumber(19, 2, 2024), nullptr},
        {GregorianToDayNumber(19, 7, 2024), "Hebrew birthday: Zo\xEB"},
        {GregorianToDayNumber(18, 7, 2024), nullptr},
    };
    Location newYork;
    ASSERT_TRUE(ChooseCity(10001, newYork));
    const PageClock clock{"3:15:20 PM", {2026, 12, 8, 15, 15, 20}, NoHostZone};
    for (const auto& c : cases) {
        const std::vector<std::string> lines =
            Lines(WeekPageTextOf(c.day, newYork, {18, std::nullopt}, clock, true, dates));
        const std::vector<std::string> without = Lines(WeekPageTextOf(c.day, newYork, {18, std::nullopt}, clock, true));
        // The date's line comes right after the portion's; the rest of the page is as without dates.
        std::vector<std::string> expected = without;
        if (c.line != nullptr) {
            expected.insert(expected.begin() + 3, c.line);
        }
        EXPECT_EQ(lines, expected) << c.day;
    }
}

}  // namespace
