// The place and observance saved for Kestrelon, with the candle-lighting and havdalah settings, as the command line
// sees them: on Windows the registry key the window keeps them in, elsewhere the user's settings file
// (location/file_settings_store.h). The command line reads them only when a command needs them, never creates the
// key, the file or a value in reading, and writes only for `kestrelon-cli place` with options: then all six values
// of the place, and the candle-lighting and havdalah values that its options set.
#pragma once

#include <string>
#include <vector>

#include "location/location.h"
#include "location/shabbat_settings.h"

class SavedSettings {
  public:
    // The saved values, read at the first call; null when nothing is saved. Values that are missing or damaged read
    // as their defaults, and the damage is reported once on stderr as a warning.
    const Location* Get();
    // The saved candle-lighting and havdalah settings, read with the place; their defaults when nothing is saved.
    const ShabbatSettings& Shabbat();
    // Writes the values; false after reporting on stderr when they cannot be written.
    static bool Save(const std::vector<DwordSetting>& values);

  private:
    bool read_ = false;
    bool found_ = false;
    Location location_;
    ShabbatSettings shabbat_;
};

// The platform's half of SavedSettings: fills location and shabbat, returns whether anything is saved, and reports
// where the settings are and what was wrong with them.
bool ReadSettings(Location& location,
                  ShabbatSettings& shabbat,
                  std::string& where,
                  std::vector<std::string>& problems,
                  SettingsReadReport& read);
bool WriteSettings(const std::vector<DwordSetting>& values, std::string& error);
