// The subcommands of kestrelon-cli. Each takes the arguments after its own name and returns the exit status:
// 0 done, 1 not found, 2 bad arguments (one line on stderr; see cli/output.h).
#pragma once

#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

// The whole command line after the program's name: the command and its arguments.
int RunCommandLine(const Arguments& args);

int RunTodayCommand(const Arguments& args);     // no subcommand: today's dates and holidays
int RunHolidaysCommand(const Arguments& args);  // holidays [--observance ...] [--from Y] [--to Y] [--names]
int RunDayCommand(const Arguments& args);       // day YYYY-MM-DD [--observance ...]
int RunZmanimCommand(const Arguments& args);    // zmanim [--date ...] place options [--all] [--ut]
int RunPlaceCommand(const Arguments& args);     // place [place, elevation and observance options]
int RunZipCommand(const Arguments& args);       // zip CODE
int RunCitiesCommand(const Arguments& args);    // cities
int RunIcalCommand(const Arguments& args);      // ical [--observance ...] [--from Y --to Y] [place] [--zmanim] [-o F]
// shabbat [--date D | --from Y [--to Y]] [place] [--observance ...] [--candles N] [--havdalah H] [--csv [--ut]]
int RunShabbatCommand(const Arguments& args);
int RunParshaCommand(const Arguments& args);  // parsha [--date ... | --from Y --to Y] [--observance ...]
int RunMoladCommand(const Arguments& args);   // molad [YEAR MONTH | --from Y --to Y] [--csv]
int RunOmerCommand(const Arguments& args);    // omer [--date YYYY-MM-DD]
int RunDafCommand(const Arguments& args);     // daf [--date D | --from Y --to Y] [--csv]
// yahrzeit|birthday YYYY-MM-DD [--after-sunset] [--adar usual|adar1|adar2|both] [--from Y] [--to Y]
int RunYahrzeitCommand(const Arguments& args);
int RunBirthdayCommand(const Arguments& args);
int RunDatesCommand(const Arguments& args);  // dates [add NAME --kind K (--date D | --hebrew H) | remove NAME]
