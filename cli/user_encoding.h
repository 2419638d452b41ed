// The character encoding of the user's terminal, as far as the program's Windows-1252 texts are concerned.
#pragma once

// True when the texts must become UTF-8 on the way out: on POSIX when the locale's codeset (LC_CTYPE from the
// environment) is UTF-8. False on Windows, where the texts keep their bytes, and for every other codeset.
bool UserSpeaksUtf8();
