#include <windows.h>

#include <shellapi.h>

#include <string>

#include "cli/program_arguments.h"

namespace {

std::string Utf8FromWide(const wchar_t* wide) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) {
        return {};
    }
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, &text[0], bytes, nullptr, nullptr);
    text.pop_back();  // the terminating zero
    return text;
}

}  // namespace

// CommandLineToArgvW splits the line by the same rules as the C library's start-up code, so the words are argv's;
// should it fail, argv is taken as it is.
Arguments ProgramArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr) {
        return Arguments(argv + 1, argv + argc);
    }
    Arguments arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(Utf8FromWide(words[i]));
    }
    LocalFree(words);
    return arguments;
}
