#include "cli/saved_settings.h"

#include "cli/arguments.h"
#include "cli/output.h"

namespace {

std::string Joined(const std::vector<const char*>& missing, const std::vector<const char*>& unreadable) {
    std::string names;
    for (const auto* list : {&missing, &unreadable}) {
        for (const char* name : *list) {
            names += (names.empty() ? "" : ", ") + std::string(name);
        }
    }
    return names;
}

// One line for everything that was wrong: the first problem, how many more there were, and the values that read as
// their defaults.
void ReportDamage(const std::string& where, const std::vector<std::string>& problems, const SettingsReadReport& read) {
    if (problems.empty() && read.missing.empty() && read.unreadable.empty()) {
        return;
    }
    std::string first;
    if (!problems.empty()) {
        first = (problems[0].compare(0, 5, "line ") == 0 ? ": " : " ") + problems[0];
    } else if (!read.unreadable.empty()) {
        first = ": " + std::string(read.unreadable[0]) + " cannot be read as a number";
    } else {
        first = ": " + std::string(read.missing[0]) + " is missing";
    }
    if (problems.size() > 1) {
        first += " (and " + std::to_string(problems.size() - 1) + " more)";
    }
    const std::string names = Joined(read.missing, read.unreadable);
    Warn(Quote(where) + first +
         (names.empty() ? std::string("")
                        : "; using the defaults for " + names + " until kestrelon-cli place saves the place again"));
}

}  // namespace

const Location* SavedSettings::Get() {
    if (!read_) {
        read_ = true;
        std::string where;
        std::vector<std::string> problems;
        SettingsReadReport read;
        found_ = ReadSettings(location_, where, problems, read);
        if (found_) {
            ReportDamage(where, problems, read);
        }
    }
    return found_ ? &location_ : nullptr;
}

bool SavedSettings::Save(const Location& location) {
    std::string error;
    if (!WriteSettings(location, error)) {
        NotFound("cannot save the place: " + error);
        return false;
    }
    return true;
}
