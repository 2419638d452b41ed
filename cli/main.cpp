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
    "      (a ZIP place in its own zone, any other in the computer's; --ut prints the UT minutes of sunrise,\n"
    "      sunset and nightfall after 0h UT of the date, or none)\n"
    "  ical --observance israel|diaspora [--from YEAR] [--to YEAR] [--zmanim PLACE] [-o FILE]\n"
    "      the holidays as an iCalendar file: one all-day event per holiday, its name and description; the\n"
    "      years default to this one and the next four. --zmanim adds the sunrise and sunset of every day at the\n"
    "      place (--zip CODE | --city NAME | --lat ... --lon ..., with --elevation and --units as for zmanim):\n"
    "      a ZIP place in its own zone, any other in the computer's zone when it has a name, else in UTC.\n"
    "      -o writes FILE (replaced whole) instead of standard output. DTSTAMP is the time of the run, or\n"
    "      SOURCE_DATE_EPOCH seconds after 1970 when that variable is set\n"
    "  zip CODE\n"
    "      the row of a US ZIP code, tab-separated: the code in five digits, the place name, latitude and\n"
    "      longitude packed as +-(degrees*100+minutes) with north and east positive, the standard offset in\n"
    "      hours from UTC, and 1 when the place observes daylight saving (else 0); exit 1 when not found\n"
    "  cities\n"
    "      the preset cities, tab-separated: id, name, packed latitude and longitude (north and east positive)\n"
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
    if (command == "ical") {
        return RunIcalCommand(rest);
    }
    if (command == "zip") {
        return RunZipCommand(rest);
    }
    if (command == "cities") {
        return RunCitiesCommand(rest);
    }
    return UsageError("unknown command '" + command + "' (see kestrelon-cli --help)");
}
