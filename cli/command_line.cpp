// kestrelon-cli's commands: the calendar, holidays and zmanim of Kestrelon on the command line.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/binary_stdout.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/output.h"

namespace {

const char kUsage[] =
    "Usage: kestrelon-cli [COMMAND] [OPTIONS]\n"
    "\n"
    "With no command: today's Gregorian and Hebrew date and today's holidays;\n"
    "[--observance israel|diaspora] as for day. On a day without holidays the date\n"
    "lines stand alone.\n"
    "\n"
    "Commands:\n"
    "  holidays [--observance israel|diaspora] [--from YEAR] [--to YEAR] [--names]\n"
    "      the holiday table rows as CSV lines day,month,year,code,dayNumber, years\n"
    "      1900 to 2099 unless --from and --to narrow them; --names adds the\n"
    "      holiday's name as a sixth field\n"
    "  day YYYY-MM-DD [--observance israel|diaspora]\n"
    "      the Hebrew date and the day's holiday text, or the date line alone on a\n"
    "      day without holidays\n"
    "  zmanim [--date YYYY-MM-DD] [PLACE] [--elevation N] [--units feet|meters]\n"
    "         [--ut]\n"
    "      the day's zmanim as \"Copy Zmanim\" writes them, the date line naming the\n"
    "      day (today unless --date is given); a ZIP place in its own zone, any\n"
    "      other in the computer's; --ut prints the UT minutes of sunrise, sunset\n"
    "      and nightfall after 0h UT of the date, or none\n"
    "  place [PLACE] [--elevation N] [--units feet|meters]\n"
    "        [--observance israel|diaspora]\n"
    "      without options, the saved place: its name (or position), position,\n"
    "      elevation and observance; with options, saves them as the Preferences\n"
    "      dialog does (ZIP CODE read from its leading digits, elevation 0 to 27000\n"
    "      in steps of 100, a position other than the city's own leaves no city)\n"
    "      and shows the result; what they do not name stays saved\n"
    "  ical [--observance israel|diaspora] [--from YEAR] [--to YEAR]\n"
    "       [--zmanim [PLACE]] [-o FILE]\n"
    "      the holidays as an iCalendar file: one all-day event per holiday, its\n"
    "      name and description; the years default to this one and the next four.\n"
    "      --zmanim adds the sunrise and sunset of every day at the PLACE (with\n"
    "      --elevation and --units as for zmanim), or at the saved place: a ZIP\n"
    "      place in its own zone, any other in the computer's zone when it has a\n"
    "      name, else in UTC. -o writes FILE instead of standard output: a file is\n"
    "      replaced whole, a device or pipe written to. DTSTAMP is the time of the\n"
    "      run, or SOURCE_DATE_EPOCH seconds after 1970 when that variable is set\n"
    "  zip CODE\n"
    "      the row of a US ZIP code, tab-separated: the code in five digits, the\n"
    "      place name, latitude and longitude packed as +-(degrees*100+minutes)\n"
    "      with north and east positive, the standard offset in hours from UTC, and\n"
    "      1 when the place observes daylight saving (else 0)\n"
    "  cities\n"
    "      the preset cities, tab-separated: id, name, packed latitude and\n"
    "      longitude (north and east positive)\n"
    "  daf [--date YYYY-MM-DD] [--csv]\n"
    "  daf [--from YEAR] [--to YEAR] [--csv]\n"
    "      the daf yomi, the day's page of the Babylonian Talmud: today's unless\n"
    "      --date is given (\"Berachot 2\"), or with --from or --to every day of\n"
    "      those years, 1923 (from the first cycle's first day, 1923-09-11) to\n"
    "      2099 unless they narrow them (\"2024-01-01 Bava Kamma 60\"); --csv\n"
    "      writes lines YYYY-MM-DD,TRACTATE,PAGE,NAME, TRACTATE the tractate's\n"
    "      place in the cycle (Berachot 1 ... Niddah 40). A day before the first\n"
    "      cycle has none (exit status 1)\n"
    "  --help     this text\n"
    "  --version  the program's version\n"
    "\n"
    "PLACE is --zip CODE, --city NAME, or --lat LAT --lon LON: LAT is DD:MM{N|S}\n"
    "and LON DDD:MM{E|W}, or either in decimal degrees, north and east positive,\n"
    "rounded to the nearest minute (--lat 31.77 --lon 35.22 is 31:46N 35:13E).\n"
    "Each option is given at most once. The words an option takes (israel,\n"
    "diaspora, feet, meters) may be in any letter case, and --city takes a preset's\n"
    "name or id, or the beginning of one name, in any letter case and without its\n"
    "accents. A misspelt command or option is answered with the nearest name, when\n"
    "one is close.\n"
    "Defaults: without a place option, zmanim uses the saved place with its\n"
    "elevation; with one, elevation 0 and --units feet. Without --observance, the\n"
    "bare form, day, holidays and ical use the saved observance, or diaspora when\n"
    "none is saved. Options are never saved but by place. The saved settings are\n"
    "those of the Kestrelon window on Windows, and the file\n"
    "$XDG_CONFIG_HOME/kestrelon/settings (~/.config/kestrelon/settings) elsewhere.\n"
    "\n"
    "Dates lie between 1900-01-01 and 2099-12-31. Texts are written in UTF-8 when\n"
    "the locale's character set is UTF-8, else as the program's Windows-1252 bytes;\n"
    "a Windows console shows them right whatever its code page.\n"
    "\n"
    "Exit status: 0 success, 1 not found (an unknown ZIP code, no saved place) or\n"
    "output or settings that could not be written, 2 bad arguments. Every error is\n"
    "one line on standard error.\n";

}  // namespace

int RunCommandLine(const Arguments& args) {
    // The bare form: no command, perhaps its options.
    if (args.empty() ||
        (args[0].size() > 1 && args[0][0] == '-' && args[0] != "--help" && args[0] != "-h" && args[0] != "--version")) {
        return RunTodayCommand(args);
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
    static constexpr struct {
        const char* name;
        int (*run)(const Arguments&);
    } kCommands[] = {
        {"holidays", RunHolidaysCommand}, {"day", RunDayCommand},   {"zmanim", RunZmanimCommand},
        {"place", RunPlaceCommand},       {"ical", RunIcalCommand}, {"zip", RunZipCommand},
        {"cities", RunCitiesCommand},     {"daf", RunDafCommand},
    };
    std::vector<std::string_view> names = {"help"};
    for (const auto& known : kCommands) {
        if (command == known.name) {
            return known.run(rest);
        }
        names.push_back(known.name);
    }
    return UsageError(UnknownMessage("command", command, NearestName(command, names)));
}
