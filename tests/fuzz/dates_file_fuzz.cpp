// The people's dates file: any bytes read as dates with names that can be kept and days within the calendar, and
// every line kept; written back, the file reads again the same, line for line, with the same problems; and each
// date written anew as a line reads back as that date.
//
// Input: the file's text.
#include <string>

#include "location/dates_file.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool SameDate(const PersonDate& a, const PersonDate& b) {
    return a.name == b.name && a.kind == b.kind && a.civilDay == b.civilDay && a.afterSunset == b.afterSunset &&
           a.adar == b.adar &&
           (a.civilDay ||
            (a.hebrew.day == b.hebrew.day && a.hebrew.month == b.hebrew.month && a.hebrew.year == b.hebrew.year));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::string_view text = input.Rest();

    const DatesFileContents contents = ParseDatesFile(text);
    for (const DatesFileLine& line : contents.lines) {
        if (line.date) {
            FUZZ_CHECK(NameProblem(line.date->name).empty(), "a date named \"" + line.date->name + "\"");
            const HebrewDate hebrew = HebrewDateOf(*line.date);
            FUZZ_CHECK(hebrew.year >= 5660 && hebrew.year <= 5861,
                       "a date in Hebrew year " + std::to_string(hebrew.year));
        }
    }

    const std::string written = FormatDatesFile(contents);
    const DatesFileContents again = ParseDatesFile(written);
    FUZZ_CHECK(again.lines.size() == contents.lines.size(), "written back: a different number of lines");
    FUZZ_CHECK(again.problems.size() == contents.problems.size(), "written back: a different number of problems");
    for (std::size_t i = 0; i < again.lines.size() && i < contents.lines.size(); ++i) {
        FUZZ_CHECK(again.lines[i].text == contents.lines[i].text, "written back: line " + std::to_string(i + 1));
        FUZZ_CHECK(again.lines[i].date.has_value() == contents.lines[i].date.has_value() &&
                       (!again.lines[i].date || SameDate(*again.lines[i].date, *contents.lines[i].date)),
                   "written back: the date of line " + std::to_string(i + 1));
    }

    for (const DatesFileLine& line : contents.lines) {
        if (line.date) {
            const DatesFileContents fresh = ParseDatesFile(FormatPersonDate(*line.date));
            FUZZ_CHECK(fresh.problems.empty() && fresh.lines.size() == 1 && fresh.lines[0].date &&
                           SameDate(*fresh.lines[0].date, *line.date),
                       "the date \"" + line.date->name + "\" written anew");
        }
    }
    return 0;
}
