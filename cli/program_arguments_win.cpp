#include <windows.h>

#include <shellapi.h>

#include <string>

#include "cli/program_arguments.h"
#include "location/wide_text_win.h"

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
