// kestrelon-cli: the calendar, holidays and zmanim of Kestrelon on the command line.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"

namespace {

const char kUsage[] =
    "Usage: kestrelon-cli [COMMAND] [OPTIONS]\n"
    "\n"
    "With no command: today's Gregorian and Hebrew date and today's holidays (Diaspora).\n"
    "\n"
    "Commands:\n"
    "  holidays --observance israel|diaspora [--from YEAR] [--to YEAR]\n"
    "      the holiday table rows as CSV lines day,month,year,code,dayNumber\n"
    "  day YYYY-MM-DD [--observance israel|diaspora]\n"
    "      the Hebrew date and the day's holiday text\n"
    "  zmanim [--date YYYY-MM-DD] (--zip CODE | --city NAME | --lat DD:MM{N|S} --lon DDD:MM{E|W})\n"
    "         [--elevation N] [--units feet|meters] [--ut]\n"
    "      the day's zmanim as \"Copy Zmanim\" writes them; with --ut the minutes of UT\n"
    "  zip CODE\n"
    "      the row of a US ZIP code\n"
    "  cities\n"
    "      the preset cities\n"
    "  --help\n"
    "      this text\n";

}  // namespace

int UsageError(const std::string& message) {
    std::fprintf(stderr, "kestrelon-cli: %s\n", message.c_str());
    return 2;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        return RunTodayCommand({});
    }
    const std::string command = argv[1];
    const Arguments rest(argv + 2, argv + argc);
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "holidays") {
        return RunHolidaysCommand(rest);
    }
    if (command == "day") {
        return RunDayCommand(rest);
    }
    if (command == "zmanim") {
        return RunZmanimCommand(rest);
    }
    if (command == "zip") {
        return RunZipCommand(rest);
    }
    if (command == "cities") {
        return RunCitiesCommand(rest);
    }
    return UsageError("unknown command '" + command + "' (see kestrelon-cli --help)");
}
