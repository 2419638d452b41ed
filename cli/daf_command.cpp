// daf: the daf yomi of a day, or of every day of a span of years.
#include <cstdio>
#include <optional>
#include <string>

#include "calendar/clock.h"
#include "calendar/gregorian.h"
#include "calendar/text_buffer.h"
#include "cli/arguments.h"
#include "cli/binary_stdout.h"
#include "cli/commands.h"
#include "cli/date_options.h"
#include "cli/options.h"
#include "cli/output.h"
#include "holidays/daf_yomi.h"

namespace {

constexpr int kFirstDafYear = 1923;
constexpr std::size_t kLineSize = 64;  // "2099-12-31,27,76,Avodah Zarah\n" is 30

// "1923-09-11".
std::string IsoDate(DayNumber day) {
    int dayOfMonth = 0, month = 0, year = 0;
    DayNumberToGregorian(day, dayOfMonth, month, year);
    char text[kLineSize];
    return std::string(text, FormatText(text, sizeof text, "%04d-%02d-%02d", year, month, dayOfMonth));
}

// One day as a line: "Berachot 2" alone, "1923-09-11 Berachot 2" in a listing, "1923-09-11,1,2,Berachot" as CSV.
// The day is one of the first cycle's or later.
std::size_t FormatDaf(DayNumber day, bool csv, bool withDate, char* line, std::size_t capacity) {
    const DafYomi daf = *DafYomiOn(day);
    const std::string_view name = TractateName(daf.tractate);
    const int nameLength = static_cast<int>(name.size());
    int dayOfMonth = 0, month = 0, year = 0;
    DayNumberToGregorian(day, dayOfMonth, month, year);
    if (csv) {
        return FormatText(line, capacity, "%04d-%02d-%02d,%d,%d,%.*s\n", year, month, dayOfMonth,
                          TractateNumber(daf.tractate), daf.page, nameLength, name.data());
    }
    if (withDate) {
        return FormatText(line, capacity, "%04d-%02d-%02d %.*s %d\n", year, month, dayOfMonth, nameLength, name.data(),
                          daf.page);
    }
    return FormatText(line, capacity, "%.*s %d\n", nameLength, name.data(), daf.page);
}

// Every day of the years from the first cycle's first day on, a line each, written a block at a time.
void WriteYears(int from, int to, bool csv) {
    const DayNumber last = GregorianToDayNumber(31, 12, to);
    DayNumber day = GregorianToDayNumber(1, 1, from);
    if (day < kFirstDafYomiDay) {
        day = kFirstDafYomiDay;
    }
    constexpr std::size_t kBlockSize = 64 * 1024;
    std::string block;
    block.reserve(kBlockSize);
    char line[kLineSize];
    for (; day <= last; ++day) {
        block.append(line, FormatDaf(day, csv, true, line, sizeof line));
        if (block.size() > kBlockSize - kLineSize) {
            std::fwrite(block.data(), 1, block.size(), stdout);
            block.clear();
        }
    }
    std::fwrite(block.data(), 1, block.size(), stdout);
}

}  // namespace

int RunDafCommand(const Arguments& args) {
    static constexpr Option kOptions[] = {{"--date", Takes::Value, {}, {}},
                                          {"--from", Takes::Value, {}, {}},
                                          {"--to", Takes::Value, {}, {}},
                                          {"--csv", Takes::Nothing, {}, {}}};
    GivenOptions given;
    if (const int status = ReadOptions(args, {"daf", {kOptions}, 0, {}, {kDateOrYears}}, given); status != 0) {
        return status;
    }
    const bool csv = given.Has("--csv");
    if (given.Has("--from") || given.Has("--to")) {
        YearSpan years{};
        if (const int status = TakeYearSpan(given, "daf", kFirstDafYear, false, years); status != 0) {
            return status;
        }
        UseBinaryStdout();
        WriteYears(years.from, years.to, csv);
        return FinishOutput();
    }

    Date date{};
    if (const int status = TakeDateOrToday(given, "daf", ReadLocalClock(), date); status != 0) {
        return status;
    }
    const DayNumber day = GregorianToDayNumber(date.day, date.month, date.year);
    if (day < kFirstDafYomiDay) {
        return NotFound("daf: no daf yomi on " + IsoDate(day) + ": the first cycle began on " +
                        IsoDate(kFirstDafYomiDay));
    }
    char line[kLineSize];
    const std::size_t length = FormatDaf(day, csv, csv, line, sizeof line);
    UseBinaryStdout();
    std::fwrite(line, 1, length, stdout);
    return FinishOutput();
}
