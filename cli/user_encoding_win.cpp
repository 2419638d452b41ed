#include <io.h>
#include <windows.h>

#include <string>

#include "cli/user_encoding.h"
#include "location/encoding.h"

namespace {

constexpr std::size_t kConsoleChunk = 8192;  // characters per WriteConsoleW call

}  // namespace

// Files and pipes take the program's bytes as they are (the ANSI code page), as scripts expect.
bool UserSpeaksUtf8() {
    return false;
}

bool WriteToConsole(std::FILE* stream, std::string_view text) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) {
        return false;
    }
    // What the C library holds for the stream goes first.
    std::fflush(stream);
    std::wstring wide;
    wide.reserve(text.size());
    for (const char c : text) {
        wide += static_cast<wchar_t>(CharacterOfWindows1252(static_cast<unsigned char>(c)));
    }
    // One character per byte: should the console refuse, the rest goes out as bytes, and a failure there shows in
    // the stream's error state.
    std::size_t written = 0;
    while (written < wide.size()) {
        const std::size_t left = wide.size() - written;
        const auto count = static_cast<DWORD>(left < kConsoleChunk ? left : kConsoleChunk);
        DWORD done = 0;
        if (!WriteConsoleW(handle, wide.data() + written, count, &done, nullptr) || done == 0) {
            std::fwrite(text.data() + written, 1, text.size() - written, stream);
            break;
        }
        written += done;
    }
    return true;
}
