#include "cli/place_options.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/output.h"
#include "location/encoding.h"
#include "location/place_rules.h"
#include "location/zip_code_text.h"
#include "location/zip_database.h"

namespace {

constexpr int kMaxShownElevation = 1000000;

// The word in any letter case, as the option reader takes an option's words.
bool IsWord(const std::string& text, std::string_view word) {
    return text.size() == word.size() && std::equal(text.begin(), text.end(), word.begin(), [](char c, char w) {
               return (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == w;
           });
}

// The preset the text names, or null with the reason: no such city, or the names an ambiguous beginning fits.
const PresetCity* FindPreset(const std::string& text, std::string& reason) {
    std::vector<const PresetCity*> candidates;
    const PresetCity* preset = FindPresetByName(text, candidates);
    if (preset != nullptr) {
        return preset;
    }
    if (candidates.empty()) {
        reason = "unknown city " + Quote(text) + " (see kestrelon-cli cities)";
        return nullptr;
    }
    reason = "--city " + Quote(text) + " is ambiguous: ";
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        reason += (i == 0 ? "" : "; ") + Utf8FromWindows1252(candidates[i]->name);
    }
    return nullptr;
}

// The place the options name, into location. Returns 0, or the exit status of the error it reported.
int SetPlace(const PlaceOptions& options, PlaceUse use, const std::string& command, Location& location) {
    const int ways = (options.zip ? 1 : 0) + (options.city ? 1 : 0) + ((options.latitude || options.longitude) ? 1 : 0);
    if (ways != 1) {
        return UsageError(command + "give one place: --zip CODE, --city NAME, or --lat and --lon");
    }
    if (options.zip) {
        int code = ParseZipCodeText(options.zip->c_str());
        if (use == PlaceUse::Show) {
            code = ParseCount(*options.zip).value_or(-1);
            if (code < 0) {
                return UsageError(command + "--zip needs a ZIP code of digits, not " + Quote(*options.zip));
            }
        }
        ZipRow row{};
        if (!zipLookup(code, row) || !ChooseCity(row.zip, location)) {
            return NotFound("ZIP code " + Quote(*options.zip) + " not found");
        }
        return 0;
    }
    if (options.city) {
        std::string reason;
        const PresetCity* preset = FindPreset(*options.city, reason);
        if (preset == nullptr) {
            return UsageError(command + reason);
        }
        ChooseCity(preset->id, location);
        return 0;
    }
    if (!options.latitude || !options.longitude) {
        return UsageError(command + "--lat and --lon go together");
    }
    std::string reason;
    const std::optional<std::int32_t> latitude = ParseTypedAngle(*options.latitude, Axis::Latitude, reason);
    if (!latitude) {
        return UsageError(command + "--lat " + Quote(*options.latitude) + ": " + reason);
    }
    const std::optional<std::int32_t> longitude = ParseTypedAngle(*options.longitude, Axis::Longitude, reason);
    if (!longitude) {
        return UsageError(command + "--lon " + Quote(*options.longitude) + ": " + reason);
    }
    const PlacePosition position{*latitude, *longitude};
    location.setCity(CityKeptAt(location.city(), position));
    location.setLatitude(position.latitude);
    location.setLongitude(position.longitude);
    return 0;
}

int SetElevation(const PlaceOptions& options, PlaceUse use, const std::string& command, Location& location) {
    if (options.elevation) {
        const int largest = use == PlaceUse::Save ? kMaxListedElevation : kMaxShownElevation;
        const std::optional<int> elevation = ParseCount(*options.elevation);
        if (!elevation || *elevation > largest) {
            return UsageError(command + "--elevation needs a whole number from 0 to " + std::to_string(largest) +
                              ", not " + Quote(*options.elevation));
        }
        // The Preferences dialog offers the elevations in steps of 100 and finds the saved one by its first digits:
        // 150 saved here would show there as 1500, and its OK would store that.
        if (use == PlaceUse::Save && !IsListedElevation(*elevation)) {
            return UsageError(command + "--elevation is saved in steps of " + std::to_string(kElevationStep) +
                              " (the Preferences dialog's list), not " + Quote(*options.elevation));
        }
        location.setElevation(*elevation);
    }
    if (options.units) {
        if (*options.units == "feet") {
            location.setElevationUnits(ElevationUnits::Feet);
        } else if (*options.units == "meters" || *options.units == "metres") {
            location.setElevationUnits(ElevationUnits::Metres);
        } else {
            return UsageError(command + "--units is feet or meters, not " + Quote(*options.units));
        }
    }
    return 0;
}

}  // namespace

PlaceOptions PlaceOptionsOf(const GivenOptions& given) {
    PlaceOptions options;
    options.zip = given.Value("--zip");
    options.city = given.Value("--city");
    options.latitude = given.Value("--lat");
    options.longitude = given.Value("--lon");
    options.elevation = given.Value("--elevation");
    options.units = given.Value("--units");
    return options;
}

int SetShabbatOptions(const GivenOptions& given, const char* command, ShabbatSettings& settings) {
    const std::string prefix = std::string(command) + ": ";
    if (const std::optional<std::string> candles = given.Value("--candles")) {
        const std::optional<int> minutes = ParseCount(*candles);
        if (IsWord(*candles, "default")) {
            settings.candleLighting = CandleLightingSetting::PlaceDefault;
        } else if (minutes && *minutes <= kMaxCandleLightingMinutes) {
            settings.candleLighting = static_cast<CandleLightingSetting>(*minutes);
        } else {
            return UsageError(prefix + "--candles needs minutes before sunset from 0 to " +
                              std::to_string(kMaxCandleLightingMinutes) + ", or default, not " + Quote(*candles));
        }
    }
    if (const std::optional<std::string> havdalah = given.Value("--havdalah")) {
        const std::optional<int> minutes = ParseCount(*havdalah);
        if (IsWord(*havdalah, "nightfall")) {
            settings.havdalah = HavdalahSetting::AtNightfall;
        } else if (minutes && *minutes <= kMaxHavdalahMinutes) {
            settings.havdalah = static_cast<HavdalahSetting>(*minutes);
        } else {
            return UsageError(prefix + "--havdalah needs nightfall, or minutes after sunset from 0 to " +
                              std::to_string(kMaxHavdalahMinutes) + ", not " + Quote(*havdalah));
        }
    }
    return 0;
}

int ResolvePlace(const PlaceOptions& options,
                 PlaceUse use,
                 const char* command,
                 SavedSettings& saved,
                 Location& location) {
    const std::string prefix = std::string(command) + ": ";
    location = Location();
    if (use == PlaceUse::Save || !options.NamesAPlace()) {
        const Location* savedLocation = saved.Get();
        if (savedLocation != nullptr) {
            location = *savedLocation;
        } else if (!options.NamesAPlace()) {
            const std::string give = "give --zip CODE, --city NAME, or --lat and --lon";
            return use == PlaceUse::Save
                       ? UsageError(prefix + "no place is saved yet: " + give)
                       : NotFound(prefix + "no place is saved: " + give + ", or save one with kestrelon-cli place");
        }
    }
    if (options.NamesAPlace()) {
        if (const int status = SetPlace(options, use, prefix, location); status != 0) {
            return status;
        }
    }
    return SetElevation(options, use, prefix, location);
}

int ResolveObservance(const std::optional<std::string>& text, SavedSettings& saved, Observance& observance) {
    if (text) {
        const std::optional<Observance> parsed = ParseObservance(*text);
        if (!parsed) {
            return UsageError("--observance must be israel or diaspora, not " + Quote(*text));
        }
        observance = *parsed;
        return 0;
    }
    const Location* savedLocation = saved.Get();
    observance = savedLocation != nullptr ? savedLocation->holiday() : Observance::Diaspora;
    return 0;
}
