// Where the program's settings live: one registry key of the current user on Windows; the tests use an in-memory
// store with the same behaviour.
//
// The reading and writing rules are written once, over a small store interface with two implementations: the
// registry (registry_store_win.h) and the tests' MemorySettingsStore (tests/support/memory_store.h). Both take the
// key path as a parameter, so tests work on a scratch key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

inline constexpr const char* kSettingsKeyPath = "Software\\Brisken Software\\Kestrelon\\1.0";

// The value names, in the order load and save visit them.
inline constexpr const char* kCityValue = "City";
inline constexpr const char* kLatitudeValue = "Latitude";
inline constexpr const char* kLongitudeValue = "Longitude";
inline constexpr const char* kElevationValue = "Elevation";
inline constexpr const char* kElevationUnitsValue = "Elevation Units";
inline constexpr const char* kHolidayValue = "Holiday";
inline constexpr const char* kInstallPathValue = "InstallPath";

enum class ValueQuery {
    Read,      // the value's bytes were copied, whatever its type
    NotFound,  // no value of that name
    Failed,    // any other error, e.g. a value longer than the caller's buffer; the buffer is then undefined
};

// An open key; destroying it closes the key.
class SettingsKey {
  public:
    virtual ~SettingsKey() = default;
    // Copies the value's bytes into data, which holds size bytes; on Read, size becomes the number of bytes copied.
    virtual ValueQuery queryValue(const char* name, void* data, std::size_t& size) = 0;
    // Stores a 32-bit little-endian value with the DWORD type.
    virtual bool setDwordValue(const char* name, std::int32_t value) = 0;
};

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // Opens the key, creating it when missing (createdNew tells which); null when it can be neither.
    virtual std::unique_ptr<SettingsKey> createKey(bool& createdNew) = 0;
    // Opens the key only when it exists; null otherwise.
    virtual std::unique_ptr<SettingsKey> openKey() = 0;
};

// A value name and the number to store under it.
struct DwordSetting {
    const char* name;
    std::int32_t value;
};

// value = the value the open key holds, or defaultValue when the query is not Read; the key is left as it is. A value
// of fewer than 4 bytes replaces only the low bytes of defaultValue.
ValueQuery queryDwordSetting(SettingsKey& key, const char* name, std::int32_t defaultValue, std::int32_t& value);
// value = the stored value, or defaultValue. A new key or a missing value gets the default written. False when
// the key cannot be opened or created, the value cannot be read (nothing is written then), or writing the default
// failed.
bool readSettingDword(SettingsStore& store, const char* name, std::int32_t defaultValue, std::int32_t& value);
// Stores value as a DWORD, creating the key when missing.
bool writeSettingDword(SettingsStore& store, const char* name, std::int32_t value);
// Copies the value's bytes into buffer, always terminated within size; empty text and false when the key (which is
// not created) or the value cannot be read.
bool readSettingString(SettingsStore& store, const char* name, char* buffer, std::size_t size);
