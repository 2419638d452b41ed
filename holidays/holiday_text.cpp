#include "holidays/holiday_text.h"

#include <string>

#include "calendar/hebrew.h"
#include "calendar/text_buffer.h"
#include "holidays/holiday_table.h"

namespace {

// Descriptions: a header line, an empty line, the first paragraph marked "#", an empty line, and further
// paragraphs each followed by an empty line. An empty line holds one blank.
constexpr char kNoDescription[] = "\n \n";

constexpr char kRoshChodeshText[] =
    "Rosh Chodesh -- Beginning of each month\n"
    " \n"
    "#Lunar New Month\n"
    " \n";

constexpr char kTuBShevatText[] =
    "Tu B'Shevat -- 15 Shevat\n"
    " \n"
    "#The New Year of the Trees, Tu B'Shevat is a minor holiday marking the date on which the tithing of "
    "fruits began. During this holiday some plant trees and eat fruits.\n"
    " \n";

constexpr char kPurimText[] =
    "Purim -- 14 Adar\n"
    " \n"
    "#Celebrates the deliverance of the Persian Jews from Haman's plot to exterminate them. During this "
    "holiday Megillah is read. On leap years Purim is celebrated on Adar II and 14 Adar I is instead "
    "Purim Katan, a minor holiday.\n"
    " \n";

constexpr char kFastOfEstherText[] =
    "Fast of Esther -- 13 Adar\n"
    " \n"
    "#Commemorates the three day fast undertaken by Esther before pleading with King Ahasuerus for the "
    "Jewish people.\n"
    " \n";

constexpr char kTaanitBechorotText[] =
    "Ta'anit Bechorot (Fast of the Firstborn) -- Usually the day before Passover\n"
    " \n"
    "#Holiday during which firstborns fast to commemorate being spared from the Plague of the Firstborn "
    "in Ancient Egypt.\n"
    " \n";

constexpr char kPassoverText[] =
    "Passover (Pesach) -- 15 Nisan\n"
    " \n"
    "#Commemorates the freeing of the Jews from slavery to the Pharaoh of Egypt and the birth of the "
    "nation of Israel. During this holiday hametz, any leavened foods, cannot be consumed. Instead matzo,"
    " an unleavened bread, is eaten, especially during the Passover Seder. The restriction against "
    "leavened bread is in remembrance that the Israelites did not have time to let their bread rise in "
    "their flight from Egypt.\n"
    " \n";

constexpr char kLagBOmerText[] =
    "Lag B'Omer -- 33rd day following 18 Iyar\n"
    " \n"
    "#The thirty third day of the Counting of the Omer, which are the fourty nine days between Passover "
    "and Shavuot. The days leading to Lag B'Omer are a time of mourning in memory of the plague that "
    "killed Rabbi Akiva's students.\n"
    " \n";

constexpr char kShavuotText[] =
    "Shavuot -- 6 Sivan\n"
    " \n"
    "#The Feast of Weeks, Shavuot commemorates the day when the Torah was given at Mount Sinai and marks "
    "the end of the Counting of the Omer. Dairy foods are often eaten on this day.\n"
    " \n";

constexpr char kFastOfTammuzText[] =
    "Fast of Tammuz -- 17 Tammuz\n"
    " \n"
    "#A half day fast commemorating the breach of the walls of Jerusalem which eventually led to the "
    "destruction of the Temple.\n"
    " \n";

constexpr char kFastOfAvText[] =
    "Fast of Av -- 9 Av\n"
    " \n"
    "#Commemorates the destruction of the First and Second temples, both on the month of Av.\n"
    " \n";

constexpr char kRoshHashanahText[] =
    "Rosh Hashanah -- 1 Tishrei\n"
    " \n"
    "#The Jewish New Year, Rosh Hashanah, is the first of the Days of Awe.\n"
    " \n";

constexpr char kFastOfGedaliahText[] =
    "Fast of Gedaliah -- 3 Tishrei\n"
    " \n"
    "#Fast commemorating the assassination of Gedaliah, governor of Judea, by an agent of the King of "
    "Ammon.\n"
    " \n";

constexpr char kYomKippurText[] =
    "Yom Kippur -- 10 Tishrei\n"
    " \n"
    "#Yom Kippur, the Day of Atonement, is the last of the Days of Awe and the holiest day of Judaism. It"
    " is on this day that G-d seals the books with one's fate for the following year. In the time between"
    " Rosh Hashanah and Yom Kippur people are encouraged to atone for their sins against others and to "
    "seek reconciliation.\n"
    " \n"
    "It is custom to fast during this holiday and to refrain from all work.\n"
    " \n";

constexpr char kSukkotText[] =
    "Sukkot -- 15 Tishrei\n"
    " \n"
    "#Also known as the Feast of Booths or the Feast of Tabernacles. Commemorates the travel of the "
    "people of Israel through the desert during their exodus from Egypt. Observance of this holiday "
    "includes residing in a temporary structure called a sukkah and waving the Four Species of plants "
    "(lulav, hadass, aravah and etrog.) The final day of Sukkot is known as Hoshanah Rabbah, and is the "
    "day of the final sealing of judgement.\n"
    " \n";

constexpr char kSheminiAtzeretText[] =
    "Shemini Atzeret / Simchat Torah -- 22 Tishrei\n"
    " \n"
    "#Known as the Eight Day of Assembley, Shemini Atzeret, follows the end of Sukkot. In the diaspora "
    "Shemini Atzeret is followed by Simchat Torah and in Israel the two occur on the same day. On Simchat"
    " Torah the final section of the Torah is read, followed immediately by the first.\n"
    " \n";

constexpr char kChanukahText[] =
    "Chanukah -- 25 Kislev\n"
    " \n"
    "#Commemorates the Miracle of the Oil which occurred around 200 BCE at the Second Temple in "
    "Jerusalem.\n"
    " \n"
    "Antiochus IV of the Seleucids effectively outlawed the practice of Judasim and ordered a temple to "
    "Zeus erected in the Temple. A revolt led by Judah Maccabee succeeded recapturing the Temple, which "
    "was cleansed and rededicated. Most of the oil used to light the Temple menorah was defiled and could"
    " not be used. A single day's supply was left and this miraculously lasted eight days until more was "
    "available.\n"
    " \n"
    "Custom is that during the first day of Chanukah a single candle is lit and that each following day "
    "an additional candle is added.\n"
    " \n";

constexpr char kFastOfTevetText[] =
    "Fast of Tevet -- 10 Tevet\n"
    " \n"
    "#Commemorates the Babylonian siege of Jerusalem which eventually led to the destruction of the First"
    " Temple.\n"
    " \n";

constexpr char kYomHaShoahText[] =
    "Yom Ha-Shoah -- 27 Nisan\n"
    " \n"
    "#Day of remembrance for the six million Jews who died in the Holocaust.\n"
    " \n";

constexpr char kYomHaZikaronText[] =
    "Yom Ha-Zikaron -- Day before Yom HaAtzmaut, usually 4 Iyar\n"
    " \n"
    "#Israel Fallen Solidiers Memorial Day.\n"
    " \n";

constexpr char kYomHaAtzmautText[] =
    "Yom Ha-Atzmaut -- 5 Iyar, date variable to avoid conflict with Shabbat\n"
    " \n"
    "#Israeli independence day.\n"
    " \n";

constexpr char kYomYerushalayimText[] =
    "Yom Yerushalayim -- 28 Iyar\n"
    " \n"
    "#Jerusalem Unification Day.\n"
    " \n";

// Under Israel observance 22 Tishrei carries code 46 beside code 45 only so that choosing "Simchat Torah" in the
// holiday list finds the day. The name of code 45 there, "@Shmini Atzeret / Simchat Torah", already names the
// day, so code 46 adds neither a name line nor a description to the Israel text.
constexpr char kNotShown[] = "";

struct HolidayEntry {
    const char* name;        // Diaspora observance
    const char* israelName;  // null when the same as name; kNotShown when the code adds nothing
    const char* description;
};

constexpr HolidayEntry kHolidays[] = {
    {"NONE", nullptr, kNoDescription},
    {"@Rosh Chodesh", nullptr, kRoshChodeshText},
    {"@Tu B'Shvat", nullptr, kTuBShevatText},
    {"@Purim Katan", nullptr, kPurimText},
    {"@Shabbat Shekalim", nullptr, kNoDescription},
    {"@Shabbat Zachor", nullptr, kNoDescription},
    {"@Fast of Esther", nullptr, kFastOfEstherText},
    {"@Purim", nullptr, kPurimText},
    {"@Shushan Purim", nullptr, kNoDescription},
    {"@Shabbat Parah", nullptr, kNoDescription},
    {"@Shabbat Ha-Chodesh", nullptr, kNoDescription},
    {"@Shabbat Ha-Gadol", nullptr, kNoDescription},
    {"@Ta'anit Bechorot", nullptr, kTaanitBechorotText},
    {"@Erev Passover", nullptr, kPassoverText},
    {"@Passover I", nullptr, kPassoverText},
    {"@Passover II", "@CHM Passover II", kPassoverText},
    {"@CHM Passover III", nullptr, kPassoverText},
    {"@CHM Passover IV", nullptr, kPassoverText},
    {"@CHM Passover V", nullptr, kPassoverText},
    {"@CHM Passover VI", nullptr, kPassoverText},
    {"@Passover VII", nullptr, kPassoverText},
    {"@Passover VIII", nullptr, kPassoverText},
    {"@Lag B'Omer", nullptr, kLagBOmerText},
    {"@Erev Shavuot", nullptr, kShavuotText},
    {"@Shavuot I", nullptr, kShavuotText},
    {"@Shavuot II", nullptr, kShavuotText},
    {"@Fast of Tammuz", nullptr, kFastOfTammuzText},
    {"@Shabbat Hazon", nullptr, kNoDescription},
    {"@Tisha B'Av", nullptr, kFastOfAvText},
    {"@Shabbat Nachamu", nullptr, kNoDescription},
    {"@Erev Rosh Hashanah", nullptr, kRoshHashanahText},
    {"@Rosh Hashanah", nullptr, kRoshHashanahText},
    {"@Rosh Hashanah II", nullptr, kRoshHashanahText},
    {"@Fast of Gedaliah", nullptr, kFastOfGedaliahText},
    {"@Shabbat Shuva", nullptr, kNoDescription},
    {"@Erev Yom Kippur", nullptr, kYomKippurText},
    {"@Yom Kippur", nullptr, kYomKippurText},
    {"@Erev Sukkot", nullptr, kSukkotText},
    {"@Sukkot I", nullptr, kSukkotText},
    {"@Sukkot II", "@CHM Sukkot II", kSukkotText},
    {"@CHM Sukkot III ", "@CHM Sukkot III", kSukkotText},
    {"@CHM Sukkot IV ", "@CHM Sukkot IV", kSukkotText},
    {"@CHM Sukkot V", nullptr, kSukkotText},
    {"@CHM Sukkot VI", nullptr, kSukkotText},
    {"@Hoshana Raba", nullptr, kSukkotText},
    {"@Shmini Atzeret", "@Shmini Atzeret / Simchat Torah", kSheminiAtzeretText},
    {"@Simchat Torah", kNotShown, kSheminiAtzeretText},
    {"@Erev Chanukah", nullptr, kChanukahText},
    {"@Chanukah I", nullptr, kChanukahText},
    {"@Chanukah II", nullptr, kChanukahText},
    {"@Chanukah III", nullptr, kChanukahText},
    {"@Chanukah IV", nullptr, kChanukahText},
    {"@Chanukah V", nullptr, kChanukahText},
    {"@Chanukah VI", nullptr, kChanukahText},
    {"@Chanukah VII", nullptr, kChanukahText},
    {"@Chanukah VIII", nullptr, kChanukahText},
    {"@Fast of Tevet", nullptr, kFastOfTevetText},
    {"@Yom Ha-Shoah", nullptr, kYomHaShoahText},
    {"@Yom Ha-Zikaron", nullptr, kYomHaZikaronText},
    {"@Yom Ha-Atzmaut", nullptr, kYomHaAtzmautText},
    {"@Yom Yerushalayim", nullptr, kYomYerushalayimText},
};
constexpr int kHolidayCodes = static_cast<int>(sizeof kHolidays / sizeof kHolidays[0]);
static_assert(kHolidayCodes == kHolidayCodeCount, "one entry per code");

constexpr bool EveryDescriptionFits(std::size_t capacity) {
    for (const HolidayEntry& entry : kHolidays) {
        if (std::char_traits<char>::length(entry.description) >= capacity) {
            return false;
        }
    }
    return true;
}
static_assert(EveryDescriptionFits(kHolidayDescriptionSize), "HolidayDescription's buffer holds every description");

constexpr char kNoHolidayText[] =
    "@No holiday today\n"
    " \n"
    "Click on the calendar to see the holidays for that day.\n"
    " \n";

constexpr std::size_t kNamesSize = 400;
constexpr std::size_t kDescriptionsSize = 20000;

constexpr HolidayChoice kChoices[] = {
    {"Tu B'Shvat", HolidayCode::TuBShvat},
    {"Shabbat Shekalim", HolidayCode::ShabbatShekalim},
    {"Shabbat Zachor", HolidayCode::ShabbatZachor},
    {"Fast of Esther", HolidayCode::FastOfEsther},
    {"Purim", HolidayCode::Purim},
    {"Shabbat Parah", HolidayCode::ShabbatParah},
    {"Shabbat Ha-Chodesh", HolidayCode::ShabbatHaChodesh},
    {"Shabbat Ha-Gadol", HolidayCode::ShabbatHaGadol},
    {"Ta'anit Bechorot", HolidayCode::TaanitBechorot},
    {"Passover", HolidayCode::PassoverI},
    {"Lag B'Omer", HolidayCode::LagBOmer},
    {"Shavuot", HolidayCode::ShavuotI},
    {"Fast of Tammuz", HolidayCode::FastOfTammuz},
    {"Shabbat Hazon", HolidayCode::ShabbatHazon},
    {"Tisha B'Av", HolidayCode::TishaBAv},
    {"Shabbat Nachamu", HolidayCode::ShabbatNachamu},
    {"Rosh Hashanah", HolidayCode::RoshHashanah},
    {"Fast of Gedaliah", HolidayCode::FastOfGedaliah},
    {"Shabbat Shuva", HolidayCode::ShabbatShuva},
    {"Yom Kippur", HolidayCode::YomKippur},
    {"Sukkot", HolidayCode::SukkotI},
    {"Hoshana Raba", HolidayCode::HoshanaRaba},
    {"Shmini Atzeret", HolidayCode::ShminiAtzeret},
    {"Simchat Torah", HolidayCode::SimchatTorah},
    {"Chanukah", HolidayCode::ChanukahI},
    {"Fast of Tevet", HolidayCode::FastOfTevet},
    {"Yom Ha-Shoah", HolidayCode::YomHaShoah},
    {"Yom Ha-Zikaron", HolidayCode::YomHaZikaron},
    {"Yom Ha-Atzmaut", HolidayCode::YomHaAtzmaut},
    {"Yom Yerushalayim", HolidayCode::YomYerushalayim},
};

// Appends into a fixed working buffer; what does not fit is cut, and the text stays terminated.
class WorkingText {
  public:
    WorkingText(char* buffer, std::size_t size) : buffer_(buffer), size_(size) { buffer_[0] = '\0'; }
    void Append(const char* text) { length_ += CopyText(buffer_ + length_, size_ - length_, text); }
    const char* Text() const { return buffer_; }

  private:
    char* buffer_;
    std::size_t size_;
    std::size_t length_ = 0;
};

// Removes every "@" and "#" in place, the rest closing up; returns the new length.
std::size_t RemoveMarkers(char* text) {
    std::size_t out = 0;
    for (std::size_t in = 0; text[in] != '\0'; ++in) {
        if (text[in] != '@' && text[in] != '#') {
            text[out++] = text[in];
        }
    }
    text[out] = '\0';
    return out;
}

// The name a code shows under the observance; null when it shows nothing there.
const char* ShownName(HolidayCode code, Observance observance) {
    const int number = CodeNumber(code);
    if (number < 1 || number >= kHolidayCodes) {
        return nullptr;
    }
    const HolidayEntry& entry = kHolidays[number];
    if (IsDiaspora(observance) || entry.israelName == nullptr) {
        return entry.name;
    }
    return entry.israelName == kNotShown ? nullptr : entry.israelName;
}

}  // namespace

std::size_t BuildHolidayText(int hebrewDay,
                             int hebrewMonth,
                             int hebrewYear,
                             Observance observance,
                             char* buffer,
                             std::size_t capacity,
                             bool keepMarkers) {
    if (buffer == nullptr || capacity == 0) {
        return 0;
    }
    const DayNumber n = HebrewToDayNumber(hebrewDay, hebrewMonth, hebrewYear);
    char namesBuffer[kNamesSize];
    char descriptionsBuffer[kDescriptionsSize];
    WorkingText names(namesBuffer, sizeof namesBuffer);
    WorkingText descriptions(descriptionsBuffer, sizeof descriptionsBuffer);
    int shown = 0;
    const HolidayCodes codes = HolidaysOn(n, observance);
    for (int i = 0; i < codes.count; ++i) {
        const char* name = ShownName(codes.codes[i], observance);
        if (name == nullptr) {
            continue;
        }
        names.Append(name);
        names.Append("\n");
        descriptions.Append(kHolidays[CodeNumber(codes.codes[i])].description);
        descriptions.Append("\n \n");
        ++shown;
    }
    std::size_t length = 0;
    if (shown > 0) {
        length = FormatText(buffer, capacity, "%s\n \n%s\n", names.Text(), descriptions.Text());
    } else {
        length = CopyText(buffer, capacity, kNoHolidayText);
    }
    if (!keepMarkers) {
        length = RemoveMarkers(buffer);
    }
    return length;
}

bool HolidayShownInDayText(HolidayCode code, Observance observance) {
    return ShownName(code, observance) != nullptr;
}

bool HolidayTextNamesAHoliday(int hebrewDay, int hebrewMonth, int hebrewYear, Observance observance) {
    const HolidayCodes codes = HolidaysOn(HebrewToDayNumber(hebrewDay, hebrewMonth, hebrewYear), observance);
    for (int i = 0; i < codes.count; ++i) {
        if (HolidayShownInDayText(codes.codes[i], observance)) {
            return true;
        }
    }
    return false;
}

std::string_view HolidayName(HolidayCode code, Observance observance) {
    const int number = CodeNumber(code);
    if (number < 1 || number >= kHolidayCodes) {
        return {};
    }
    const char* shown = ShownName(code, observance);
    std::string_view name(shown != nullptr ? shown : kHolidays[number].name);
    if (!name.empty() && name.front() == '@') {
        name.remove_prefix(1);
    }
    // "@CHM Sukkot III " has a trailing blank in the Diaspora table.
    while (!name.empty() && name.back() == ' ') {
        name.remove_suffix(1);
    }
    return name;
}

std::size_t HolidayDescription(HolidayCode code, char* buffer, std::size_t capacity) {
    if (buffer == nullptr || capacity == 0) {
        return 0;
    }
    const int number = CodeNumber(code);
    if (number < 1 || number >= kHolidayCodes || kHolidays[number].description == kNoDescription) {
        buffer[0] = '\0';
        return 0;
    }
    CopyText(buffer, capacity, kHolidays[number].description);
    return RemoveMarkers(buffer);
}

HolidayChoiceList HolidayChoices() {
    return {kChoices, static_cast<int>(sizeof kChoices / sizeof kChoices[0])};
}
