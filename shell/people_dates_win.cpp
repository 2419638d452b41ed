// The people's dates the window shows, read from their file (location/dates_store.h).
#include <string>
#include <utility>
#include <vector>

#include "location/dates_store.h"
#include "shell/shell_win.h"

namespace {

// The same dates in the same order: each as the line the file would hold for it.
bool SameDates(const std::vector<PersonDate>& a, const std::vector<PersonDate>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FormatPersonDate(a[i]) != FormatPersonDate(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

void ReadPeopleDates(AppState& state) {
    std::vector<PersonDate> dates;
    std::string why;
    const std::string path = UserDatesPath(why);
    DatesFileContents contents;
    // No file, or one that cannot be read: no dates shown.
    if (!path.empty() && LoadDatesFile(path, contents, why) == DatesFileFound::Read) {
        for (DatesFileLine& line : contents.lines) {
            if (line.date) {
                dates.push_back(std::move(*line.date));
            }
        }
    }
    if (!SameDates(dates, state.dates)) {
        state.dates = std::move(dates);
        ++state.datesRevision;
    }
}
