#include "cli/saved_settings.h"

#include <initializer_list>
#include <string_view>

#include "cli/arguments.h"
#include "cli/output.h"

namespace {

bool IsShabbatValue(const char* name) {
    const std::string_view value(name);
    return value == kCandleLightingMinutesValue || value == kHavdalahMinutesValue;
}

// The names of the lists, the place's values or the candle-lighting and havdalah values, joined by commas.
std::string Joined(std::initializer_list<const std::vector<const char*>*> lists, bool shabbatValues) {
    std::string names;
    for (const auto* list : lists) {
        for (const char* name : *list) {
            if (IsShabbatValue(name) == shabbatValues) {
                names += (names.empty() ? "" : ", ") + std::string(name);
            }
        }
    }
    return names;
}

// One line for everything that was wrong: the first problem, how many more there were, and the values that read as
// their defaults. `place` saves the place's six values whenever it saves; the candle-lighting and havdalah values
// only when its options set them.
void ReportDamage(const std::string& where, const std::vector<std::string>& problems, const SettingsReadReport& read) {
    if (problems.empty() && read.missing.empty() && read.unreadable.empty() && read.outOfRange.empty()) {
        return;
    }
    std::string first;
    if (!problems.empty()) {
        first = (problems[0].compare(0, 5, "line ") == 0 ? ": " : " ") + problems[0];
    } else if (!read.unreadable.empty()) {
        first = ": " + std::string(read.unreadable[0]) + " cannot be read as a number";
    } else if (!read.missing.empty()) {
        first = ": " + std::string(read.missing[0]) + " is missing";
    } else {
        first = ": " + std::string(read.outOfRange[0]) + " is out of its range";
    }
    if (problems.size() > 1) {
        first += " (and " + std::to_string(problems.size() - 1) + " more)";
    }
    const std::string names = Joined({&read.missing, &read.unreadable}, false);
    const std::string shabbatNames = Joined({&read.unreadable, &read.outOfRange}, true);
    const bool both = shabbatNames.find(',') != std::string::npos;
    const std::string option = both                                          ? "--candles and --havdalah set them"
                               : shabbatNames == kCandleLightingMinutesValue ? "--candles sets it"
                                                                             : "--havdalah sets it";
    Warn(Quote(where) + first +
         (names.empty() ? std::string("")
                        : "; using the defaults for " + names + " until kestrelon-cli place saves the place again") +
         (shabbatNames.empty() ? std::string("")
                               : std::string(both ? "; using the defaults for " : "; using the default for ") +
                                     shabbatNames + " until kestrelon-cli place " + option));
}

}  // namespace

const Location* SavedSettings::Get() {
    if (!read_) {
        read_ = true;
        std::string where;
        std::vector<std::string> problems;
        SettingsReadReport read;
        found_ = ReadSettings(location_, shabbat_, where, problems, read);
        if (found_) {
            ReportDamage(where, problems, read);
        }
    }
    return found_ ? &location_ : nullptr;
}

const ShabbatSettings& SavedSettings::Shabbat() {
    Get();
    return shabbat_;
}

bool SavedSettings::Save(const std::vector<DwordSetting>& values) {
    std::string error;
    if (!WriteSettings(values, error)) {
        NotFound("cannot save the place: " + error);
        return false;
    }
    return true;
}
