// The program's texts are Windows-1252 (the preset "Sao Paulo" has an "a" with tilde, byte 0xE3); a terminal or a
// calendar file that speaks UTF-8 gets them converted; a UTF-8 text (a person's name) shown in the program is
// converted the other way.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The character of a Windows-1252 byte: Latin-1 but for 0x80..0x9F, whose five undefined bytes (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for the control characters of the same number, as Windows converts them. Every one is a single
// UTF-16 unit.
std::uint16_t CharacterOfWindows1252(unsigned char byte);

// Every byte as the character Windows-1252 gives it, in UTF-8.
std::string Utf8FromWindows1252(std::string_view text);

// The UTF-8 text in Windows-1252: each character the code page has as its byte, any other (or a byte that is no
// UTF-8) as '?'. "Zoë" is "Zo\xEB".
std::string Windows1252FromUtf8(std::string_view utf8);
