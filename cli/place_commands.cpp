// zmanim, place, zip and cities: the place side of kestrelon-cli.
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
#include "cli/date_options.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/place_options.h"
#include "cli/saved_settings.h"
#include "location/location.h"
#include "location/place_rules.h"
#include "location/zip_database.h"
#include "zmanim/all_zmanim.h"
#include "zmanim/day_zmanim.h"
#include "zmanim/host_zone.h"
#include "zmanim/solar.h"
#include "zmanim/zmanim_text.h"

namespace {

constexpr std::size_t kClipboardTextSize = 19999;
constexpr std::size_t kLineSize = 128;

void PrintUtMinutes(const std::optional<double>& minutes, const char* separator) {
    if (minutes) {
        std::printf("%.4f%s", *minutes, separator);
    } else {
        std::printf("none%s", separator);
    }
}

// zmanim --all: one "KEY TIME" line per zman in the order of the day, TIME the place's clock as HH:MM or, with ut,
// the minutes of UT after 0h UT of the date as --ut prints them; "none" for a time that does not happen (or that
// the computer's zone cannot convert).
void WriteAllZmanim(const Date& date, const ZmanimPlace& place, bool ut) {
    const AllZmanim all = allZmanim(date.day, date.month, date.year, place, HostUtcToLocal);
    for (const ZmanTime& time : all.times) {
        std::printf("%s ", ZmanKey(time.zman));
        if (ut) {
            PrintUtMinutes(time.minutesUt, "\n");
        } else if (time.clock) {
            std::printf("%02d:%02d\n", time.clock->hour, time.clock->minute);
        } else {
            std::printf("none\n");
        }
    }
}

// The candle-lighting and havdalah settings as two lines, in words.
std::string ShabbatLines(const ShabbatSettings& settings, std::int32_t city) {
    const ShabbatRules rules = settings.RulesAt(city);
    const bool placeDefault = !CandleLightingMinutesOf(settings.candleLighting);
    return "Candle lighting: " + std::to_string(rules.candleLightingMinutes) + " minutes before sunset" +
           (placeDefault ? " (the place's default)" : "") + "\nHavdalah: " +
           (rules.havdalahMinutesAfterSunset
                ? std::to_string(*rules.havdalahMinutesAfterSunset) + " minutes after sunset"
                : std::string("at nightfall")) +
           "\n";
}

// The place as four labelled lines, values in the forms the options take. A place without a name (a position
// typed in) is named by its position; the window's label and the zmanim text leave it blank.
void WritePlace(const Location& location) {
    char label[kPlaceLabelSize];
    FormatPlaceLabel(location, LabelStyle::Clipboard, label, sizeof label);
    const std::string position = PositionText({location.latitude(), location.longitude()});
    const bool metres = location.elevationUnits() == ElevationUnits::Metres;
    WriteText(stdout, "Place: " + (label[0] != '\0' ? std::string(label) : position) + "\nPosition: " + position +
                          "\nElevation: " + std::to_string(location.elevation()) + (metres ? " meters" : " feet") +
                          "\nObservance: " + ObservanceName(location.holiday()) + "\n");
}

}  // namespace

int RunZmanimCommand(const Arguments& args) {
    static constexpr Option kOptions[] = {
        {"--date", Takes::Value, {}, {}}, {"--ut", Takes::Nothing, {}, {}}, {"--all", Takes::Nothing, {}, {}}};
    GivenOptions given;
    if (const int status = ReadOptions(args, {"zmanim", {kOptions, kPlaceOptions}}, given); status != 0) {
        return status;
    }
    const PlaceOptions options = PlaceOptionsOf(given);
    const bool ut = given.Has("--ut");
    // The text's date line names the day the times belong to: the date asked for, or today.
    const LocalDateTime now = ReadLocalClock();
    Date date{};
    if (const int status = TakeDateOrToday(given, "zmanim", now, date); status != 0) {
        return status;
    }
    const LocalDateTime day = given.Has("--date") ? LocalDateTime{date.year, date.month, date.day, 0, 0, 0} : now;
    SavedSettings saved;
    Location location;
    if (const int status = ResolvePlace(options, PlaceUse::Show, "zmanim", saved, location); status != 0) {
        return status;
    }
    const ZmanimPlace place = ZmanimPlaceOf(location);

    UseBinaryStdout();
    if (given.Has("--all")) {
        WriteAllZmanim(date, place, ut);
        return FinishOutput();
    }
    if (ut) {
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
    GivenOptions given;
    if (const int status = ReadOptions(args, {"zip", {}, 1}, given); status != 0) {
        return status;
    }
    if (given.Operands().empty()) {
        return UsageError("zip: give one ZIP code");
    }
    const std::string& text = given.Operands()[0];
    const std::optional<int> code = ParseCount(text);
    if (!code) {
        return UsageError("zip: a ZIP code is digits, not " + Quote(text));
    }
    ZipRow row{};
    if (!zipLookup(*code, row)) {
        return NotFound("ZIP code " + Quote(text) + " not found");
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
    GivenOptions given;
    if (const int status = ReadOptions(args, {"cities", {}}, given); status != 0) {
        return status;
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

int RunPlaceCommand(const Arguments& args) {
    GivenOptions given;
    if (const int status = ReadOptions(args, {"place", {kPlaceOptions, kObservanceOption, kShabbatOptions}}, given);
        status != 0) {
        return status;
    }
    const PlaceOptions options = PlaceOptionsOf(given);
    const std::optional<std::string> observanceWord = given.Value("--observance");
    const std::optional<Observance> observance =
        observanceWord ? ParseObservance(*observanceWord) : std::optional<Observance>();
    SavedSettings saved;
    Location location;
    ShabbatSettings shabbat;
    if (args.empty()) {
        const Location* savedLocation = saved.Get();
        if (savedLocation == nullptr) {
            return NotFound(
                "place: no place is saved yet (kestrelon-cli place --zip CODE, --city NAME or --lat and --lon saves "
                "one)");
        }
        location = *savedLocation;
        shabbat = saved.Shabbat();
    } else {
        if (const int status = ResolvePlace(options, PlaceUse::Save, "place", saved, location); status != 0) {
            return status;
        }
        if (observance) {
            location.setHoliday(*observance);
        }
        shabbat = saved.Shabbat();
        if (const int status = SetShabbatOptions(given, "place", shabbat); status != 0) {
            return status;
        }
        const auto placeValues = location.settingValues();
        std::vector<DwordSetting> values(placeValues.begin(), placeValues.end());
        for (const DwordSetting& value : shabbat.settingValues()) {
            if (given.Has(value.name == std::string_view(kCandleLightingMinutesValue) ? "--candles" : "--havdalah")) {
                values.push_back(value);
            }
        }
        if (!SavedSettings::Save(values)) {
            return kExitNotFound;
        }
    }
    UseBinaryStdout();
    WritePlace(location);
    // Shown once they are set: the four lines alone stand for the defaults.
    if (given.Has("--candles") || given.Has("--havdalah") || CandleLightingMinutesOf(shabbat.candleLighting) ||
        HavdalahMinutesOf(shabbat.havdalah)) {
        WriteText(stdout, ShabbatLines(shabbat, location.city()));
    }
    return FinishOutput();
}
