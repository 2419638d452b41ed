#include "location/settings_file.h"

#include <algorithm>

namespace {

constexpr char kHeader[] =
    "# Kestrelon's settings: one NAME=NUMBER line each (kestrelon-cli place rewrites this file).\n"
    "# City: a US ZIP code, a preset city's id (kestrelon-cli cities), or 0 for the position alone.\n"
    "# Latitude and Longitude: degrees * 100 + minutes, negative for south and for east.\n"
    "# Elevation in Elevation Units (1 metres, 2 feet). Holiday: 1 Israel, 2 Diaspora.\n";

// Without the blanks around it; a carriage return counts as a blank, so that what is kept of a line is what writing
// it back gives again.
std::string_view Trimmed(std::string_view text) {
    constexpr char kBlanks[] = " \t\r";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool IsNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || c == '_' ||
           c == '-' || c == '.';
}

// "line 3 is ..." or "line 3: ...".
std::string LineProblem(std::size_t number, const std::string& what) {
    return "line " + std::to_string(number) + (what[0] == ':' ? "" : " ") + what;
}

// Adds one line's entry or problem.
void ParseLine(std::string_view line, std::size_t number, SettingsFileContents& contents) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.size() > kSettingsLineMaxLength) {
        contents.problems.push_back(
            LineProblem(number, "is longer than " + std::to_string(kSettingsLineMaxLength) + " characters"));
        return;
    }
    const std::string_view content = Trimmed(line);
    if (content.empty() || content.front() == '#') {
        return;
    }
    const std::size_t equals = content.find('=');
    const std::string_view name = Trimmed(content.substr(0, std::min(equals, content.size())));
    if (equals == std::string_view::npos || name.empty() || !std::all_of(name.begin(), name.end(), IsNameCharacter)) {
        contents.problems.push_back(LineProblem(number, "is not NAME=NUMBER"));
        return;
    }
    const std::string_view value = Trimmed(content.substr(equals + 1));
    if (!ParseSettingNumber(value)) {
        contents.problems.push_back(
            LineProblem(number, ": " + std::string(name) + " is not a whole number from -2147483648 to 2147483647"));
    }
    const bool seen = std::any_of(contents.entries.begin(), contents.entries.end(),
                                  [&](const SettingsFileEntry& entry) { return entry.name == name; });
    if (seen) {
        contents.problems.push_back(LineProblem(number, ": " + std::string(name) + " is given a second time"));
    }
    contents.entries.push_back({std::string(name), std::string(value)});
}

}  // namespace

SettingsFileContents ParseSettingsFile(std::string_view text) {
    SettingsFileContents contents;
    std::size_t number = 1;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            contents.problems.push_back(LineProblem(number, "is cut short (it has no line end)"));
            break;
        }
        ParseLine(text.substr(0, end), number, contents);
        text.remove_prefix(end + 1);
        ++number;
    }
    return contents;
}

std::string FormatSettingsFile(const std::vector<SettingsFileEntry>& entries) {
    std::string text = kHeader;
    for (const SettingsFileEntry& entry : entries) {
        text += entry.name + "=" + entry.value + "\n";
    }
    return text;
}

std::vector<SettingsFileEntry> FitSettingsFile(std::vector<SettingsFileEntry>& entries,
                                               const char* const* kept,
                                               std::size_t keptCount) {
    const auto isKept = [&](const SettingsFileEntry& entry) {
        return std::any_of(kept, kept + keptCount, [&](const char* name) { return entry.name == name; });
    };
    const auto lineSize = [](const SettingsFileEntry& entry) { return entry.name.size() + entry.value.size() + 2; };
    std::size_t size = sizeof kHeader - 1;
    for (const SettingsFileEntry& entry : entries) {
        size += isKept(entry) ? lineSize(entry) : 0;
    }
    std::vector<SettingsFileEntry> fitted;
    std::vector<SettingsFileEntry> dropped;
    for (SettingsFileEntry& entry : entries) {
        if (!isKept(entry) && (!dropped.empty() || size + lineSize(entry) > kSettingsFileMaxBytes)) {
            dropped.push_back(std::move(entry));
            continue;
        }
        size += isKept(entry) ? 0 : lineSize(entry);
        fitted.push_back(std::move(entry));
    }
    entries = std::move(fitted);
    return dropped;
}

std::optional<std::int32_t> ParseSettingNumber(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    constexpr std::size_t kMaxDigits = 10;
    if (digits.empty() || digits.size() > kMaxDigits) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

ValueQuery FindSettingNumber(const std::vector<SettingsFileEntry>& entries, const char* name, std::int32_t& value) {
    const SettingsFileEntry* found = nullptr;
    for (const SettingsFileEntry& entry : entries) {
        if (entry.name == name) {
            if (found != nullptr) {
                return ValueQuery::Failed;
            }
            found = &entry;
        }
    }
    if (found == nullptr) {
        return ValueQuery::NotFound;
    }
    const std::optional<std::int32_t> number = ParseSettingNumber(found->value);
    if (!number) {
        return ValueQuery::Failed;
    }
    value = *number;
    return ValueQuery::Read;
}

void SetSettingNumber(std::vector<SettingsFileEntry>& entries, const char* name, std::int32_t value) {
    const auto first = std::find_if(entries.begin(), entries.end(),
                                    [&](const SettingsFileEntry& entry) { return entry.name == name; });
    if (first == entries.end()) {
        entries.push_back({name, std::to_string(value)});
        return;
    }
    first->value = std::to_string(value);
    entries.erase(std::remove_if(std::next(first), entries.end(),
                                 [&](const SettingsFileEntry& entry) { return entry.name == name; }),
                  entries.end());
}
