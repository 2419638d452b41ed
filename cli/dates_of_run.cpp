#include "cli/dates_of_run.h"

#include "cli/arguments.h"
#include "cli/output.h"

namespace {

int Read(const char* command, DatesOfRun& run, bool toChange) {
    std::string why;
    run.path = UserDatesPath(why);
    if (run.path.empty()) {
        return NotFound(std::string(command) + ": no file for the dates: " + why);
    }
    if (toChange && !run.lock.Take(run.path, why)) {
        return NotFound(std::string(command) + ": " + why);
    }
    run.found = LoadDatesFile(run.path, run.contents, why);
    if (run.found == DatesFileFound::Unreadable) {
        return NotFound(std::string(command) + ": " + Quote(run.path) + " cannot be read: " + why);
    }
    for (const std::string& problem : run.contents.problems) {
        Warn(Quote(run.path) + " " + problem + "; the line is kept as it is");
    }
    return 0;
}

}  // namespace

int ReadDates(const char* command, DatesOfRun& run) {
    return Read(command, run, false);
}

int ReadDatesToChange(const char* command, DatesOfRun& run) {
    return Read(command, run, true);
}
