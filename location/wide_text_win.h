// UTF-8, the people's dates' and the arguments' encoding, to and from the UTF-16 of the wide Windows functions.
// Bytes that are not UTF-8 become U+FFFD.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

inline std::wstring WideFromUtf8(std::string_view utf8) {
    const int length = static_cast<int>(utf8.size());
    const int count = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(count > 0 ? count : 0), L'\0');
    if (count > 0) {
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, &wide[0], count);
    }
    return wide;
}

inline std::string Utf8FromWide(std::wstring_view wide) {
    const int length = static_cast<int>(wide.size());
    const int count = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(count > 0 ? count : 0), '\0');
    if (count > 0) {
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, &text[0], count, nullptr, nullptr);
    }
    return text;
}
