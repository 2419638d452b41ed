#include "location/place_rules.h"

#include <cstddef>

#include "calendar/text_buffer.h"

namespace {

constexpr std::size_t kPositionTextSize = 64;
constexpr int kDegreeDigits = 9;    // leading zeros allowed; the limits come after
constexpr int kFractionDigits = 9;  // 10^9 * 120 still fits 64 bits
constexpr int kMinuteDigits = 2;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A run of 1 to maxDigits decimal digits and nothing else, e.g. "074" is 74.
std::optional<std::int64_t> Digits(std::string_view text, int maxDigits) {
    if (text.empty() || text.size() > static_cast<std::size_t>(maxDigits)) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

Hemisphere PositiveHemisphere(Axis axis) {
    return axis == Axis::Latitude ? Hemisphere::North : Hemisphere::West;
}

Hemisphere NegativeHemisphere(Axis axis) {
    return axis == Axis::Latitude ? Hemisphere::South : Hemisphere::East;
}

char Letter(Hemisphere hemisphere) {
    switch (hemisphere) {
        case Hemisphere::North:
            return 'N';
        case Hemisphere::South:
            return 'S';
        case Hemisphere::East:
            return 'E';
        case Hemisphere::West:
            break;
    }
    return 'W';
}

std::string FormReason(Axis axis) {
    return axis == Axis::Latitude ? "expected DD:MM followed by N or S, or decimal degrees (north positive)"
                                  : "expected DDD:MM followed by E or W, or decimal degrees (east positive)";
}

std::string LimitReason(Axis axis) {
    return "must not be over " + std::to_string(MaxDegrees(axis)) + " degrees";
}

bool BeyondLimit(Axis axis, std::int64_t degrees, bool pastTheDegree) {
    return degrees > MaxDegrees(axis) || (degrees == MaxDegrees(axis) && pastTheDegree);
}

// "40:45N": degrees, a colon, one or two digits of minutes, the hemisphere letter.
std::optional<std::int32_t> ParseDegreesAndMinutes(std::string_view text, Axis axis, std::string& reason) {
    const std::size_t colon = text.find(':');
    if (text.size() < colon + 3) {
        reason = FormReason(axis);
        return std::nullopt;
    }
    const char letter =
        text.back() >= 'a' && text.back() <= 'z' ? static_cast<char>(text.back() - 'a' + 'A') : text.back();
    const std::optional<std::int64_t> degrees = Digits(text.substr(0, colon), kDegreeDigits);
    const std::optional<std::int64_t> minutes = Digits(text.substr(colon + 1, text.size() - colon - 2), kMinuteDigits);
    const Hemisphere positive = PositiveHemisphere(axis);
    const Hemisphere negative = NegativeHemisphere(axis);
    if (!degrees || !minutes || (letter != Letter(positive) && letter != Letter(negative))) {
        reason = FormReason(axis);
        return std::nullopt;
    }
    if (*minutes >= kMinutesPerDegree) {
        reason = "minutes must be 0 to " + std::to_string(kMinutesPerDegree - 1);
        return std::nullopt;
    }
    if (BeyondLimit(axis, *degrees, *minutes > 0)) {
        reason = LimitReason(axis);
        return std::nullopt;
    }
    return TypedAngle(static_cast<int>(*degrees), static_cast<int>(*minutes),
                      letter == Letter(negative) ? negative : positive);
}

// "-74.5": a sign, whole degrees, a point and their fraction; north and east positive.
std::optional<std::int32_t> ParseDecimalDegrees(std::string_view text, Axis axis, std::string& reason) {
    const bool minus = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::optional<std::int64_t> degrees = Digits(text.substr(0, point), kDegreeDigits);
    std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    std::int64_t fractionValue = 0;
    std::int64_t scale = 1;
    if (point != std::string_view::npos) {
        const std::optional<std::int64_t> digits = Digits(fraction, kFractionDigits);
        if (!digits) {
            reason = FormReason(axis);
            return std::nullopt;
        }
        fractionValue = *digits;
        for (std::size_t i = 0; i < fraction.size(); ++i) {
            scale *= 10;
        }
    }
    if (!degrees) {
        reason = FormReason(axis);
        return std::nullopt;
    }
    if (BeyondLimit(axis, *degrees, fractionValue > 0)) {
        reason = LimitReason(axis);
        return std::nullopt;
    }
    // fraction * 60 minutes, to the nearest whole one: 0.77 is 46.2, so 46; 0.9999 is 59.994, so a whole degree.
    const std::int64_t minutes =
        *degrees * kMinutesPerDegree + (fractionValue * kMinutesPerDegree * 2 + scale) / (2 * scale);
    // The Location's negative sense is south, and east: the opposite of the typed sign for a longitude.
    const bool negative = axis == Axis::Latitude ? minus : !minus;
    const Hemisphere hemisphere = negative ? NegativeHemisphere(axis) : PositiveHemisphere(axis);
    return TypedAngle(static_cast<int>(minutes / kMinutesPerDegree), static_cast<int>(minutes % kMinutesPerDegree),
                      hemisphere);
}

// Windows-1252 letters without their accents, from 0xC0 on ("a" with tilde, 0xE3, is "a"); the capitals are folded
// later. The letters without a plain form (ae, thorn, sharp s) and the two signs stay as they are.
constexpr char kPlainLetters[] =
    "aaaaaa\xE6"
    "ceeeeiiii"
    "dnooooo\xD7"
    "ouuuuy\xFE\xDF"
    "aaaaaa\xE6"
    "ceeeeiiii"
    "dnooooo\xF7"
    "ouuuuy\xFEy";
static_assert(sizeof kPlainLetters - 1 == 64, "one letter for each of 0xC0..0xFF");

// A Windows-1252 byte as names are compared: letter case and accents aside.
unsigned char Folded(unsigned char byte) {
    if (byte >= 0xC0) {
        byte = static_cast<unsigned char>(kPlainLetters[byte - 0xC0]);
    }
    switch (byte) {
        case 0x8A:  // S with caron
        case 0x9A:
            return 's';
        case 0x8E:  // Z with caron
        case 0x9E:
            return 'z';
        case 0x9F:  // Y with diaeresis
            return 'y';
        case 0x8C:  // OE
            return 0x9C;
        default:
            break;
    }
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

// The text as Windows-1252 bytes: the UTF-8 characters of the code page become its bytes (C3 A3, "a" with tilde,
// is E3), combining accents (U+0300..U+036F, of decomposed text) go, and any other byte stays as it is (a Windows
// console passes its code page's bytes).
std::string AsWindows1252(std::string_view text) {
    struct TwoBytes {
        unsigned char lead, next, byte;
    };
    static constexpr TwoBytes kBeyondLatin1[] = {{0xC5, 0xA0, 0x8A}, {0xC5, 0xA1, 0x9A}, {0xC5, 0xBD, 0x8E},
                                                 {0xC5, 0xBE, 0x9E}, {0xC5, 0xB8, 0x9F}, {0xC5, 0x92, 0x8C},
                                                 {0xC5, 0x93, 0x9C}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if ((next & 0xC0) != 0x80) {
            out += text[i];
            continue;
        }
        if (lead == 0xC2 || lead == 0xC3) {
            out += static_cast<char>(((lead & 0x03) << 6) | (next & 0x3F));
            ++i;
            continue;
        }
        if (lead == 0xCC || (lead == 0xCD && next <= 0xAF)) {
            ++i;
            continue;
        }
        bool found = false;
        for (const TwoBytes& pair : kBeyondLatin1) {
            if (pair.lead == lead && pair.next == next) {
                out += static_cast<char>(pair.byte);
                found = true;
            }
        }
        if (found) {
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// True when text is the start of name (all of it when whole), letter case and accents aside.
bool StartsName(const std::string& text, const char* name, bool whole) {
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        if (name[i] == '\0' ||
            Folded(static_cast<unsigned char>(text[i])) != Folded(static_cast<unsigned char>(name[i]))) {
            return false;
        }
    }
    return !whole || name[i] == '\0';
}

}  // namespace

bool IsListedElevation(std::int32_t elevation) {
    return elevation >= 0 && elevation <= kMaxListedElevation && elevation % kElevationStep == 0;
}

int MaxDegrees(Axis axis) {
    return axis == Axis::Latitude ? kMaxLatitudeDegrees : kMaxLongitudeDegrees;
}

Hemisphere HemisphereOf(Axis axis, std::int32_t packed) {
    return packed < 0 ? NegativeHemisphere(axis) : PositiveHemisphere(axis);
}

std::int32_t TypedAngle(int degrees, int minutes, Hemisphere hemisphere) {
    return packAngle(degrees, minutes, hemisphere == Hemisphere::South || hemisphere == Hemisphere::East);
}

std::optional<PlacePosition> PositionOfCity(std::int32_t city) {
    std::int32_t latitude = 0;
    std::int32_t eastLongitude = 0;
    if (!cityPosition(city, latitude, eastLongitude)) {
        return std::nullopt;
    }
    return PlacePosition{latitude, -eastLongitude};
}

bool ChooseCity(std::int32_t city, Location& location) {
    const std::optional<PlacePosition> position = PositionOfCity(city);
    if (!position) {
        return false;
    }
    location.setCity(city);
    location.setLatitude(position->latitude);
    location.setLongitude(position->longitude);
    return true;
}

std::int32_t CityKeptAt(std::int32_t city, const PlacePosition& position) {
    const std::optional<PlacePosition> own = PositionOfCity(city);
    if (own && (own->latitude != position.latitude || own->longitude != position.longitude)) {
        return 0;
    }
    return city;
}

std::string PositionText(const PlacePosition& position) {
    const UnpackedAngle latitude = unpackAngle(position.latitude);
    const UnpackedAngle longitude = unpackAngle(position.longitude);
    char text[kPositionTextSize];
    FormatText(text, sizeof text, "%d:%02d%c %d:%02d%c", latitude.degrees, latitude.minutes,
               Letter(HemisphereOf(Axis::Latitude, position.latitude)), longitude.degrees, longitude.minutes,
               Letter(HemisphereOf(Axis::Longitude, position.longitude)));
    return text;
}

std::optional<std::int32_t> ParseTypedAngle(std::string_view text, Axis axis, std::string& reason) {
    if (text.find(':') != std::string_view::npos) {
        return ParseDegreesAndMinutes(text, axis, reason);
    }
    return ParseDecimalDegrees(text, axis, reason);
}

const PresetCity* FindPresetByName(std::string_view text, std::vector<const PresetCity*>& candidates) {
    candidates.clear();
    const std::string name = AsWindows1252(text);
    const PresetCityList presets = presetCities();
    for (int row = 1; row < presets.count && !name.empty(); ++row) {
        const PresetCity& preset = presets.rows[row];
        if (StartsName(name, preset.name, true) || text == std::to_string(preset.id)) {
            candidates.clear();
            return &preset;
        }
        if (StartsName(name, preset.name, false)) {
            candidates.push_back(&preset);
        }
    }
    if (candidates.size() == 1) {
        const PresetCity* only = candidates[0];
        candidates.clear();
        return only;
    }
    return nullptr;
}
