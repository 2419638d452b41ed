#include "cli/user_encoding.h"

// A Windows console and the files scripts redirect to take the program's bytes as they are (the ANSI code page).
bool UserSpeaksUtf8() {
    return false;
}
