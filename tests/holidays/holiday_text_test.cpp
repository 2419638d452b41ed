#include "holidays/holiday_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "calendar/hebrew.h"
#include "holidays/holiday_table.h"

namespace {

using H = HolidayCode;
constexpr Observance kIsrael = Observance::Israel;
constexpr Observance kDiaspora = Observance::Diaspora;
constexpr std::size_t kPageSize = 20000;

const char kNoHoliday[] = "@No holiday today\n \nClick on the calendar to see the holidays for that day.\n \n";

const char kPassoverDescription[] =
    "Passover (Pesach) -- 15 Nisan\n \n#Commemorates the freeing of the Jews from slavery to the Pharaoh of Egypt and "
    "the birth of the nation of Israel. During this holiday hametz, any leavened foods, cannot be consumed. Instead "
    "matzo, an unleavened bread, is eaten, especially during the Passover Seder. The restriction against leavened "
    "bread is in remembrance that the Israelites did not have time to let their bread rise in their flight from "
    "Egypt.\n \n";

const char kRoshChodeshDescription[] = "Rosh Chodesh -- Beginning of each month\n \n#Lunar New Month\n \n";

const char kSheminiAtzeretDescription[] =
    "Shemini Atzeret / Simchat Torah -- 22 Tishrei\n \n#Known as the Eight Day of Assembley, Shemini Atzeret, follows "
    "the end of Sukkot. In the diaspora Shemini Atzeret is followed by Simchat Torah and in Israel the two occur on "
    "the same day. On Simchat Torah the final section of the Torah is read, followed immediately by the first.\n \n";

const char kYomKippurDescription[] =
    "Yom Kippur -- 10 Tishrei\n \n#Yom Kippur, the Day of Atonement, is the last of the Days of Awe and the holiest "
    "day of Judaism. It is on this day that G-d seals the books with one's fate for the following year. In the time "
    "between Rosh Hashanah and Yom Kippur people are encouraged to atone for their sins against others and to seek "
    "reconciliation.\n \nIt is custom to fast during this holiday and to refrain from all work.\n \n";

std::string Text(int day, int month, int year, Observance observance, bool keepMarkers = true) {
    std::vector<char> buffer(kPageSize, 'x');
    const std::size_t length = BuildHolidayText(day, month, year, observance, buffer.data(), kPageSize, keepMarkers);
    const std::string text(buffer.data());
    EXPECT_EQ(length, text.size());
    return text;
}

// The name lines: everything before the empty line that follows them.
std::vector<std::string> NameLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos || end == start) {
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The first day in the observance's table with the code, as a Hebrew date.
bool FirstDayWithCode(Observance observance, H code, int& day, int& month, int& year) {
    const HolidayTable table = HolidayTableFor(observance);
    for (int i = 0; i < table.count; ++i) {
        if (table.rows[i].code == code) {
            DayNumberToHebrew(table.rows[i].dayNumber, day, month, year);
            return true;
        }
    }
    return false;
}

TEST(HolidayText, ADayWithoutHolidays) {
    EXPECT_EQ(Text(25, kSivan, 5784, kDiaspora), kNoHoliday);
    EXPECT_EQ(Text(25, kSivan, 5784, kIsrael, false),
              "No holiday today\n \nClick on the calendar to see the holidays for that day.\n \n");
}

TEST(HolidayText, ASingleHolidayWithItsDescription) {
    EXPECT_EQ(Text(15, kNisan, 5768, kDiaspora), std::string("@Passover I\n\n \n") + kPassoverDescription + "\n \n\n");
}

TEST(HolidayText, AnEmptyDescriptionStillTakesItsLines) {
    // 9 March 2024, 29 Adar I 5784: Shabbat Shekalim on a Saturday with nothing else.
    EXPECT_EQ(Text(29, kAdarI, 5784, kIsrael), "@Shabbat Shekalim\n\n \n\n \n\n \n\n");
}

TEST(HolidayText, TwoHolidaysKeepTheTableOrder) {
    // 30 Kislev 5785: Rosh Chodesh Tevet and the sixth day of Chanukah.
    const std::string text = Text(30, kKislev, 5785, kDiaspora);
    EXPECT_EQ(NameLines(text), (std::vector<std::string>{"@Rosh Chodesh", "@Chanukah VI"}));
    const std::size_t roshChodesh = text.find(std::string(kRoshChodeshDescription) + "\n \n");
    const std::size_t chanukah = text.find("Chanukah -- 25 Kislev\n \n#Commemorates the Miracle of the Oil");
    ASSERT_NE(roshChodesh, std::string::npos);
    ASSERT_NE(chanukah, std::string::npos);
    EXPECT_LT(roshChodesh, chanukah);
    EXPECT_EQ(text.rfind("@Rosh Chodesh\n@Chanukah VI\n\n \nRosh Chodesh -- ", 0), 0u);
}

TEST(HolidayText, ADescriptionOfSeveralParagraphs) {
    EXPECT_EQ(Text(10, kTishrei, 5785, kIsrael), std::string("@Yom Kippur\n\n \n") + kYomKippurDescription + "\n \n\n");
}

// In Israel 22 Tishrei carries Simchat Torah beside Shmini Atzeret; the one combined name says both.
TEST(HolidayText, SimchatTorahInIsraelAddsNothing) {
    EXPECT_EQ(Text(22, kTishrei, 5785, kIsrael),
              std::string("@Shmini Atzeret / Simchat Torah\n\n \n") + kSheminiAtzeretDescription + "\n \n\n");
    EXPECT_EQ(Text(23, kTishrei, 5785, kDiaspora),
              std::string("@Simchat Torah\n\n \n") + kSheminiAtzeretDescription + "\n \n\n");
}

TEST(HolidayText, NamesOfEveryCodeInBothObservances) {
    const struct {
        int code;
        const char* diaspora;
        const char* israel;  // null: not kept in Israel
    } cases[] = {
        {1, "@Rosh Chodesh", "@Rosh Chodesh"},
        {2, "@Tu B'Shvat", "@Tu B'Shvat"},
        {3, "@Purim Katan", "@Purim Katan"},
        {4, "@Shabbat Shekalim", "@Shabbat Shekalim"},
        {5, "@Shabbat Zachor", "@Shabbat Zachor"},
        {6, "@Fast of Esther", "@Fast of Esther"},
        {7, "@Purim", "@Purim"},
        {8, "@Shushan Purim", "@Shushan Purim"},
        {9, "@Shabbat Parah", "@Shabbat Parah"},
        {10, "@Shabbat Ha-Chodesh", "@Shabbat Ha-Chodesh"},
        {11, "@Shabbat Ha-Gadol", "@Shabbat Ha-Gadol"},
        {12, "@Ta'anit Bechorot", "@Ta'anit Bechorot"},
        {13, "@Erev Passover", "@Erev Passover"},
        {14, "@Passover I", "@Passover I"},
        {15, "@Passover II", "@CHM Passover II"},
        {16, "@CHM Passover III", "@CHM Passover III"},
        {17, "@CHM Passover IV", "@CHM Passover IV"},
        {18, "@CHM Passover V", "@CHM Passover V"},
        {19, "@CHM Passover VI", "@CHM Passover VI"},
        {20, "@Passover VII", "@Passover VII"},
        {21, "@Passover VIII", nullptr},
        {22, "@Lag B'Omer", "@Lag B'Omer"},
        {23, "@Erev Shavuot", "@Erev Shavuot"},
        {24, "@Shavuot I", "@Shavuot I"},
        {25, "@Shavuot II", nullptr},
        {26, "@Fast of Tammuz", "@Fast of Tammuz"},
        {27, "@Shabbat Hazon", "@Shabbat Hazon"},
        {28, "@Tisha B'Av", "@Tisha B'Av"},
        {29, "@Shabbat Nachamu", "@Shabbat Nachamu"},
        {30, "@Erev Rosh Hashanah", "@Erev Rosh Hashanah"},
        {31, "@Rosh Hashanah", "@Rosh Hashanah"},
        {32, "@Rosh Hashanah II", "@Rosh Hashanah II"},
        {33, "@Fast of Gedaliah", "@Fast of Gedaliah"},
        {34, "@Shabbat Shuva", "@Shabbat Shuva"},
        {35, "@Erev Yom Kippur", "@Erev Yom Kippur"},
        {36, "@Yom Kippur", "@Yom Kippur"},
        {37, "@Erev Sukkot", "@Erev Sukkot"},
        {38, "@Sukkot I", "@Sukkot I"},
        {39, "@Sukkot II", "@CHM Sukkot II"},
        {40, "@CHM Sukkot III ", "@CHM Sukkot III"},
        {41, "@CHM Sukkot IV ", "@CHM Sukkot IV"},
        {42, "@CHM Sukkot V", "@CHM Sukkot V"},
        {43, "@CHM Sukkot VI", "@CHM Sukkot VI"},
        {44, "@Hoshana Raba", "@Hoshana Raba"},
        {45, "@Shmini Atzeret", "@Shmini Atzeret / Simchat Torah"},
        {46, "@Simchat Torah", "@Shmini Atzeret / Simchat Torah"},
        {47, "@Erev Chanukah", "@Erev Chanukah"},
        {48, "@Chanukah I", "@Chanukah I"},
        {49, "@Chanukah II", "@Chanukah II"},
        {50, "@Chanukah III", "@Chanukah III"},
        {51, "@Chanukah IV", "@Chanukah IV"},
        {52, "@Chanukah V", "@Chanukah V"},
        {53, "@Chanukah VI", "@Chanukah VI"},
        {54, "@Chanukah VII", "@Chanukah VII"},
        {55, "@Chanukah VIII", "@Chanukah VIII"},
        {56, "@Fast of Tevet", "@Fast of Tevet"},
        {57, "@Yom Ha-Shoah", "@Yom Ha-Shoah"},
        {58, "@Yom Ha-Zikaron", "@Yom Ha-Zikaron"},
        {59, "@Yom Ha-Atzmaut", "@Yom Ha-Atzmaut"},
        {60, "@Yom Yerushalayim", "@Yom Yerushalayim"},
    };
    for (const auto& c : cases) {
        for (const Observance observance : {kDiaspora, kIsrael}) {
            const char* expected = observance == kDiaspora ? c.diaspora : c.israel;
            int day = 0, month = 0, year = 0;
            const bool found = FirstDayWithCode(observance, static_cast<H>(c.code), day, month, year);
            EXPECT_EQ(found, expected != nullptr) << "code " << c.code << ", Diaspora " << IsDiaspora(observance);
            if (!found || expected == nullptr) {
                continue;
            }
            const std::vector<std::string> names = NameLines(Text(day, month, year, observance));
            EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end())
                << "code " << c.code << ", Diaspora " << IsDiaspora(observance);
        }
    }
}

// Every description is a header line, an empty line, a first paragraph marked "#" and an empty line, so each
// holiday's part of the text ends with "\n \n\n \n" or, for an empty description, is "\n \n\n \n" alone.
TEST(HolidayText, EveryDescriptionHasItsMarkedFirstParagraph) {
    const std::vector<H> withoutDescription = {H::ShabbatShekalim, H::ShabbatZachor,    H::ShushanPurim,
                                               H::ShabbatParah,    H::ShabbatHaChodesh, H::ShabbatHaGadol,
                                               H::ShabbatHazon,    H::ShabbatNachamu,   H::ShabbatShuva};
    for (int number = 1; number < kHolidayCodeCount; ++number) {
        const H code = static_cast<H>(number);
        int day = 0, month = 0, year = 0;
        ASSERT_TRUE(FirstDayWithCode(kDiaspora, code, day, month, year)) << number;
        const std::string text = Text(day, month, year, kDiaspora);
        const std::size_t namesEnd = text.find("\n\n \n");
        ASSERT_NE(namesEnd, std::string::npos) << number;
        const bool empty =
            std::find(withoutDescription.begin(), withoutDescription.end(), code) != withoutDescription.end();
        const std::size_t lineCount = NameLines(text).size();
        if (lineCount == 1 && empty) {
            EXPECT_EQ(text.substr(namesEnd), "\n\n \n\n \n\n \n\n") << number;
        } else if (lineCount == 1) {
            const std::string description = text.substr(namesEnd + 4);
            const std::size_t header = description.find("\n \n#");
            EXPECT_NE(header, std::string::npos) << number;
            EXPECT_EQ(description.find('\n'), header) << number;
            EXPECT_EQ(description.substr(description.size() - 7), "\n \n\n \n\n") << number;
        }
    }
}

TEST(HolidayText, TheIsraelAndDiasporaNamesOfTheIntermediateDays) {
    EXPECT_EQ(NameLines(Text(16, kNisan, 5784, kDiaspora)), std::vector<std::string>{"@Passover II"});
    EXPECT_EQ(NameLines(Text(16, kNisan, 5784, kIsrael)), std::vector<std::string>{"@CHM Passover II"});
    EXPECT_EQ(NameLines(Text(22, kNisan, 5784, kDiaspora)), std::vector<std::string>{"@Passover VIII"});
    EXPECT_EQ(Text(22, kNisan, 5784, kIsrael), kNoHoliday);
}

TEST(HolidayText, WithoutMarkersEveryAtAndHashIsGone) {
    int checked = 0;
    for (const Observance observance : {kIsrael, kDiaspora}) {
        for (DayNumber n = HebrewNewYearDayNumber(5784); n < HebrewNewYearDayNumber(5785); ++n) {
            int day = 0, month = 0, year = 0;
            DayNumberToHebrew(n, day, month, year);
            std::string expected = Text(day, month, year, observance, true);
            expected.erase(
                std::remove_if(expected.begin(), expected.end(), [](char c) { return c == '@' || c == '#'; }),
                expected.end());
            ASSERT_EQ(Text(day, month, year, observance, false), expected) << n;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 2 * 383);
}

TEST(HolidayText, CutAtCapacityMinusOne) {
    const struct {
        std::size_t capacity;
        bool keepMarkers;
        const char* expected;
    } cases[] = {
        {1, true, ""},
        {1, false, ""},
        {2, true, "@"},
        {2, false, ""},
        {5, true, "@No "},
        {5, false, "No "},
        {sizeof kNoHoliday - 1, true,
         "@No holiday today\n \nClick on the calendar to see the holidays for that day.\n "},
        {sizeof kNoHoliday, true, kNoHoliday},
    };
    for (const auto& c : cases) {
        char buffer[200];
        std::memset(buffer, 'x', sizeof buffer);
        const std::size_t length = BuildHolidayText(25, kSivan, 5784, kIsrael, buffer, c.capacity, c.keepMarkers);
        EXPECT_STREQ(buffer, c.expected) << c.capacity << (c.keepMarkers ? "" : " without markers");
        EXPECT_EQ(length, std::strlen(c.expected)) << c.capacity;
        EXPECT_EQ(buffer[c.capacity], 'x') << "wrote past capacity " << c.capacity;
    }
}

TEST(HolidayText, ALongTextIsCutToo) {
    char buffer[64];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(BuildHolidayText(15, kNisan, 5768, kDiaspora, buffer, 40, true), 39u);
    EXPECT_EQ(std::string(buffer), (std::string("@Passover I\n\n \n") + kPassoverDescription).substr(0, 39));
    EXPECT_EQ(buffer[40], 'x');
}

TEST(HolidayText, ZeroCapacityWritesNothing) {
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(BuildHolidayText(15, kNisan, 5768, kDiaspora, buffer, 0, true), 0u);
    EXPECT_EQ(buffer[0], 'x');
}

// Each choice of the holiday list finds its holiday: the first day of its code is named after the choice (the
// name, or its first day, "Passover" as "@Passover I"). Choices are added by code, each code once.
TEST(HolidayText, EveryHolidayListChoiceNamesItsCode) {
    const HolidayChoiceList choices = HolidayChoices();
    ASSERT_EQ(choices.count, 30);
    for (int i = 0; i < choices.count; ++i) {
        const HolidayChoice& choice = choices.items[i];
        SCOPED_TRACE(choice.name);
        if (i > 0) {
            EXPECT_LT(choices.items[i - 1].code, choice.code);
        }
        int day = 0, month = 0, year = 0;
        ASSERT_TRUE(FirstDayWithCode(kDiaspora, choice.code, day, month, year));
        const std::vector<std::string> names = NameLines(Text(day, month, year, kDiaspora));
        const std::string wanted = std::string("@") + choice.name;
        const bool named = std::any_of(names.begin(), names.end(), [&](const std::string& line) {
            return line == wanted || line == wanted + " I";
        });
        EXPECT_TRUE(named) << names.size() << " name lines, first " << (names.empty() ? "" : names[0]);
    }
}

// The plain name of each code a day holds is its name line of the day's text, "@" and trailing blanks gone, in the
// same order. Simchat Torah in Israel, which adds no line (its day's line names it), keeps its own name. Every day
// of two years.
TEST(HolidayName, IsTheNameLineTheDaysTextShows) {
    for (const Observance observance : {kIsrael, kDiaspora}) {
        for (DayNumber n = HebrewNewYearDayNumber(5784); n < HebrewNewYearDayNumber(5786); ++n) {
            const HolidayCodes codes = HolidaysOn(n, observance);
            if (codes.count == 0) {
                continue;
            }
            int day = 0, month = 0, year = 0;
            DayNumberToHebrew(n, day, month, year);
            std::vector<std::string> expected;
            for (std::string line : NameLines(Text(day, month, year, observance))) {
                expected.push_back(line.substr(1, line.find_last_not_of(' ')));
            }
            std::vector<std::string> names;
            for (int i = 0; i < codes.count; ++i) {
                if (codes.codes[i] != H::SimchatTorah || IsDiaspora(observance)) {
                    names.emplace_back(HolidayName(codes.codes[i], observance));
                }
            }
            EXPECT_EQ(names, expected) << "day " << n << ", Diaspora " << IsDiaspora(observance);
        }
    }
    EXPECT_EQ(HolidayName(H::SimchatTorah, kIsrael), "Simchat Torah");
    EXPECT_EQ(HolidayName(H::None, kDiaspora), "");
}

// kestrelon-cli writes the names as a CSV field without quotes: printable ASCII, no comma, quote or marker, no
// blank at either end.
TEST(HolidayName, EveryNameIsAPlainCsvField) {
    for (int number = 1; number < kHolidayCodeCount; ++number) {
        for (const Observance observance : {kIsrael, kDiaspora}) {
            const std::string_view name = HolidayName(static_cast<H>(number), observance);
            SCOPED_TRACE(std::string(name));
            EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return c >= ' ' && c <= '~'; }));
            EXPECT_EQ(name.find_first_of(",\"@#"), std::string_view::npos);
            EXPECT_TRUE(name.empty() || (name.front() != ' ' && name.back() != ' '));
        }
    }
}

}  // namespace
