// dates: the people's dates (location/dates_file.h) listed, added and removed. Names are written as the file holds
// them, in UTF-8.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "calendar/hebrew.h"
#include "calendar/month_names.h"
#include "calendar/text_buffer.h"
#include "cli/arguments.h"
#include "cli/binary_stdout.h"
#include "cli/commands.h"
#include "cli/date_options.h"
#include "cli/dates_of_run.h"
#include "cli/options.h"
#include "cli/output.h"

namespace {

// "3. Sarah (yahrzeit): 1990-03-05 after sunset, Adar 9, 5750".
std::string EntryText(std::size_t number, const PersonDate& date) {
    std::string text = std::to_string(number) + ". " + date.name + " (" + PersonDateKindName(date.kind) + "): ";
    if (date.civilDay) {
        int day = 0, month = 0, year = 0;
        DayNumberToGregorian(*date.civilDay, day, month, year);
        char iso[16];
        text += std::string(iso, FormatText(iso, sizeof iso, "%04d-%02d-%02d", year, month, day)) +
                (date.afterSunset ? " after sunset, " : ", ");
    }
    const HebrewDate hebrew = HebrewDateOf(date);
    char line[64];
    text +=
        std::string(line, FormatDateLine(HebrewMonthName(hebrew.month), hebrew.day, hebrew.year, line, sizeof line));
    if (date.adar != AdarChoice::Usual) {
        text += std::string("; in a leap year's Adar: ") + AdarChoiceName(date.adar);
    }
    return text + "\n";
}

void WriteBytes(const std::string& text) {
    WriteUtf8Text(stdout, text);
}

// A name as a CSV field: in double quotes, its own doubled, when it holds a comma, a quote or blanks at its ends.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos && text.front() != ' ' && text.back() != ' ') {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

// Every yearly day of every date in the Gregorian years, as "YYYY-MM-DD,KIND,NAME,HEBREWYEAR" lines in date order
// (the file's order within a day).
std::string Occurrences(const std::vector<const PersonDate*>& dates, const YearSpan& years) {
    struct Occurrence {
        DayNumber day;
        int hebrewYear;
        const PersonDate* date;
    };
    std::vector<Occurrence> found;
    for (const PersonDate* date : dates) {
        for (const YearlyOccurrence& occurrence :
             YearlyOccurrencesIn(HebrewDateOf(*date), date->kind, date->adar, GregorianToDayNumber(1, 1, years.from),
                                 GregorianToDayNumber(31, 12, years.to))) {
            found.push_back({occurrence.day, occurrence.hebrewYear, date});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Occurrence& a, const Occurrence& b) { return a.day < b.day; });
    std::string out;
    for (const Occurrence& occurrence : found) {
        int dayOfMonth = 0, month = 0, year = 0;
        DayNumberToGregorian(occurrence.day, dayOfMonth, month, year);
        char iso[16];
        out += std::string(iso, FormatText(iso, sizeof iso, "%04d-%02d-%02d", year, month, dayOfMonth)) + "," +
               PersonDateKindName(occurrence.date->kind) + "," + CsvField(occurrence.date->name) + "," +
               std::to_string(occurrence.hebrewYear) + "\n";
    }
    return out;
}

int Save(const char* command, const DatesOfRun& run) {
    std::string error;
    if (!SaveDatesFile(run.path, run.contents, error)) {
        return NotFound(std::string(command) + ": " + error);
    }
    return 0;
}

int AddDate(const Arguments& args) {
    static constexpr Option kOptions[] = {{"--kind", Takes::Word, "yahrzeit|birthday|anniversary|other", {}},
                                          {"--date", Takes::Value, {}, {}},
                                          {"--after-sunset", Takes::Nothing, {}, {}},
                                          {"--hebrew", Takes::Value, {}, {}},
                                          {"--adar", Takes::Word, "usual|adar1|adar2|both", {}}};
    GivenOptions given;
    if (const int status =
            ReadOptions(args, {"dates add", {kOptions}, 1, {}, {{"--date|--after-sunset", "--hebrew"}}}, given);
        status != 0) {
        return status;
    }
    if (given.Operands().empty()) {
        return UsageError("dates add: give the NAME of the date");
    }
    PersonDate date;
    const std::string& name = given.Operands()[0];
    const std::size_t first = name.find_first_not_of(' ');
    date.name = first == std::string::npos ? std::string() : name.substr(first, name.find_last_not_of(' ') - first + 1);
    if (const std::string problem = NameProblem(date.name); !problem.empty()) {
        return UsageError("dates add: the name " + problem);
    }
    if (date.name.find_first_not_of("0123456789") == std::string::npos) {
        return UsageError("dates add: a name of digits alone would read as a number in the list");
    }
    const std::optional<std::string> kind = given.Value("--kind");
    if (!kind) {
        return UsageError("dates add: give --kind yahrzeit, birthday, anniversary or other");
    }
    date.kind = *ParsePersonDateKind(*kind);
    date.adar = ParseAdarChoice(given.Value("--adar").value_or("usual")).value_or(AdarChoice::Usual);
    std::string reason;
    if (const std::optional<std::string> text = given.Value("--date")) {
        const std::optional<Date> civil = ParseDate(*text, reason);
        if (!civil) {
            return UsageError("dates add: --date " + Quote(*text) + " " + reason);
        }
        if (!InSupportedYears(*civil)) {
            return UsageError("dates add: dates must lie between 1900-01-01 and 2099-12-31");
        }
        date.civilDay = GregorianToDayNumber(civil->day, civil->month, civil->year);
        date.afterSunset = given.Has("--after-sunset");
    } else if (const std::optional<std::string> hebrew = given.Value("--hebrew")) {
        // "15 Nisan 5740", "7 Adar II 5784": the day first, the year last, the month between.
        const std::size_t dayEnd = hebrew->find(' ');
        const std::size_t yearStart = hebrew->rfind(' ');
        const std::optional<HebrewDate> parsed =
            dayEnd == std::string::npos || dayEnd == yearStart
                ? std::nullopt
                : ParseHebrewDateParts(std::string_view(*hebrew).substr(0, dayEnd),
                                       std::string_view(*hebrew).substr(dayEnd + 1, yearStart - dayEnd - 1),
                                       std::string_view(*hebrew).substr(yearStart + 1), reason);
        if (!parsed) {
            return UsageError("dates add: --hebrew " + Quote(*hebrew) +
                              (reason.empty() ? " is not \"DAY MONTH YEAR\"" : ": " + reason));
        }
        date.hebrew = *parsed;
    } else {
        return UsageError(given.Has("--after-sunset")
                              ? "dates add: --after-sunset needs --date"
                              : "dates add: give --date YYYY-MM-DD or --hebrew \"DAY MONTH YEAR\"");
    }

    DatesOfRun run;
    if (const int status = ReadDatesToChange("dates add", run); status != 0) {
        return status;
    }
    if (run.found == DatesFileFound::Nothing) {
        run.contents = NewDatesFile();
    }
    run.contents.lines.push_back({date, {}});
    if (const int status = Save("dates add", run); status != 0) {
        return status;
    }
    UseBinaryStdout();
    WriteBytes("added " + EntryText(DatesOf(run.contents).size(), date));
    return FinishOutput();
}

int RemoveDate(const Arguments& args) {
    GivenOptions given;
    if (const int status = ReadOptions(args, {"dates remove", {}, 1}, given); status != 0) {
        return status;
    }
    if (given.Operands().empty()) {
        return UsageError("dates remove: give the name of a date or its number in the list");
    }
    const std::string& wanted = given.Operands()[0];
    DatesOfRun run;
    if (const int status = ReadDatesToChange("dates remove", run); status != 0) {
        return status;
    }
    const std::vector<const PersonDate*> dates = DatesOf(run.contents);
    std::vector<std::size_t> matches;  // numbers in the list, from 1
    if (const std::optional<int> number = ParseCount(wanted)) {
        if (*number < 1 || static_cast<std::size_t>(*number) > dates.size()) {
            return NotFound("dates remove: there is no date " + wanted + " (the list has " +
                            std::to_string(dates.size()) + ")");
        }
        matches.push_back(static_cast<std::size_t>(*number));
    } else {
        for (std::size_t i = 0; i < dates.size(); ++i) {
            if (dates[i]->name == wanted) {
                matches.push_back(i + 1);
            }
        }
    }
    if (matches.empty()) {
        return NotFound("dates remove: no date is named " + Quote(wanted));
    }
    if (matches.size() > 1) {
        std::string numbers;
        for (const std::size_t number : matches) {
            numbers += (numbers.empty() ? "" : ", ") + std::to_string(number);
        }
        return UsageError("dates remove: " + Quote(wanted) + " names " + std::to_string(matches.size()) +
                          " dates, numbers " + numbers + " in the list; give the number");
    }
    const PersonDate* removed = dates[matches[0] - 1];
    const std::string text = EntryText(matches[0], *removed);
    for (auto line = run.contents.lines.begin(); line != run.contents.lines.end(); ++line) {
        if (line->date && &*line->date == removed) {
            run.contents.lines.erase(line);
            break;
        }
    }
    if (const int status = Save("dates remove", run); status != 0) {
        return status;
    }
    UseBinaryStdout();
    WriteBytes("removed " + text);
    return FinishOutput();
}

}  // namespace

int RunDatesCommand(const Arguments& args) {
    if (!args.empty() && args[0] == "add") {
        return AddDate(Arguments(args.begin() + 1, args.end()));
    }
    if (!args.empty() && args[0] == "remove") {
        return RemoveDate(Arguments(args.begin() + 1, args.end()));
    }
    static constexpr Option kOptions[] = {{"--from", Takes::Value, {}, {}}, {"--to", Takes::Value, {}, {}}};
    GivenOptions given;
    if (const int status = ReadOptions(args, {"dates", {kOptions}, 1}, given); status != 0) {
        return status;
    }
    if (!given.Operands().empty()) {
        const std::string& word = given.Operands()[0];
        return UsageError("dates: " + UnknownMessage("subcommand", word, NearestName(word, {"add", "remove"})));
    }
    DatesOfRun run;
    const bool span = given.Has("--from") || given.Has("--to");
    YearSpan years{};
    if (span) {
        if (const int status = TakeYearSpan(given, "dates", kFirstSupportedYear, true, years); status != 0) {
            return status;
        }
    }
    if (const int status = ReadDates("dates", run); status != 0) {
        return status;
    }
    UseBinaryStdout();
    if (span) {
        WriteBytes(Occurrences(DatesOf(run.contents), years));
        return FinishOutput();
    }
    std::size_t number = 0;
    for (const PersonDate* date : DatesOf(run.contents)) {
        WriteBytes(EntryText(++number, *date));
    }
    return FinishOutput();
}
