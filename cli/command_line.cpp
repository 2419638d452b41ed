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
    "[--observance israel|diaspora] [--parsha] as for day. On a day without\n"
    "holidays the date lines stand alone.\n"
    "\n"
    "Commands:\n"
    "  holidays [--observance israel|diaspora] [--from YEAR] [--to YEAR] [--names]\n"
    "      the holiday table rows as CSV lines day,month,year,code,dayNumber, years\n"
    "      1900 to 2099 unless --from and --to narrow them; --names adds the\n"
    "      holiday's name as a sixth field\n"
    "  day YYYY-MM-DD [--observance israel|diaspora] [--parsha]\n"
    "      the Hebrew date and the day's holiday text, or the date line alone on a\n"
    "      day without holidays; --parsha adds a line naming the Torah portion of\n"
    "      the Shabbat of the date's week (the date itself when it is a Saturday),\n"
    "      or on a festival Shabbat the festival's reading, as parsha names them\n"
    "  zmanim [--date YYYY-MM-DD] [PLACE] [--elevation N] [--units feet|meters]\n"
    "         [--all] [--ut]\n"
    "      the day's zmanim as \"Copy Zmanim\" writes them, the date line naming the\n"
    "      day (today unless --date is given); a ZIP place in its own zone, any\n"
    "      other in the computer's; --ut prints the UT minutes of sunrise, sunset\n"
    "      and nightfall after 0h UT of the date, or none.\n"
    "      --all lists every zman of the day instead, one \"KEY HH:MM\" line each\n"
    "      (with --ut \"KEY MINUTES\"), none where it does not happen, in the order\n"
    "      midnight (the night before) dawn (16.1 degrees) tallit (11.5) sunrise\n"
    "      shema-gra shema-mga prayer-gra prayer-mga midday (the sun's transit)\n"
    "      mincha-gedola mincha-ketana plag sunset nightfall (8.5) nightfall-72;\n"
    "      proportional hours from sunrise to sunset, or for mga from 72 minutes\n"
    "      before sunrise to 72 after sunset\n"
    "  place [PLACE] [--elevation N] [--units feet|meters]\n"
    "        [--observance israel|diaspora] [--candles N|default]\n"
    "        [--havdalah nightfall|N]\n"
    "      without options, the saved place: its name (or position), position,\n"
    "      elevation and observance; with options, saves them as the Preferences\n"
    "      dialog does (ZIP CODE read from its leading digits, elevation 0 to 27000\n"
    "      in steps of 100, a position other than the city's own leaves no city)\n"
    "      and shows the result; what they do not name stays saved. --candles saves\n"
    "      the minutes of candle lighting before sunset (0 to 90, or default: the\n"
    "      place's own, 40 at Jerusalem, 30 at Haifa, 20 at Tel Aviv, else 18),\n"
    "      --havdalah the minutes of havdalah after sunset (0 to 120) or nightfall\n"
    "      (the default); place shows them once they are set\n"
    "  shabbat [--date YYYY-MM-DD | --from YEAR [--to YEAR]] [PLACE]\n"
    "          [--observance israel|diaspora] [--candles N|default]\n"
    "          [--havdalah nightfall|N] [--csv [--ut]]\n"
    "      candle lighting, havdalah and each fast's beginning and end in the week\n"
    "      (Sunday to Saturday) of the date or of today, with the times after it\n"
    "      that end a festival or fast it began; or in the years --from to --to.\n"
    "      Each Saturday's Torah portion (or festival reading) has a line too.\n"
    "      The place as for zmanim, on its clock; --candles and --havdalah as for\n"
    "      place, for this run, else the saved ones. --csv writes lines\n"
    "      YYYY-MM-DD,KIND,TIME, KIND candles, havdalah, fast-begins or fast-ends,\n"
    "      TIME HH:MM or none; with --ut the minutes of UT after 0h UT of the date\n"
    "  parsha [--date YYYY-MM-DD] [--observance israel|diaspora]\n"
    "  parsha [--from YEAR] [--to YEAR] [--observance israel|diaspora]\n"
    "      the weekly Torah portion of the Shabbat of the week holding the date\n"
    "      (today unless --date is given; the date itself when it is a Saturday),\n"
    "      as YYYY-MM-DD,NUMBERS,NAME: the Saturday, the portion's number in the\n"
    "      year's order (Bereshit 1 .. Vezot Haberakhah 54; two read together as\n"
    "      22-23) and its name; on a festival day NUMBERS is empty and NAME the\n"
    "      day's. With --from or --to, one line for every Saturday of those years,\n"
    "      1900 to 2099 unless they narrow them; the observance as for day\n"
    "  molad [YEAR MONTH] [--csv]\n"
    "  molad --from YEAR --to YEAR [--csv]\n"
    "      the molad of the month in Jerusalem mean time, its Shabbat Mevarchim\n"
    "      and the days of its Rosh Chodesh: of the Hebrew YEAR's MONTH (1 Tishrei\n"
    "      .. 12 Elul, 6 Adar, or 13 Adar I and 14 Adar II in a leap year), of every\n"
    "      month of the Hebrew years --from to --to (one alone: that year), or of\n"
    "      the month after today's; years 3762 to 9999. --csv writes lines\n"
    "      HEBREWYEAR,MONTH,WEEKDAY,HOUR,MINUTE,PARTS, weekday 0 Sunday, hour 0..23\n"
    "      from midnight, 18 parts to the minute: molad 5785 2 --csv\n"
    "  omer [--date YYYY-MM-DD]\n"
    "      the day of the Omer that the date is (counted on the evening before; 16\n"
    "      Nisan is 1; today unless --date is given): the number, 0 outside the\n"
    "      Omer, then the count as the blessing says it\n"
    "  daf [--date YYYY-MM-DD] [--csv]\n"
    "  daf [--from YEAR] [--to YEAR] [--csv]\n"
    "      the daf yomi, the day's page of the Babylonian Talmud: today's unless\n"
    "      --date is given (\"Berachot 2\"), or with --from or --to every day of\n"
    "      those years, 1923 (from the first cycle's first day, 1923-09-11) to\n"
    "      2099 unless they narrow them (\"2024-01-01 Bava Kamma 60\"); --csv\n"
    "      writes lines YYYY-MM-DD,TRACTATE,PAGE,NAME, TRACTATE the tractate's\n"
    "      place in the cycle (Berachot 1 ... Niddah 40). A day before the first\n"
    "      cycle has none (exit status 1)\n"
    "  yahrzeit YYYY-MM-DD [--after-sunset] [--adar usual|adar1|adar2|both]\n"
    "           [--from YEAR] [--to YEAR]\n"
    "  birthday YYYY-MM-DD [--after-sunset] [--adar usual|adar1|adar2|both]\n"
    "           [--from YEAR] [--to YEAR]\n"
    "      the yearly days of a death or a birth on the date (--after-sunset: after\n"
    "      sunset, so on the next Hebrew day) that fall in the years --from to --to\n"
    "      (one alone: that year; neither: 1900 to 2099), one line\n"
    "      YYYY-MM-DD,HEBREWYEAR each in date order; a yahrzeit begins the evening\n"
    "      before its day. A 30th of Cheshvan or Kislev gives a yahrzeit the month's\n"
    "      last day when the first year lacked it, else the 30th or, where there is\n"
    "      none, the 1st of the next month, and a birthday the 30th or the 1st; an\n"
    "      Adar of a common year is kept in a leap year in Adar I for a yahrzeit and\n"
    "      Adar II for a birthday (usual), or as --adar says (both: two lines);\n"
    "      Adar I or II in a common year in Adar (30 Adar I: a yahrzeit on 30\n"
    "      Shevat, a birthday on 1 Nisan)\n"
    "  dates [--from YEAR] [--to YEAR]\n"
    "  dates add NAME --kind yahrzeit|birthday|anniversary|other\n"
    "            (--date YYYY-MM-DD [--after-sunset] | --hebrew \"DAY MONTH YEAR\")\n"
    "            [--adar usual|adar1|adar2|both]\n"
    "  dates remove NAME|NUMBER\n"
    "      the people's dates kept in the file dates beside the settings (on\n"
    "      Windows %APPDATA%\\Kestrelon\\dates): without options a numbered list,\n"
    "      each with its name, kind, date as given and Hebrew date; with --from or\n"
    "      --to (one alone: that year) every yearly day of each in those years as\n"
    "      YYYY-MM-DD,KIND,NAME,HEBREWYEAR in date order, by the rules of yahrzeit\n"
    "      (a yahrzeit) or birthday (the others). add keeps a date: the Gregorian\n"
    "      date of the event or its Hebrew date (\"15 Nisan 5740\", \"7 Adar II\n"
    "      5784\"), with --adar as for yahrzeit; remove takes one out by its name\n"
    "      or its number in the list (a name that several dates have is refused).\n"
    "      A line of the file that cannot be read is reported and kept as it is\n"
    "  ical [--observance israel|diaspora] [--from YEAR] [--to YEAR]\n"
    "       [--zmanim] [--shabbat [--candles N|default] [--havdalah nightfall|N]\n"
    "       [--remind MINUTES]] [--omer] [PLACE] [--parsha] [--daf]\n"
    "       [--dates [--remind MINUTES]] [-o FILE]\n"
    "      the holidays as an iCalendar file: one all-day event per holiday, its\n"
    "      name and description; the years default to this one and the next four.\n"
    "      --zmanim adds the sunrise and sunset of every day at the PLACE (with\n"
    "      --elevation and --units as for zmanim), or at the saved place: a ZIP\n"
    "      place in its own zone, any other in the computer's zone when it has a\n"
    "      name, else in UTC. --shabbat adds there, on that clock, the times that\n"
    "      shabbat --csv lists (--candles and --havdalah as for shabbat), and\n"
    "      --remind a reminder MINUTES (0 to 1440) before each candle lighting;\n"
    "      --omer adds each evening's count of the Omer at its nightfall there. A\n"
    "      time that does not happen (a polar day or night) is left out. --parsha\n"
    "      adds each Saturday's weekly portion (none on a festival's Shabbat, whose\n"
    "      holiday event names it), --daf each day's daf yomi, as all-day events.\n"
    "      --dates adds each yearly day of the people's dates (as dates --from\n"
    "      --to lists them) as all-day events, and with a PLACE given or saved a\n"
    "      timed event at the sunset that begins each yahrzeit, --remind MINUTES\n"
    "      before it. A dates file that cannot be read writes nothing.\n"
    "      -o writes FILE instead of standard output: a file is replaced whole, a\n"
    "      device or pipe written to. DTSTAMP is the time of the run, or\n"
    "      SOURCE_DATE_EPOCH seconds after 1970 when that variable is set\n"
    "  zip CODE\n"
    "      the row of a US ZIP code, tab-separated: the code in five digits, the\n"
    "      place name, latitude and longitude packed as +-(degrees*100+minutes)\n"
    "      with north and east positive, the standard offset in hours from UTC, and\n"
    "      1 when the place observes daylight saving (else 0)\n"
    "  cities\n"
    "      the preset cities, tab-separated: id, name, packed latitude and\n"
    "      longitude (north and east positive)\n"
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
    "bare form, day, holidays, ical, shabbat and parsha use the saved\n"
    "observance, or diaspora when none is saved. Options are never saved but by\n"
    "place. The saved settings are those of the Kestrelon window on Windows, and\n"
    "the file\n"
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
        {"holidays", RunHolidaysCommand}, {"day", RunDayCommand},           {"zmanim", RunZmanimCommand},
        {"place", RunPlaceCommand},       {"ical", RunIcalCommand},         {"zip", RunZipCommand},
        {"cities", RunCitiesCommand},     {"shabbat", RunShabbatCommand},   {"parsha", RunParshaCommand},
        {"omer", RunOmerCommand},         {"molad", RunMoladCommand},       {"daf", RunDafCommand},
        {"yahrzeit", RunYahrzeitCommand}, {"birthday", RunBirthdayCommand}, {"dates", RunDatesCommand},
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
