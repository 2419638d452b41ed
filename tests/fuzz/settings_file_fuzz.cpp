// The settings file as the command line reads it where there is no registry: any bytes read as entries of allowed
// names; what is read and written back reads again the same, without a problem; and a value reads as one number,
// as missing, or as failed, as its entries say; fitted for a save, it stays within the reader's size.
//
// Input: a 32-bit number, then the file's text.
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "location/settings_file.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool AllowedNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' || c == '_' ||
           c == '-' || c == '.';
}

const char* const kNames[] = {"City", "Latitude", "Longitude", "Elevation", "Elevation Units", "Holiday"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::int32_t number = input.Int32();
    const std::string_view text = input.Rest();

    FUZZ_CHECK(ParseSettingNumber(std::to_string(number)) == number, std::to_string(number));

    const SettingsFileContents contents = ParseSettingsFile(text);
    for (const SettingsFileEntry& entry : contents.entries) {
        FUZZ_CHECK(!entry.name.empty() && entry.name.size() <= kSettingsLineMaxLength, "name \"" + entry.name + "\"");
        FUZZ_CHECK(std::all_of(entry.name.begin(), entry.name.end(), AllowedNameCharacter),
                   "name \"" + entry.name + "\"");
        FUZZ_CHECK(entry.value.find('\n') == std::string::npos, "value of " + entry.name);
    }

    // Written back, the entries read again the same; the only problems left are the names given more than once and
    // the values that are no numbers, one each.
    const std::string written = FormatSettingsFile(contents.entries);
    const SettingsFileContents again = ParseSettingsFile(written);
    std::vector<std::string> names;
    std::size_t notNumbers = 0;
    for (const SettingsFileEntry& entry : contents.entries) {
        names.push_back(entry.name);
        notNumbers += ParseSettingNumber(entry.value) ? 0 : 1;
    }
    std::sort(names.begin(), names.end());
    const auto repeated = static_cast<std::size_t>(names.end() - std::unique(names.begin(), names.end()));
    FUZZ_CHECK(again.problems.size() == repeated + notNumbers,
               "written back: " + std::to_string(again.problems.size()) + " problems, " + std::to_string(repeated) +
                   " repeated names, " + std::to_string(notNumbers) + " values no numbers" +
                   (again.problems.empty() ? "" : ": " + again.problems[0]));
    FUZZ_CHECK(again.entries.size() == contents.entries.size(), "written back: a different number of entries");
    for (std::size_t i = 0; i < again.entries.size(); ++i) {
        FUZZ_CHECK(
            again.entries[i].name == contents.entries[i].name && again.entries[i].value == contents.entries[i].value,
            "written back: entry " + contents.entries[i].name);
    }

    // Fitted for a save that keeps the six values, the file stays within what its reader takes whenever the six do,
    // and only other entries are taken out.
    std::vector<SettingsFileEntry> fitted = contents.entries;
    const std::vector<SettingsFileEntry> dropped = FitSettingsFile(fitted, kNames, std::size(kNames));
    FUZZ_CHECK(fitted.size() + dropped.size() == contents.entries.size(), "fitted: entries lost");
    std::vector<SettingsFileEntry> six;
    for (const SettingsFileEntry& entry : contents.entries) {
        if (std::find(std::begin(kNames), std::end(kNames), entry.name) != std::end(kNames)) {
            six.push_back(entry);
        }
    }
    FUZZ_CHECK(FormatSettingsFile(six).size() > kSettingsFileMaxBytes ||
                   FormatSettingsFile(fitted).size() <= kSettingsFileMaxBytes,
               "fitted: " + std::to_string(FormatSettingsFile(fitted).size()) + " bytes");
    for (const SettingsFileEntry& entry : dropped) {
        FUZZ_CHECK(std::find(std::begin(kNames), std::end(kNames), entry.name) == std::end(kNames),
                   "fitted: " + entry.name + " taken out");
    }

    for (const char* name : kNames) {
        int count = 0;
        std::optional<std::int32_t> only;
        for (const SettingsFileEntry& entry : contents.entries) {
            if (entry.name == name) {
                ++count;
                only = ParseSettingNumber(entry.value);
            }
        }
        std::int32_t value = 0;
        const ValueQuery query = FindSettingNumber(contents.entries, name, value);
        if (count == 0) {
            FUZZ_CHECK(query == ValueQuery::NotFound, name);
        } else if (count == 1 && only) {
            FUZZ_CHECK(query == ValueQuery::Read && value == *only, name);
        } else {
            FUZZ_CHECK(query == ValueQuery::Failed, name);
        }
    }
    return 0;
}
