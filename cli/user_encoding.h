// The character encoding of the user's terminal, as far as the program's Windows-1252 texts are concerned.
#pragma once

#include <cstdio>
#include <string_view>

// True when the texts must become UTF-8 on the way out: on POSIX when the locale's codeset (LC_CTYPE from the
// environment) is UTF-8. False on Windows, where the texts keep their bytes, and for every other codeset.
bool UserSpeaksUtf8();

// When stream is a Windows console: writes the Windows-1252 text there as the characters it stands for, through the
// console's wide-character output, so that it shows right whatever the console's code page, and returns true. False,
// having written nothing, when stream is a file or a pipe (which get the bytes as they are) and on POSIX.
bool WriteToConsole(std::FILE* stream, std::string_view text);
// The same for a UTF-8 text (people's names, messages quoting the arguments, which are UTF-8 on every system).
bool WriteUtf8ToConsole(std::FILE* stream, std::string_view utf8);
