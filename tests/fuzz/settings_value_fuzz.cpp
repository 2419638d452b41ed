// Settings values as stored bytes: readSettingDword and readSettingString on a memory store holding a value of any
// type and length (or none, or no key, or a key without access), and a place loaded from values of any length.
//
// Input: what the store holds (a byte: bit 0 the key exists, bit 1 access is denied, bit 2 the value exists), the
// value's type (a byte) and bytes (a text), the default (32 bits), the string buffer's size (16 bits), then six
// more texts: the place's City, Latitude, Longitude, Elevation, Elevation Units and Holiday values.
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "location/location.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/memory_store.h"

namespace {

const std::string kPath = "Software\\Fuzz";
constexpr const char* kName = "Value";
constexpr char kUntouched = '\x5A';

struct Stored {
    bool keyExists;
    bool denied;
    bool valueExists;
    SettingValue value;
};

SettingValue ValueOf(std::uint8_t type, std::string_view bytes) {
    const SettingType types[] = {SettingType::String, SettingType::Binary, SettingType::Dword};
    return {types[type % 3], std::vector<unsigned char>(bytes.begin(), bytes.end())};
}

std::vector<unsigned char> LittleEndian(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<unsigned char>(bits & 0xFFu), static_cast<unsigned char>((bits >> 8) & 0xFFu),
            static_cast<unsigned char>((bits >> 16) & 0xFFu), static_cast<unsigned char>(bits >> 24)};
}

// The little-endian value of stored bytes laid over the default's bytes.
std::int32_t DwordOver(std::int32_t defaultValue, const std::vector<unsigned char>& bytes) {
    std::vector<unsigned char> over = LittleEndian(defaultValue);
    for (std::size_t i = 0; i < bytes.size() && i < over.size(); ++i) {
        over[i] = bytes[i];
    }
    const std::uint32_t bits = over[0] | (over[1] << 8) | (over[2] << 16) | (static_cast<std::uint32_t>(over[3]) << 24);
    return static_cast<std::int32_t>(bits);
}

void Prepare(MemoryRegistry& registry, const Stored& stored) {
    if (stored.keyExists) {
        bool createdNew = false;
        registry.keyValues(kPath, true, createdNew);
        if (stored.valueExists) {
            registry.setValue(kPath, kName, stored.value);
        }
    }
    if (stored.denied) {
        registry.denyAccess(kPath);
    }
}

void CheckDword(const Stored& stored, std::int32_t defaultValue) {
    MemoryRegistry registry;
    Prepare(registry, stored);
    MemorySettingsStore store(registry, kPath);
    std::int32_t value = ~defaultValue;
    const bool read = readSettingDword(store, kName, defaultValue, value);
    const std::string label = "readSettingDword of " + std::to_string(stored.value.bytes.size()) + " bytes";
    const SettingValue* after = registry.findValue(kPath, kName);
    if (stored.denied) {
        FUZZ_CHECK(!read && value == defaultValue && registry.hasKey(kPath) == stored.keyExists, label);
    } else if (!stored.keyExists || !stored.valueExists) {
        // The default is written, as a DWORD.
        FUZZ_CHECK(read && value == defaultValue, label);
        FUZZ_CHECK(after != nullptr && after->type == SettingType::Dword && after->bytes == LittleEndian(defaultValue),
                   label);
    } else if (stored.value.bytes.size() <= 4) {
        FUZZ_CHECK(read && value == DwordOver(defaultValue, stored.value.bytes), label);
    } else {
        FUZZ_CHECK(!read && value == defaultValue, label);
    }
    if (stored.keyExists && stored.valueExists) {
        FUZZ_CHECK(after != nullptr && after->type == stored.value.type && after->bytes == stored.value.bytes,
                   label + ": the stored value changed");
    }
}

void CheckString(const Stored& stored, std::size_t size) {
    MemoryRegistry registry;
    Prepare(registry, stored);
    MemorySettingsStore store(registry, kPath);
    const std::string label =
        "readSettingString of " + std::to_string(stored.value.bytes.size()) + " bytes into " + std::to_string(size);
    // Exactly size bytes, so that AddressSanitizer reports a write past them.
    const std::size_t allocated = size == 0 ? 1 : size;
    const std::unique_ptr<char[]> buffer(new char[allocated]);
    std::memset(buffer.get(), kUntouched, allocated);
    const bool read = readSettingString(store, kName, buffer.get(), size);
    FUZZ_CHECK(registry.hasKey(kPath) == stored.keyExists, label + ": the key was created");
    if (size == 0) {
        FUZZ_CHECK(!read && buffer[0] == kUntouched, label);
        return;
    }
    FUZZ_CHECK(std::memchr(buffer.get(), '\0', size) != nullptr, label + ": not terminated");
    const std::vector<unsigned char>& bytes = stored.value.bytes;
    const bool fits = bytes.size() <= size;
    if (stored.denied || !stored.keyExists || !stored.valueExists || !fits) {
        FUZZ_CHECK(!read && buffer[0] == '\0', label);
        return;
    }
    FUZZ_CHECK(read, label);
    // The stored bytes up to the first zero, cut to size - 1 characters.
    std::string expected(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), size - 1)));
    expected = expected.c_str();
    FUZZ_CHECK(expected == buffer.get(), label + ": read \"" + buffer.get() + "\"");
}

void CheckPlace(const std::vector<std::string_view>& values) {
    const char* const names[] = {kCityValue,      kLatitudeValue,       kLongitudeValue,
                                 kElevationValue, kElevationUnitsValue, kHolidayValue};
    MemoryRegistry registry;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!values[i].empty()) {
            registry.setValue(kSettingsKeyPath, names[i], ValueOf(2, values[i]));
        }
    }
    MemorySettingsStore store(registry, kSettingsKeyPath);
    Location location;
    location.load(store);
    const std::int32_t loaded[] = {location.city(),
                                   location.latitude(),
                                   location.longitude(),
                                   location.elevation(),
                                   static_cast<std::int32_t>(location.elevationUnits()),
                                   static_cast<std::int32_t>(location.holiday())};
    const std::int32_t defaults[] = {0, 0, 0, 0, 2, 2};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::vector<unsigned char> bytes(values[i].begin(), values[i].end());
        const std::int32_t expected = bytes.size() > 4 ? defaults[i] : DwordOver(defaults[i], bytes);
        FUZZ_CHECK(loaded[i] == expected, std::string(names[i]) + " loaded as " + std::to_string(loaded[i]));
    }
    // Whatever was stored, the place has a name that fits any buffer, a position in degrees and a zone.
    for (const std::size_t size : {std::size_t{1}, std::size_t{5}, std::size_t{200}}) {
        const std::unique_ptr<char[]> name(new char[size]);
        const std::size_t length = location.cityName(name.get(), size);
        FUZZ_CHECK(length < size && std::strlen(name.get()) == length, "cityName");
    }
    FUZZ_CHECK(std::fabs(location.latitudeDegrees()) <= 21474837 && std::fabs(location.longitudeDegrees()) <= 21474837,
               "position");
    FUZZ_CHECK(std::isfinite(location.elevationMetres()), "elevation");
    const ZoneRule zone = location.zoneRule();
    FUZZ_CHECK(zone.useHostZone || (location.isZipCode() && zone.offsetHours >= -12 && zone.offsetHours <= 14),
               "zone of city " + std::to_string(location.city()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t holds = input.Byte();
    const std::uint8_t type = input.Byte();
    const std::string_view bytes = input.Text();
    const Stored stored{(holds & 1) != 0, (holds & 2) != 0, (holds & 4) != 0, ValueOf(type, bytes)};
    const std::int32_t defaultValue = input.Int32();
    const std::size_t bufferSize = input.Uint16();
    std::vector<std::string_view> place;
    for (int i = 0; i < 6; ++i) {
        place.push_back(input.Text());
    }

    CheckDword(stored, defaultValue);
    CheckString(stored, bufferSize);
    CheckPlace(place);
    return 0;
}
