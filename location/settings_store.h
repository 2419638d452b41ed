// Where the program's settings live: one registry key of the current user on Windows, an in-memory store with the
// same behaviour elsewhere.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr const char* kSettingsKeyPath = "Software\\Brisken Software\\Kestrelon\\1.0";

// readSettingDword, writeSettingDword and readSettingString on the program's own store (the key above).
bool readSettingDword(const char* name, std::int32_t defaultValue, std::int32_t& value);
bool writeSettingDword(const char* name, std::int32_t value);
bool readSettingString(const char* name, char* buffer, std::size_t size);
