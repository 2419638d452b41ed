// The people's dates the window shows, read from their file (location/dates_store.h).
#include <string>
#include <utility>

#include "location/dates_store.h"
#include "shell/shell_win.h"

void ReadPeopleDates(AppState& state) {
    state.dates.clear();
    std::string why;
    const std::string path = UserDatesPath(why);
    DatesFileContents contents;
    if (path.empty() || LoadDatesFile(path, contents, why) != DatesFileFound::Read) {
        return;  // no file, or one that cannot be read: no dates shown
    }
    for (DatesFileLine& line : contents.lines) {
        if (line.date) {
            state.dates.push_back(std::move(*line.date));
        }
    }
}
