// kestrelon-cli's commands: the calendar, holidays and zmanim of Kestrelon on the command line.
#include <cstdio>
#include <string>

#include "cli/arguments.h"
#include "cli/binary_stdout.h"
#include "cli/commands.h"
#include "cli/output.h"

namespace {

const char kUsage[] =
    "Usage: kestrelon-cli [COMMAND] [OPTIONS]\n"
    "\n"
    "With no command: today's Gregorian and Hebrew date and today's holidays (Diaspora).\n"
    "\n"
    "Commands:\n"
    "  holidays [--observance israel|diaspora] [--from YEAR] [--to YEAR] [--names]\n"
    "      the holiday table rows as CSV lines day,month,year,code,dayNumber, years 1900 to 2099 unless\n"
    "      --from and --to narrow them; --names adds the holiday's name as a sixth field\n"
    "  day YYYY-MM-DD [--observance israel|diaspora]\n"
    "      the Hebrew date and the day's holiday text\n"
    "  zmanim [--date YYYY-MM-DD] [PLACE] [--elevation N] [--units feet|meters]\n"
    "         [--ut]\n"
    "      the day's zmanim as \"Copy Zmanim\" writes them, the date line naming the day (today unless\n"
    "      --date is given); a ZIP place in its own zone, any other in the computer's; --ut prints the UT\n"
    "      minutes of sunrise, sunset and nightfall after 0h UT of the date, or none\n"
    "  place [PLACE] [--elevation N] [--units feet|meters]\n"
    "        [--observance israel|diaspora]\n"
    "      without options, the saved place: its name (or position), position,\n"
    "      elevation and observance; with options, saves them as the Preferences\n"
    "      dialog does (ZIP CODE read from its leading digits, elevation 0 to 27000\n"
    "      in steps of 100, a position other than the city's own leaves no city)\n"
    "      and shows the result; what they do not name stays saved\n"
    "  ical [--observance israel|diaspora] [--from YEAR] [--to YEAR] [--zmanim [PLACE]] [-o FILE]\n"
    "      the holidays as an iCalendar file: one all-day event per holiday, its name and description; the\n"
    "      years default to this one and the next four. --zmanim adds the sunrise and sunset of every day at the\n"
    "      place (--zip CODE | --city NAME | --lat ... --lon ..., with --elevation and --units as for zmanim,\n"
    "      or the saved place):\n"
    "      a ZIP place in its own zone, any other in the computer's zone when it has a name, else in UTC.\n"
    "      -o writes FILE instead of standard output: a file is replaced whole, a\n"
    "      device or pipe written to. DTSTAMP is the time of the run, or\n"
    "      SOURCE_DATE_EPOCH seconds after 1970 when that variable is set\n"
    "  zip CODE\n"
    "      the row of a US ZIP code, tab-separated: the code in five digits, the place name, latitude and\n"
    "      longitude packed as +-(degrees*100+minutes) with north and east positive, the standard offset in\n"
    "      hours from UTC, and 1 when the place observes daylight saving (else 0)\n"
    "  cities\n"
    "      the preset cities, tab-separated: id, name, packed latitude and longitude (north and east positive)\n"
    "  --help     this text\n"
    "  --version  the program's version\n"
    "\n"
    "PLACE is --zip CODE, --city NAME, or --lat LAT --lon LON. --city takes a\n"
    "preset's name or id, or the beginning of one name, in any letter case and\n"
    "without its accents. LAT is DD:MM{N|S} and LON DDD:MM{E|W}, or either in\n"
    "decimal degrees, north and east positive, rounded to the nearest minute\n"
    "(--lat 31.77 --lon 35.22 is 31:46N 35:13E).\n"
    "Defaults: without a place option, zmanim uses the saved place with its elevation; with one, elevation 0\n"
    "and --units feet. Without --observance, day, holidays and ical use the saved observance, or diaspora when none\n"
    "is saved. Options are never saved but by place. The saved settings are those of the Kestrelon window on\n"
    "Windows, and the file $XDG_CONFIG_HOME/kestrelon/settings (~/.config/kestrelon/settings) elsewhere.\n"
    "\n"
    "Dates lie between 1900-01-01 and 2099-12-31. Texts are written in UTF-8 when the locale's character set\n"
    "is UTF-8, else as the program's Windows-1252 bytes.\n"
    "\n"
    "Exit status: 0 success, 1 not found (an unknown ZIP code, no saved place) or output or settings that\n"
    "could not be written, 2 bad arguments. Every error is one line on standard error.\n";

}  // namespace

int RunCommandLine(const Arguments& args) {
    if (args.empty()) {
        return RunTodayCommand({});
    }
    const std::string& command = args[0];
    const Arguments rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "help") {
        UseBinaryStdout();
        std::fputs(kUsage, stdout);
        return FinishOutput();
    }
    if (command == "--version") {
        UseBinaryStdout();
        std::fputs("kestrelon-cli " KESTRELON_VERSION "\n", stdout);
        return FinishOutput();
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
    if (command == "place") {
        return RunPlaceCommand(rest);
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
    return UsageError("unknown command " + Quote(command) + " (see kestrelon-cli --help)");
}
