// The place and observance saved for Kestrelon, as the command line sees them: on Windows the registry key the
// window keeps them in, elsewhere the user's settings file (location/file_settings_store.h). The command line reads
// them only when a command needs them, never creates the key, the file or a value in reading, and writes only for
// `kestrelon-cli place` with options, then all six values at once.
#pragma once

#include <string>
#include <vector>

#include "location/location.h"

class SavedSettings {
  public:
    // The saved values, read at the first call; null when nothing is saved. Values that are missing or damaged read
    // as their defaults, and the damage is reported once on stderr as a warning.
    const Location* Get();
    // Writes all six values of location; false after reporting on stderr when they cannot be written.
    static bool Save(const Location& location);

  private:
    bool read_ = false;
    bool found_ = false;
    Location location_;
};

// The platform's half of SavedSettings: fills location, returns whether anything is saved, and reports where the
// settings are and what was wrong with them.
bool ReadSettings(Location& location, std::string& where, std::vector<std::string>& problems, SettingsReadReport& read);
bool WriteSettings(const Location& location, std::string& error);
