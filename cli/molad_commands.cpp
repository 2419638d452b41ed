// molad and omer: the molad of the months, their Shabbat Mevarchim, and the count of the Omer on the command line.
#include <cstdio>
#include <optional>
#include <string>

#include "calendar/clock.h"
#include "calendar/hebrew.h"
#include "calendar/molad.h"
#include "calendar/month_names.h"
#include "calendar/text_buffer.h"
#include "cli/arguments.h"
#include "cli/binary_stdout.h"
#include "cli/commands.h"
#include "cli/date_options.h"
#include "cli/options.h"
#include "cli/output.h"
#include "holidays/mevarchim.h"
#include "holidays/omer.h"

namespace {

// The Hebrew years molad takes: from the first that begins in the Gregorian year 1 (1 Tishrei 3762 is in September of
// the year 1), so that every date shown has a year of the common era, to the last of four digits.
constexpr int kFirstMoladYear = 3762;
constexpr int kLastMoladYear = 9999;
constexpr std::size_t kLineSize = 160;

std::string YearRangeText() {
    return "a Hebrew year from " + std::to_string(kFirstMoladYear) + " to " + std::to_string(kLastMoladYear);
}

// A Hebrew year as molad takes it; reports the error itself (what names the argument in the message).
std::optional<int> TakeHebrewYear(const std::string& what, const std::string& text) {
    const std::optional<int> year = ParseCount(text);
    if (!year || *year < kFirstMoladYear || *year > kLastMoladYear) {
        UsageError("molad: " + what + " must be " + YearRangeText() + ", not " + Quote(text));
        return std::nullopt;
    }
    return year;
}

// The month of the year, in the program's numbers; reports the error itself.
std::optional<int> TakeHebrewMonth(const std::string& text, int year) {
    const std::optional<int> month = ParseCount(text);
    if (!month || *month < 1 || *month > kAdarII) {
        UsageError("molad: MONTH must be a month number from 1 (Tishrei) to 14 (Adar II), not " + Quote(text));
        return std::nullopt;
    }
    if (HebrewMonthPosition(*month, year) < 0) {
        UsageError(IsHebrewLeapYear(year) ? "molad: " + std::to_string(year) +
                                                " is a leap year: its Adar is 13 (Adar I) or 14 (Adar II), not 6"
                                          : "molad: " + std::to_string(year) +
                                                " is not a leap year: its Adar is 6, not " + std::to_string(*month));
        return std::nullopt;
    }
    return month;
}

// HEBREWYEAR,MONTH,WEEKDAY,HOUR,MINUTE,PARTS
void AppendCsvLine(std::string& out, int month, int year) {
    const Molad molad = MoladOf(month, year);
    char line[kLineSize];
    out.append(line, FormatText(line, sizeof line, "%d,%d,%d,%d,%d,%d\n", year, month, WeekdayOf(molad.day), molad.hour,
                                molad.minute, molad.parts));
}

// The molad as announced, the Shabbat the month is blessed on, and the days of its Rosh Chodesh.
void AppendAnnouncement(std::string& out, int month, int year) {
    char text[kLineSize];
    const char* const name = HebrewMonthName(month);
    FormatMoladText(MoladOf(month, year), text, sizeof text);
    out += std::string("Molad ") + name + " " + std::to_string(year) + ": " + text + "\n";
    const std::optional<ShabbatMevarchim> blessed = MevarchimOf(month, year);
    if (!blessed) {
        out += "Shabbat Mevarchim: none (Tishrei is not blessed)\n";
        return;
    }
    int day = 0, civilMonth = 0, civilYear = 0;
    DayNumberToGregorian(blessed->shabbat, day, civilMonth, civilYear);
    FormatDateLine(GregorianMonthName(civilMonth), day, civilYear, text, sizeof text);
    out += std::string("Shabbat Mevarchim: ") + text + "\n";
    FormatRoshChodeshText(*blessed, text, sizeof text);
    out += std::string(text) + "\n";
}

}  // namespace

int RunMoladCommand(const Arguments& args) {
    static constexpr Option kOptions[] = {
        {"--from", Takes::Value, {}, {}}, {"--to", Takes::Value, {}, {}}, {"--csv", Takes::Nothing, {}, {}}};
    GivenOptions given;
    if (const int status = ReadOptions(args, {"molad", {kOptions}, 2, {}, {{"YEAR MONTH", "--from|--to"}}}, given);
        status != 0) {
        return status;
    }
    const std::vector<std::string>& operands = given.Operands();
    const std::optional<std::string> fromText = given.Value("--from");
    const std::optional<std::string> toText = given.Value("--to");
    // The months asked for: every month of the years from..to, or one month.
    int from = 0, to = 0, month = 0;
    if (fromText || toText) {
        // Either alone stands for both.
        const std::string fromName = fromText ? "--from" : "--to";
        const std::string toName = toText ? "--to" : "--from";
        const std::optional<int> first = TakeHebrewYear(fromName, fromText ? *fromText : *toText);
        const std::optional<int> last = first ? TakeHebrewYear(toName, toText ? *toText : *fromText) : std::nullopt;
        if (!last) {
            return kExitUsage;
        }
        if (*first > *last) {
            return UsageError("molad: --from must not be after --to");
        }
        from = *first;
        to = *last;
    } else if (!operands.empty()) {
        if (operands.size() < 2) {
            return UsageError("molad needs a MONTH after the YEAR, a number from 1 (Tishrei) to 14 (Adar II)");
        }
        const std::optional<int> year = TakeHebrewYear("YEAR", operands[0]);
        const std::optional<int> taken = year ? TakeHebrewMonth(operands[1], *year) : std::nullopt;
        if (!taken) {
            return kExitUsage;
        }
        from = to = *year;
        month = *taken;
    } else {
        // The coming month: the one after today's Hebrew month.
        Date today{};
        if (const int status = TakeDateOrToday(given, "molad", ReadLocalClock(), today); status != 0) {
            return status;
        }
        int day = 0, thisMonth = 0, year = 0;
        DayNumberToHebrew(GregorianToDayNumber(today.day, today.month, today.year), day, thisMonth, year);
        const HebrewMonthSequence order = HebrewMonthOrder(year);
        const int next = HebrewMonthPosition(thisMonth, year) + 1;
        from = to = next == order.count ? year + 1 : year;
        month = next == order.count ? kTishrei : order.months[next];
    }

    const bool csv = given.Has("--csv");
    UseBinaryStdout();
    std::string out;
    bool first = true;
    for (int year = from; year <= to; ++year) {
        const HebrewMonthSequence order = HebrewMonthOrder(year);
        for (int i = 0; i < order.count; ++i) {
            if (month != 0 && order.months[i] != month) {
                continue;
            }
            if (csv) {
                AppendCsvLine(out, order.months[i], year);
            } else {
                out += first ? "" : "\n";
                first = false;
                AppendAnnouncement(out, order.months[i], year);
            }
        }
        if (out.size() > 60000) {
            WriteText(stdout, out);
            out.clear();
        }
    }
    WriteText(stdout, out);
    return FinishOutput();
}

int RunOmerCommand(const Arguments& args) {
    static constexpr Option kOptions[] = {{"--date", Takes::Value, {}, {}}};
    GivenOptions given;
    if (const int status = ReadOptions(args, {"omer", {kOptions}}, given); status != 0) {
        return status;
    }
    Date date{};
    if (const int status = TakeDateOrToday(given, "omer", ReadLocalClock(), date); status != 0) {
        return status;
    }
    // The count first, then the words of the blessing when there is a count.
    const int count = OmerCount(GregorianToDayNumber(date.day, date.month, date.year));
    char text[kLineSize];
    const std::size_t length = FormatOmerText(count, text, sizeof text);
    UseBinaryStdout();
    WriteText(stdout, std::to_string(count) + (length > 0 ? " " + std::string(text, length) : "") + "\n");
    return FinishOutput();
}
