#include "location/encoding.h"

#include <cstdint>

namespace {

// 0x80..0x9F, where Windows-1252 differs from Latin-1.
constexpr std::uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, std::uint32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

std::uint16_t CharacterOfWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

std::string Utf8FromWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        AppendUtf8(out, CharacterOfWindows1252(static_cast<unsigned char>(c)));
    }
    return out;
}

namespace {

// The code point at text[at], and how many bytes it takes; 0 bytes for a byte that starts no UTF-8 sequence.
std::uint32_t DecodeUtf8(std::string_view text, std::size_t at, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    length = lead < 0x80                   ? 1
             : lead >= 0xC2 && lead < 0xE0 ? 2
             : lead >= 0xE0 && lead < 0xF0 ? 3
             : lead >= 0xF0 && lead < 0xF5 ? 4
                                           : 0;
    if (length == 0 || at + length > text.size()) {
        length = 0;
        return 0;
    }
    std::uint32_t codePoint = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            length = 0;
            return 0;
        }
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    return codePoint;
}

}  // namespace

std::string Windows1252FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        std::size_t length = 0;
        const std::uint32_t codePoint = DecodeUtf8(utf8, at, length);
        at += length == 0 ? 1 : length;
        char byte = '?';
        for (unsigned candidate = 0x01; candidate <= 0xFF && length != 0; ++candidate) {
            if (CharacterOfWindows1252(static_cast<unsigned char>(candidate)) == codePoint) {
                byte = static_cast<char>(candidate);
                break;
            }
        }
        out += byte;
    }
    return out;
}
