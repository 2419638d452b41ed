// zmanim, zip and cities: the place side of kestrelon-cli.
#include <cctype>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "calendar/clock.h"
#include "calendar/gregorian.h"
#include "calendar/text_buffer.h"
#include "cli/arguments.h"
#include "cli/binary_stdout.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "location/location.h"
#include "location/zip_database.h"
#include "zmanim/day_zmanim.h"
#include "zmanim/host_zone.h"
#include "zmanim/solar.h"
#include "zmanim/zmanim_text.h"

namespace {

constexpr std::size_t kClipboardTextSize = 19999;
constexpr int kMaxElevation = 1000000;
constexpr std::size_t kLineSize = 128;

// DD:MM followed by one of the two hemisphere letters, e.g. "40:45N" or "074:00W": a packed angle, negative for the
// second letter. Empty with a reason when the text is malformed or beyond maxDegrees.
std::optional<std::int32_t> ParseAngle(const std::string& text,
                                       char positive,
                                       char negative,
                                       int maxDegrees,
                                       std::string& reason) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || text.size() < colon + 3) {
        reason = "expected DEGREES:MINUTES followed by " + std::string(1, positive) + " or " + std::string(1, negative);
        return std::nullopt;
    }
    const char hemisphere = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    const std::optional<int> degrees = ParseCount(text.substr(0, colon));
    const std::string minutesText = text.substr(colon + 1, text.size() - colon - 2);
    const std::optional<int> minutes = ParseCount(minutesText);
    if (!degrees || !minutes || minutesText.size() > 2 || (hemisphere != positive && hemisphere != negative)) {
        reason = "expected DEGREES:MINUTES followed by " + std::string(1, positive) + " or " + std::string(1, negative);
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

// The preset names are Windows-1252 text; a UTF-8 "a" with tilde typed on a terminal is taken as its byte 0xE3.
std::string AsWindows1252(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) == 0xC3 && i + 1 < text.size() &&
            static_cast<unsigned char>(text[i + 1]) == 0xA3) {
            out += '\xE3';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool SameLetters(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return i == a.size() && b[i] == '\0';
}

// By name (letter case aside) or by id; row 0, which has no name, is not a city.
const PresetCity* FindPresetByName(const std::string& text) {
    const std::string name = AsWindows1252(text);
    const PresetCityList presets = presetCities();
    for (int row = 1; row < presets.count; ++row) {
        if (SameLetters(name, presets.rows[row].name) || name == std::to_string(presets.rows[row].id)) {
            return &presets.rows[row];
        }
    }
    return nullptr;
}

struct ZmanimOptions {
    std::optional<std::string> date;
    std::optional<std::string> zip;
    std::optional<std::string> city;
    std::optional<std::string> latitude;
    std::optional<std::string> longitude;
    std::optional<std::string> elevation;
    std::optional<std::string> units;
    bool ut = false;
};

// Reads the options into options; on a bad argument writes why into reason and returns false.
bool ReadZmanimOptions(const Arguments& args, ZmanimOptions& options, std::string& reason) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--ut") {
            options.ut = true;
            continue;
        }
        std::optional<std::string>* slot = nullptr;
        if (name == "--date") {
            slot = &options.date;
        } else if (name == "--zip") {
            slot = &options.zip;
        } else if (name == "--city") {
            slot = &options.city;
        } else if (name == "--lat") {
            slot = &options.latitude;
        } else if (name == "--lon") {
            slot = &options.longitude;
        } else if (name == "--elevation") {
            slot = &options.elevation;
        } else if (name == "--units") {
            slot = &options.units;
        } else {
            reason = "zmanim: unknown option " + Quote(name);
            return false;
        }
        if (i + 1 >= args.size()) {
            reason = "zmanim: " + name + " needs a value";
            return false;
        }
        if (slot->has_value()) {
            reason = "zmanim: " + name + " given twice";
            return false;
        }
        *slot = args[++i];
    }
    return true;
}

// Fills the place of the options into location. Returns 0, or the exit status of the error it reported.
int SetPlace(const ZmanimOptions& options, Location& location) {
    const int ways = (options.zip ? 1 : 0) + (options.city ? 1 : 0) + ((options.latitude || options.longitude) ? 1 : 0);
    if (ways != 1) {
        return UsageError("zmanim: give one place: --zip CODE, --city NAME, or --lat and --lon");
    }
    if (options.zip) {
        const std::optional<int> code = ParseCount(*options.zip);
        if (!code) {
            return UsageError("zmanim: --zip needs a ZIP code of digits, not " + Quote(*options.zip));
        }
        ZipRow row{};
        if (!zipLookup(*code, row)) {
            return NotFound("ZIP code " + Quote(*options.zip) + " not found");
        }
        location.setCity(row.zip);
        location.setLatitude(row.latitude);
        location.setLongitude(-row.longitude);  // the tables count east positive, the Location west
        return 0;
    }
    if (options.city) {
        const PresetCity* preset = FindPresetByName(*options.city);
        if (preset == nullptr) {
            return UsageError("zmanim: unknown city " + Quote(*options.city) + " (see kestrelon-cli cities)");
        }
        location.setCity(preset->id);
        location.setLatitude(preset->latitude);
        location.setLongitude(-preset->longitude);
        return 0;
    }
    if (!options.latitude || !options.longitude) {
        return UsageError("zmanim: --lat and --lon go together");
    }
    std::string reason;
    const std::optional<std::int32_t> latitude = ParseAngle(*options.latitude, 'N', 'S', 90, reason);
    if (!latitude) {
        return UsageError("zmanim: --lat " + Quote(*options.latitude) + ": " + reason);
    }
    const std::optional<std::int32_t> longitude = ParseAngle(*options.longitude, 'W', 'E', 180, reason);
    if (!longitude) {
        return UsageError("zmanim: --lon " + Quote(*options.longitude) + ": " + reason);
    }
    location.setCity(0);
    location.setLatitude(*latitude);
    location.setLongitude(*longitude);
    return 0;
}

int SetElevation(const ZmanimOptions& options, Location& location) {
    if (options.elevation) {
        const std::optional<int> elevation = ParseCount(*options.elevation);
        if (!elevation || *elevation > kMaxElevation) {
            return UsageError("zmanim: --elevation needs a whole number from 0 to " + std::to_string(kMaxElevation) +
                              ", not " + Quote(*options.elevation));
        }
        location.setElevation(*elevation);
    }
    if (options.units) {
        if (*options.units == "feet") {
            location.setElevationUnits(ElevationUnits::Feet);
        } else if (*options.units == "meters" || *options.units == "metres") {
            location.setElevationUnits(ElevationUnits::Metres);
        } else {
            return UsageError("zmanim: --units is feet or meters, not " + Quote(*options.units));
        }
    }
    return 0;
}

void PrintUtMinutes(const std::optional<double>& minutes, const char* separator) {
    if (minutes) {
        std::printf("%.4f%s", *minutes, separator);
    } else {
        std::printf("none%s", separator);
    }
}

}  // namespace

int RunZmanimCommand(const Arguments& args) {
    ZmanimOptions options;
    std::string reason;
    if (!ReadZmanimOptions(args, options, reason)) {
        return UsageError(reason);
    }
    // The text's date line names the day the times belong to: the date asked for, or today.
    LocalDateTime day = ReadLocalClock();
    Date date{day.day, day.month, day.year};
    if (options.date) {
        std::string why;
        const std::optional<Date> parsed = ParseDate(*options.date, why);
        if (!parsed) {
            return UsageError("zmanim: --date " + Quote(*options.date) + " " + why);
        }
        if (!InSupportedYears(*parsed)) {
            return UsageError("zmanim: --date " + Quote(*options.date) + " is not a date of 1900 to 2099");
        }
        date = *parsed;
        day = LocalDateTime{date.year, date.month, date.day, 0, 0, 0};
    } else if (!InSupportedYears(date)) {
        return UsageError("zmanim: today is outside the calendar: dates must lie between 1900-01-01 and 2099-12-31");
    }
    Location location;
    if (const int status = SetPlace(options, location); status != 0) {
        return status;
    }
    if (const int status = SetElevation(options, location); status != 0) {
        return status;
    }
    const ZmanimPlace place = ZmanimPlaceOf(location);

    UseBinaryStdout();
    if (options.ut) {
        const double jd = julianDay(date.year, date.month, date.day);
        PrintUtMinutes(sunriseUt(jd, place.latitude, place.longitude, place.elevationMetres), " ");
        PrintUtMinutes(sunsetUt(jd, place.latitude, place.longitude, place.elevationMetres), " ");
        PrintUtMinutes(nightfallUt(jd, place.latitude, place.longitude), "\n");
        return FinishOutput();
    }
    char label[kPlaceLabelSize];
    FormatPlaceLabel(location, LabelStyle::Clipboard, label, sizeof label);
    std::vector<char> text(kClipboardTextSize);
    const std::size_t length = ZmanimClipboardTextOf(dayZmanim(date.day, date.month, date.year, place, HostUtcToLocal),
                                                     day, label, text.data(), text.size());
    WriteText(stdout, std::string_view(text.data(), length));
    return FinishOutput();
}

int RunZipCommand(const Arguments& args) {
    if (args.size() != 1) {
        return UsageError("zip: give one ZIP code");
    }
    const std::optional<int> code = ParseCount(args[0]);
    if (!code) {
        return UsageError("zip: a ZIP code is digits, not " + Quote(args[0]));
    }
    ZipRow row{};
    if (!zipLookup(*code, row)) {
        return NotFound("ZIP code " + Quote(args[0]) + " not found");
    }
    UseBinaryStdout();
    char line[kLineSize];
    FormatText(line, sizeof line, "%05d\t%s\t%d\t%d\t%d\t%d\n", static_cast<int>(row.zip), row.placeName,
               static_cast<int>(row.latitude), static_cast<int>(row.longitude), static_cast<int>(row.offsetHours),
               row.observesDst & 0xFF);
    WriteText(stdout, line);
    return FinishOutput();
}

int RunCitiesCommand(const Arguments& args) {
    if (!args.empty()) {
        return UsageError("cities takes no arguments");
    }
    UseBinaryStdout();
    const PresetCityList presets = presetCities();
    for (int row = 1; row < presets.count; ++row) {
        const PresetCity& city = presets.rows[row];
        char line[kLineSize];
        FormatText(line, sizeof line, "%d\t%s\t%d\t%d\n", static_cast<int>(city.id), city.name,
                   static_cast<int>(city.latitude), static_cast<int>(city.longitude));
        WriteText(stdout, line);
    }
    return FinishOutput();
}
