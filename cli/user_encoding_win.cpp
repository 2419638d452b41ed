#include <io.h>
#include <windows.h>

#include <string>

#include "cli/user_encoding.h"
#include "location/encoding.h"
#include "location/wide_text_win.h"

namespace {

constexpr std::size_t kConsoleChunk = 8192;  // characters per WriteConsoleW call

}  // namespace

// Files and pipes take the program's bytes as they are (the ANSI code page), as scripts expect.
bool UserSpeaksUtf8() {
    return false;
}

namespace {

HANDLE ConsoleOf(std::FILE* stream) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

// Writes the characters; should the console refuse, the rest goes out as the bytes of text from the first byte not
// written (bytesBefore(n): the bytes of text the first n characters came from), and a failure there shows in the
// stream's error state.
template <typename BytesBefore>
void WriteWide(std::FILE* stream,
               HANDLE console,
               const std::wstring& wide,
               std::string_view text,
               BytesBefore bytesBefore) {
    // What the C library holds for the stream goes first.
    std::fflush(stream);
    std::size_t written = 0;
    while (written < wide.size()) {
        const std::size_t left = wide.size() - written;
        const auto count = static_cast<DWORD>(left < kConsoleChunk ? left : kConsoleChunk);
        DWORD done = 0;
        if (!WriteConsoleW(console, wide.data() + written, count, &done, nullptr) || done == 0) {
            const std::size_t from = bytesBefore(written);
            std::fwrite(text.data() + from, 1, text.size() - from, stream);
            break;
        }
        written += done;
    }
}

}  // namespace

bool WriteToConsole(std::FILE* stream, std::string_view text) {
    const HANDLE console = ConsoleOf(stream);
    if (console == nullptr) {
        return false;
    }
    std::wstring wide;
    wide.reserve(text.size());
    for (const char c : text) {
        wide += static_cast<wchar_t>(CharacterOfWindows1252(static_cast<unsigned char>(c)));
    }
    WriteWide(stream, console, wide, text, [](std::size_t characters) { return characters; });
    return true;
}

bool WriteUtf8ToConsole(std::FILE* stream, std::string_view utf8) {
    const HANDLE console = ConsoleOf(stream);
    if (console == nullptr) {
        return false;
    }
    const std::wstring wide = WideFromUtf8(utf8);
    // A refused write sends what is left of the text as its bytes, from the character's place in the UTF-8.
    WriteWide(stream, console, wide, utf8, [&](std::size_t written) {
        const std::size_t bytes = Utf8FromWide(std::wstring_view(wide).substr(0, written)).size();
        return bytes <= utf8.size() ? bytes : 0;
    });
    return true;
}
