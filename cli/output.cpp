#include "cli/output.h"

#include "cli/user_encoding.h"
#include "location/encoding.h"

namespace {

// Every byte looked at, without an early way out, so that the loop runs on whole words: a year's listing is checked
// at once.
bool IsAscii(std::string_view text) {
    unsigned char bits = 0;
    for (const char c : text) {
        bits = static_cast<unsigned char>(bits | static_cast<unsigned char>(c));
    }
    return bits < 0x80;
}

void Report(const char* kind, const std::string& message) {
    const std::string line = std::string("kestrelon-cli: ") + kind + message + "\n";
    WriteUtf8Text(stderr, line);
}

}  // namespace

std::string ForUser(std::string_view text) {
    if (IsAscii(text) || !UserSpeaksUtf8()) {
        return std::string(text);
    }
    return Utf8FromWindows1252(text);
}

void WriteText(std::FILE* stream, std::string_view text) {
    if (WriteToConsole(stream, text)) {
        return;
    }
    if (IsAscii(text) || !UserSpeaksUtf8()) {
        std::fwrite(text.data(), 1, text.size(), stream);
        return;
    }
    const std::string out = Utf8FromWindows1252(text);
    std::fwrite(out.data(), 1, out.size(), stream);
}

void WriteUtf8Text(std::FILE* stream, std::string_view utf8) {
    if (!WriteUtf8ToConsole(stream, utf8)) {
        std::fwrite(utf8.data(), 1, utf8.size(), stream);
    }
}

int FinishOutput() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        Report("", "cannot write the output");
        return kExitNotFound;
    }
    return 0;
}

int UsageError(const std::string& message) {
    Report("", message);
    return kExitUsage;
}

int NotFound(const std::string& message) {
    Report("", message);
    return kExitNotFound;
}

void Warn(const std::string& message) {
    Report("warning: ", message);
}
