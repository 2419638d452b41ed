#include "cli/place_options.h"

#include <cctype>
#include <vector>

#include "cli/arguments.h"
#include "cli/output.h"
#include "location/zip_code_text.h"
#include "location/zip_database.h"

namespace {

constexpr int kMaxShownElevation = 1000000;
constexpr int kSavedElevationStep = 100;
constexpr int kMaxSavedElevation = 27000;  // the last entry of the dialog's elevation list

std::string AngleForm(char positive, char negative) {
    return "expected DEGREES:MINUTES followed by " + std::string(1, positive) + " or " + std::string(1, negative);
}

// DD:MM followed by one of the two hemisphere letters, e.g. "40:45N" or "074:00W": a packed angle, negative for the
// second letter. Empty with a reason when the text is malformed or beyond maxDegrees.
std::optional<std::int32_t> ParseAngle(const std::string& text,
                                       char positive,
                                       char negative,
                                       int maxDegrees,
                                       std::string& reason) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || text.size() < colon + 3) {
        reason = AngleForm(positive, negative);
        return std::nullopt;
    }
    const char hemisphere = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    const std::optional<int> degrees = ParseCount(text.substr(0, colon));
    const std::string minutesText = text.substr(colon + 1, text.size() - colon - 2);
    const std::optional<int> minutes = ParseCount(minutesText);
    if (!degrees || !minutes || minutesText.size() > 2 || (hemisphere != positive && hemisphere != negative)) {
        reason = AngleForm(positive, negative);
        return std::nullopt;
    }
    if (*minutes > 59) {
        reason = "minutes must be 0 to 59";
        return std::nullopt;
    }
    if (*degrees > maxDegrees || (*degrees == maxDegrees && *minutes > 0)) {
        reason = "must not be over " + std::to_string(maxDegrees) + " degrees";
        return std::nullopt;
    }
    return packAngle(*degrees, *minutes, hemisphere == negative);
}

// The preset names are Windows-1252 text, which agrees with Latin-1 from 0xA0 on: a UTF-8 character of that range
// typed on a terminal (the "a" with tilde of Sao Paulo is C3 A3) is taken as its one byte.
std::string AsWindows1252(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if ((lead == 0xC2 || lead == 0xC3) && (next & 0xC0) == 0x80 && (lead == 0xC3 || next >= 0xA0)) {
            out += static_cast<char>(((lead & 0x03) << 6) | (next & 0x3F));
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Letter case folded for ASCII and the Latin-1 capitals (0xC0..0xDE but the multiplication sign 0xD7).
unsigned char Folded(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
        return static_cast<unsigned char>(byte + 0x20);
    }
    return byte;
}

// True when text is the start of name (all of it when whole), letter case aside.
bool StartsName(const std::string& text, const char* name, bool whole) {
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        if (name[i] == '\0' || Folded(text[i]) != Folded(name[i])) {
            return false;
        }
    }
    return !whole || name[i] == '\0';
}

// The preset whose name (letter case aside) or id the text is; else the one preset whose name begins with it. Null
// with the reason otherwise: no such city, or the names an ambiguous beginning fits.
const PresetCity* FindPreset(const std::string& text, std::string& reason) {
    const std::string name = AsWindows1252(text);
    const PresetCityList presets = presetCities();
    std::vector<const PresetCity*> candidates;
    for (int row = 1; row < presets.count && !name.empty(); ++row) {
        const PresetCity& preset = presets.rows[row];
        if (StartsName(name, preset.name, true) || name == std::to_string(preset.id)) {
            return &preset;
        }
        if (StartsName(name, preset.name, false)) {
            candidates.push_back(&preset);
        }
    }
    if (candidates.size() == 1) {
        return candidates[0];
    }
    if (candidates.empty()) {
        reason = "unknown city " + Quote(text) + " (see kestrelon-cli cities)";
        return nullptr;
    }
    reason = "--city " + Quote(text) + " is ambiguous: ";
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        reason += (i == 0 ? "" : "; ") + ForUser(candidates[i]->name);
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
        if (!zipLookup(code, row)) {
            return NotFound("ZIP code " + Quote(*options.zip) + " not found");
        }
        location.setCity(row.zip);
        location.setLatitude(row.latitude);
        location.setLongitude(-row.longitude);  // the tables count east positive, the Location west
        return 0;
    }
    if (options.city) {
        std::string reason;
        const PresetCity* preset = FindPreset(*options.city, reason);
        if (preset == nullptr) {
            return UsageError(command + reason);
        }
        location.setCity(preset->id);
        location.setLatitude(preset->latitude);
        location.setLongitude(-preset->longitude);
        return 0;
    }
    if (!options.latitude || !options.longitude) {
        return UsageError(command + "--lat and --lon go together");
    }
    std::string reason;
    const std::optional<std::int32_t> latitude = ParseAngle(*options.latitude, 'N', 'S', 90, reason);
    if (!latitude) {
        return UsageError(command + "--lat " + Quote(*options.latitude) + ": " + reason);
    }
    const std::optional<std::int32_t> longitude = ParseAngle(*options.longitude, 'W', 'E', 180, reason);
    if (!longitude) {
        return UsageError(command + "--lon " + Quote(*options.longitude) + ": " + reason);
    }
    location.setCity(0);
    location.setLatitude(*latitude);
    location.setLongitude(*longitude);
    return 0;
}

int SetElevation(const PlaceOptions& options, PlaceUse use, const std::string& command, Location& location) {
    if (options.elevation) {
        const int largest = use == PlaceUse::Save ? kMaxSavedElevation : kMaxShownElevation;
        const std::optional<int> elevation = ParseCount(*options.elevation);
        if (!elevation || *elevation > largest) {
            return UsageError(command + "--elevation needs a whole number from 0 to " + std::to_string(largest) +
                              ", not " + Quote(*options.elevation));
        }
        // The Preferences dialog offers the elevations in steps of 100 and finds the saved one by its first digits:
        // 150 saved here would show there as 1500, and its OK would store that.
        if (use == PlaceUse::Save && *elevation % kSavedElevationStep != 0) {
            return UsageError(command + "--elevation is saved in steps of " + std::to_string(kSavedElevationStep) +
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
