// The settings as a small text file, for systems without a registry. Each value is a line NAME=NUMBER with a decimal
// 32-bit number, e.g. "City=10001" or "Elevation Units=2"; blanks around the name and the number do not count, and
// blank lines and lines that start with '#' are comments. Every line, the last one too, ends with a line feed.
//
// Reading is strict and bounded, so that a damaged file costs the values it damaged and nothing else:
// - a file of more than kSettingsFileMaxBytes is not read at all (the reader checks the size);
// - a line of more than kSettingsLineMaxLength characters, a line without '=' or with a name of other characters
//   than letters, digits, blanks, '_', '-' and '.', and a last line without its line feed (a file cut short) are
//   skipped;
// - a value that is not a whole number from -2147483648 to 2147483647 is kept as written but reads as missing;
// - a name given more than once reads as missing, whichever line was meant.
// Each of these is one problem, with its line number, for the reader to report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "location/settings_store.h"

inline constexpr std::size_t kSettingsFileMaxBytes = 4096;
inline constexpr std::size_t kSettingsLineMaxLength = 200;

struct SettingsFileEntry {
    std::string name;
    std::string value;  // as written, whether a number or not
};

struct SettingsFileContents {
    std::vector<SettingsFileEntry> entries;  // in file order; a name given twice is there twice
    std::vector<std::string> problems;       // e.g. "line 3 is not NAME=NUMBER"; none for a sound file
};

SettingsFileContents ParseSettingsFile(std::string_view text);
// The header comment, then one line per entry.
std::string FormatSettingsFile(const std::vector<SettingsFileEntry>& entries);
// Fits entries to what ParseSettingsFile's reader takes, at most kSettingsFileMaxBytes as FormatSettingsFile writes
// them: the entries whose names are among kept stay; of the others, those from the first that no longer fits on
// are taken out (in their order) and returned.
std::vector<SettingsFileEntry> FitSettingsFile(std::vector<SettingsFileEntry>& entries,
                                               const char* const* kept,
                                               std::size_t keptCount);

// "-7400" is -7400; empty for anything else, "+5", " 5", "" and "2147483648" included.
std::optional<std::int32_t> ParseSettingNumber(std::string_view text);

// The value of name as a 32-bit number: Read with value set, NotFound when no entry has the name, Failed when its
// one entry is not a number or several entries have it.
ValueQuery FindSettingNumber(const std::vector<SettingsFileEntry>& entries, const char* name, std::int32_t& value);
// Replaces every entry of name by one entry with the number, where the first was, or adds it at the end.
void SetSettingNumber(std::vector<SettingsFileEntry>& entries, const char* name, std::int32_t value);
