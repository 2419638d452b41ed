#include "location/dates_file.h"

#include <algorithm>
#include <cstdio>

#include "calendar/hebrew.h"
#include "calendar/month_names.h"

namespace {

constexpr char kHeader[] =
    "# Kestrelon's dates: one a line, KIND DATE ADAR NAME (kestrelon-cli dates add and remove rewrite this file).\n"
    "# KIND: yahrzeit, birthday, anniversary or other.\n"
    "# DATE: the Gregorian date YYYY-MM-DD, with +after-sunset when it was after sunset, or the Hebrew date\n"
    "#   DAY-MONTH-YEAR, e.g. 15-Nisan-5740 or 7-AdarII-5784.\n"
    "# ADAR: where a date of Adar is kept in a leap year: usual, adar1, adar2 or both.\n"
    "# NAME: the rest of the line. Lines that start with '#' are comments.\n";
constexpr char kAfterSunset[] = "+after-sunset";
constexpr char kBlanks[] = " \t\r";

constexpr const char* kKindNames[] = {"yahrzeit", "birthday", "anniversary", "other"};
constexpr const char* kAdarNames[] = {"usual", "adar1", "adar2", "both"};

bool SameWord(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// The number a text of one to six digits gives; empty for anything else.
std::optional<int> SmallNumber(std::string_view text) {
    constexpr std::size_t kMaxDigits = 6;
    if (text.empty() || text.size() > kMaxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

int HebrewYearOfDay(DayNumber n) {
    int day = 0;
    int month = 0;
    int year = 0;
    DayNumberToHebrew(n, day, month, year);
    return year;
}

bool InSupportedDays(DayNumber day) {
    return day >= kFirstSupportedDay && day <= kLastSupportedDay;
}

// The next word of text (up to a blank), taken off its front with the blanks after it.
std::string_view TakeWord(std::string_view& text) {
    const std::size_t end = std::min(text.find_first_of(kBlanks), text.size());
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    text.remove_prefix(std::min(text.find_first_not_of(kBlanks), text.size()));
    return word;
}

// YYYY-MM-DD of a day 1900-01-01 .. 2099-12-31.
std::optional<DayNumber> ParseCivilDay(std::string_view text, std::string& reason) {
    const std::optional<int> year =
        text.size() == 10 && text[4] == '-' && text[7] == '-' && text[5] != '-' && text[8] != '-'
            ? SmallNumber(text.substr(0, 4))
            : std::nullopt;
    const std::optional<int> month = year ? SmallNumber(text.substr(5, 2)) : std::nullopt;
    const std::optional<int> day = month ? SmallNumber(text.substr(8, 2)) : std::nullopt;
    if (!day || *month < 1 || *month > 12 || *day < 1 || *day > DaysInGregorianMonth(*month, *year)) {
        reason = "'" + std::string(text) + "' is no day YYYY-MM-DD";
        return std::nullopt;
    }
    const DayNumber number = GregorianToDayNumber(*day, *month, *year);
    if (!InSupportedDays(number)) {
        reason = "'" + std::string(text) + "' is not between 1900-01-01 and 2099-12-31";
        return std::nullopt;
    }
    return number;
}

// The date field: a Gregorian date (perhaps after sunset) or a Hebrew date, into date.
bool ParseDateField(std::string_view text, PersonDate& date, std::string& reason) {
    const std::size_t firstDash = text.find('-');
    if (firstDash == 4) {
        constexpr std::size_t kMarkLength = sizeof kAfterSunset - 1;
        date.afterSunset = text.size() > kMarkLength && SameWord(text.substr(text.size() - kMarkLength), kAfterSunset);
        date.civilDay = ParseCivilDay(date.afterSunset ? text.substr(0, text.size() - kMarkLength) : text, reason);
        return date.civilDay.has_value();
    }
    const std::size_t lastDash = text.rfind('-');
    if (firstDash == std::string_view::npos || lastDash == firstDash) {
        reason = "'" + std::string(text) + "' is neither YYYY-MM-DD nor DAY-MONTH-YEAR";
        return false;
    }
    const std::optional<HebrewDate> hebrew =
        ParseHebrewDateParts(text.substr(0, firstDash), text.substr(firstDash + 1, lastDash - firstDash - 1),
                             text.substr(lastDash + 1), reason);
    if (hebrew) {
        date.hebrew = *hebrew;
    }
    return hebrew.has_value();
}

// The date a line holds, or why it holds none.
std::optional<PersonDate> ParseDateLine(std::string_view line, std::string& reason) {
    PersonDate date;
    const std::string_view kindWord = TakeWord(line);
    const std::optional<PersonDateKind> kind = ParsePersonDateKind(kindWord);
    if (!kind) {
        reason = "no such kind '" + std::string(kindWord) + "' (yahrzeit, birthday, anniversary or other)";
        return std::nullopt;
    }
    date.kind = *kind;
    if (!ParseDateField(TakeWord(line), date, reason)) {
        return std::nullopt;
    }
    const std::string_view adarWord = TakeWord(line);
    const std::optional<AdarChoice> adar = ParseAdarChoice(adarWord);
    if (!adar) {
        reason = "no such Adar choice '" + std::string(adarWord) + "' (usual, adar1, adar2 or both)";
        return std::nullopt;
    }
    date.adar = *adar;
    const std::string_view name = line.substr(0, line.find_last_not_of(kBlanks) + 1);
    if (const std::string problem = NameProblem(name); !problem.empty()) {
        reason = "the name " + problem;
        return std::nullopt;
    }
    date.name = std::string(name);
    return date;
}

// The length of the UTF-8 character text begins with, or 0 when it begins with no whole one.
std::size_t Utf8CharacterLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    // No overlong form, no surrogate, nothing past U+10FFFF.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) >= 0xA0) || (lead == 0xF0 && byte(1) < 0x90) ||
        (lead == 0xF4 && byte(1) >= 0x90)) {
        return 0;
    }
    return length;
}

}  // namespace

HebrewDate HebrewDateOf(const PersonDate& date) {
    return date.civilDay ? EventHebrewDate(*date.civilDay, date.afterSunset) : date.hebrew;
}

DatesFileContents NewDatesFile() {
    DatesFileContents contents;
    std::string_view header = kHeader;
    while (!header.empty()) {
        const std::size_t end = header.find('\n');
        contents.lines.push_back({std::nullopt, std::string(header.substr(0, end))});
        header.remove_prefix(end + 1);
    }
    return contents;
}

DatesFileContents ParseDatesFile(std::string_view text) {
    DatesFileContents contents;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    for (std::size_t number = 1; !text.empty(); ++number) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::size_t mark = number == 1 && line.substr(0, kByteOrderMark.size()) == kByteOrderMark ? 3 : 0;
        const std::size_t first = line.find_first_not_of(kBlanks, mark);
        if (first == std::string_view::npos || line[first] == '#') {
            contents.lines.push_back({std::nullopt, std::string(line)});
            continue;
        }
        std::string reason;
        std::optional<PersonDate> date = ParseDateLine(line.substr(first), reason);
        if (!date) {
            contents.problems.push_back("line " + std::to_string(number) + ": " + reason);
            contents.lines.push_back({std::nullopt, std::string(line)});
            continue;
        }
        contents.lines.push_back({std::move(date), std::string(line)});
    }
    return contents;
}

std::string FormatPersonDate(const PersonDate& date) {
    std::string field;
    if (date.civilDay) {
        int day = 0;
        int month = 0;
        int year = 0;
        DayNumberToGregorian(*date.civilDay, day, month, year);
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
        field = std::string(text) + (date.afterSunset ? kAfterSunset : "");
    } else {
        field = std::to_string(date.hebrew.day) + "-" + HebrewMonthWord(date.hebrew.month) + "-" +
                std::to_string(date.hebrew.year);
    }
    std::string line = PersonDateKindName(date.kind);
    line.resize(std::max<std::size_t>(line.size() + 1, 12), ' ');
    line += field;
    line.resize(std::max<std::size_t>(line.size() + 1, 37), ' ');
    line += AdarChoiceName(date.adar);
    line.resize(std::max<std::size_t>(line.size() + 1, 44), ' ');
    return line + date.name;
}

std::vector<const PersonDate*> DatesOf(const DatesFileContents& contents) {
    std::vector<const PersonDate*> dates;
    for (const DatesFileLine& line : contents.lines) {
        if (line.date) {
            dates.push_back(&*line.date);
        }
    }
    return dates;
}

std::string FormatDatesFile(const DatesFileContents& contents) {
    std::string text;
    for (const DatesFileLine& line : contents.lines) {
        text += (line.date && line.text.empty() ? FormatPersonDate(*line.date) : line.text) + "\n";
    }
    return text;
}

const char* PersonDateKindName(PersonDateKind kind) {
    return kKindNames[static_cast<int>(kind)];
}

std::optional<PersonDateKind> ParsePersonDateKind(std::string_view text) {
    for (int i = 0; i < 4; ++i) {
        if (SameWord(text, kKindNames[i])) {
            return static_cast<PersonDateKind>(i);
        }
    }
    return std::nullopt;
}

const char* AdarChoiceName(AdarChoice adar) {
    return kAdarNames[static_cast<int>(adar)];
}

std::optional<AdarChoice> ParseAdarChoice(std::string_view text) {
    for (int i = 0; i < 4; ++i) {
        if (SameWord(text, kAdarNames[i])) {
            return static_cast<AdarChoice>(i);
        }
    }
    return std::nullopt;
}

std::string HebrewMonthWord(int month) {
    std::string word = HebrewMonthName(month);
    word.erase(std::remove(word.begin(), word.end(), ' '), word.end());
    return word;
}

std::optional<HebrewDate> ParseHebrewDateParts(std::string_view day,
                                               std::string_view month,
                                               std::string_view year,
                                               std::string& reason) {
    std::optional<int> monthNumber = SmallNumber(month);
    for (int m = kTishrei; m <= kAdarII && !monthNumber; ++m) {
        if (SameWord(month, HebrewMonthName(m)) || SameWord(month, HebrewMonthWord(m))) {
            monthNumber = m;
        }
    }
    const std::optional<int> dayNumber = SmallNumber(day);
    const std::optional<int> yearNumber = SmallNumber(year);
    if (!monthNumber || *monthNumber < kTishrei || *monthNumber > kAdarII) {
        reason = "no such Hebrew month '" + std::string(month) + "'";
        return std::nullopt;
    }
    if (!dayNumber || !yearNumber) {
        reason = "'" + std::string(day) + " " + std::string(month) + " " + std::string(year) +
                 "' is not DAY MONTH YEAR in numbers and a month";
        return std::nullopt;
    }
    const std::string monthName = HebrewMonthName(*monthNumber);
    const int firstYear = HebrewYearOfDay(kFirstSupportedDay);
    const int lastYear = HebrewYearOfDay(kLastSupportedDay);
    if (*yearNumber < firstYear || *yearNumber > lastYear) {
        reason = "the Hebrew year " + std::to_string(*yearNumber) + " is not between " + std::to_string(firstYear) +
                 " and " + std::to_string(lastYear);
        return std::nullopt;
    }
    if (HebrewMonthPosition(*monthNumber, *yearNumber) < 0) {
        reason = monthName + " is not a month of " + std::to_string(*yearNumber) +
                 (IsHebrewLeapYear(*yearNumber) ? ", a leap year" : ", a common year");
        return std::nullopt;
    }
    const int days = DaysInHebrewMonth(*monthNumber, *yearNumber);
    if (*dayNumber < 1 || *dayNumber > days) {
        reason = monthName + " " + std::to_string(*yearNumber) + " has days 1 to " + std::to_string(days);
        return std::nullopt;
    }
    if (!InSupportedDays(HebrewToDayNumber(*dayNumber, *monthNumber, *yearNumber))) {
        reason = std::to_string(*dayNumber) + " " + monthName + " " + std::to_string(*yearNumber) +
                 " is not between 1900-01-01 and 2099-12-31";
        return std::nullopt;
    }
    return HebrewDate{*dayNumber, *monthNumber, *yearNumber};
}

std::string NameProblem(std::string_view name) {
    if (name.empty()) {
        return "is empty";
    }
    if (name.size() > kDateNameMaxBytes) {
        return "is longer than " + std::to_string(kDateNameMaxBytes) + " bytes";
    }
    while (!name.empty()) {
        const std::size_t length = Utf8CharacterLength(name);
        if (length == 0) {
            return "is not UTF-8 text";
        }
        const auto c = static_cast<unsigned char>(name[0]);
        if (c < 0x20 || c == 0x7F) {
            return "holds a control character";
        }
        name.remove_prefix(length);
    }
    return {};
}

std::string PersonDateTitle(const PersonDate& date, int hebrewYear) {
    switch (date.kind) {
        case PersonDateKind::Yahrzeit:
            return "Yahrzeit: " + date.name + " (" + std::to_string(hebrewYear) + ")";
        case PersonDateKind::Birthday:
            return "Hebrew birthday: " + date.name;
        case PersonDateKind::Anniversary:
            return "Anniversary: " + date.name;
        case PersonDateKind::Other:
            break;
    }
    return date.name;
}
