// The option reader as every command meets it: the command line run in this process, its exit status and its one
// line on stderr. No case here gets as far as the saved settings.
#include "cli/options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// The words of a command line split at blanks.
Arguments Words(const std::string& line) {
    Arguments words;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunLine(const std::string& line) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = RunCommandLine(Words(line));
    std::fflush(stdout);
    Outcome run{status, testing::internal::GetCapturedStdout(), testing::internal::GetCapturedStderr()};
    return run;
}

struct Case {
    const char* line;
    const char* message;  // after "kestrelon-cli: "
};

void ExpectRefused(const Case& c) {
    SCOPED_TRACE(c.line);
    const Outcome run = RunLine(c.line);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, std::string("kestrelon-cli: ") + c.message + "\n");
    EXPECT_EQ(run.out, "");
}

TEST(OptionReader, RefusesUnknownMissingAndRepeatedOptionsOfEveryCommandAlike) {
    const Case cases[] = {
        {"holidays --year 2000", "holidays: unknown option '--year' (see kestrelon-cli --help)"},
        {"cities -x", "cities: unknown option '-x' (see kestrelon-cli --help)"},
        {"zip --5", "zip: unknown option '--5' (see kestrelon-cli --help)"},
        {"--observance israel --ut", "unknown option '--ut' (see kestrelon-cli --help)"},
        {"holidays --from", "holidays: --from needs a value"},
        {"day 2024-01-01 --observance", "day: --observance needs a value"},
        {"zmanim --date 2008-06-21 --lat", "zmanim: --lat needs a value"},
        {"place --units", "place: --units needs a value"},
        {"ical -o", "ical: -o needs a value"},
        {"--observance", "--observance needs a value"},
        {"holidays --names --names", "holidays: --names given twice"},
        {"day 2024-01-01 --observance israel --observance israel", "day: --observance given twice"},
        {"zmanim --zip 10001 --zip 10002", "zmanim: --zip given twice"},
        {"place --observance israel --city 1 --observance israel", "place: --observance given twice"},
        {"ical --output a.ics -o b.ics", "ical: -o given twice"},
        {"--observance israel --observance diaspora", "--observance given twice"},
        {"day 2024-01-01 --observance mars", "day: --observance must be israel or diaspora, not 'mars'"},
        {"zmanim --units yards", "zmanim: --units must be feet, meters or metres, not 'yards'"},
        {"day 2024-01-01 2024-01-02", "day: unexpected argument '2024-01-02' (see kestrelon-cli --help)"},
        {"cities x", "cities: unexpected argument 'x' (see kestrelon-cli --help)"},
    };
    for (const Case& c : cases) {
        ExpectRefused(c);
    }
}

// One day or a span, YEAR MONTH or a span: whichever comes second is refused, naming what came first.
TEST(OptionReader, RefusesOptionsThatExcludeEachOtherAlike) {
    const Case cases[] = {
        {"shabbat --date 2024-01-01 --zip 10001 --from 2024", "shabbat: --from cannot be given with --date"},
        {"daf --to 2024 --date 2024-01-01", "daf: --date cannot be given with --to"},
        {"molad 5785 2 --to 5785", "molad: --to cannot be given with YEAR MONTH"},
        {"molad --from 5785 5785", "molad: YEAR MONTH cannot be given with --from"},
    };
    for (const Case& c : cases) {
        ExpectRefused(c);
    }
}

TEST(OptionReader, SuggestsTheNearestCommandOrOptionOnlyWhenClose) {
    const Case cases[] = {
        {"holiday", "unknown command 'holiday' (did you mean 'holidays'? see kestrelon-cli --help)"},
        {"dya 2024-01-01", "unknown command 'dya' (did you mean 'day'? see kestrelon-cli --help)"},
        {"calendar", "unknown command 'calendar' (see kestrelon-cli --help)"},
        {"--verison", "unknown option '--verison' (did you mean '--version'? see kestrelon-cli --help)"},
        {"--Observance israel",
         "unknown option '--Observance' (did you mean '--observance'? see kestrelon-cli --help)"},
        {"day 2024-01-01 --observence israel",
         "day: unknown option '--observence' (did you mean '--observance'? see kestrelon-cli --help)"},
        {"holidays --name", "holidays: unknown option '--name' (did you mean '--names'? see kestrelon-cli --help)"},
        {"zmanim --cty x", "zmanim: unknown option '--cty' (did you mean '--city'? see kestrelon-cli --help)"},
        {"ical -0 x.ics", "ical: unknown option '-0' (did you mean '-o'? see kestrelon-cli --help)"},
        {"ical --zmanimm", "ical: unknown option '--zmanimm' (did you mean '--zmanim'? see kestrelon-cli --help)"},
        {"place --elvation 100",
         "place: unknown option '--elvation' (did you mean '--elevation'? see kestrelon-cli --help)"},
        {"zmanim --tu", "zmanim: unknown option '--tu' (did you mean '--ut'? see kestrelon-cli --help)"},
        {"zmanim --sunrise", "zmanim: unknown option '--sunrise' (see kestrelon-cli --help)"},
    };
    for (const Case& c : cases) {
        ExpectRefused(c);
    }
}

TEST(OptionReader, TakesAWordInAnyLetterCase) {
    const Outcome israel = RunLine("day 2024-10-24 --observance Israel");
    EXPECT_EQ(israel.status, 0) << israel.err;
    EXPECT_EQ(israel.out.substr(0, 48), "Tishrei 22, 5785\nShmini Atzeret / Simchat Torah\n");
    const Outcome diaspora = RunLine("day 2024-10-24 --observance DIASPORA");
    EXPECT_EQ(diaspora.status, 0) << diaspora.err;
    EXPECT_EQ(diaspora.out.substr(0, 33), "Tishrei 22, 5785\nShmini Atzeret\n\n");
    const Outcome metres = RunLine("zmanim --date 2008-06-21 --zip 10001 --elevation 300 --units Meters");
    const Outcome feet = RunLine("zmanim --date 2008-06-21 --zip 10001 --elevation 300 --units feet");
    EXPECT_EQ(metres.status, 0) << metres.err;
    EXPECT_EQ(metres.out, RunLine("zmanim --date 2008-06-21 --zip 10001 --elevation 300 --units meters").out);
    EXPECT_NE(metres.out, feet.out);
}

}  // namespace
