#include "cli/output.h"

#include "cli/encoding.h"
#include "cli/user_encoding.h"

namespace {

bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

void Report(const char* kind, const std::string& message) {
    std::fprintf(stderr, "kestrelon-cli: %s%s\n", kind, message.c_str());
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
    const std::string out = ForUser(text);
    std::fwrite(out.data(), 1, out.size(), stream);
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
