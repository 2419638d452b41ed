// The program's texts are Windows-1252 (the preset "Sao Paulo" has an "a" with tilde, byte 0xE3); a terminal or a
// calendar file that speaks UTF-8 gets them converted.
#pragma once

#include <string>
#include <string_view>

// Every byte as the character Windows-1252 gives it; the five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) as the control characters of the same number, as Windows converts them.
std::string Utf8FromWindows1252(std::string_view text);
