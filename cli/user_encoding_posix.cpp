#include <langinfo.h>
#include <strings.h>

#include <clocale>

#include "cli/user_encoding.h"

// Asked only when a text holds a byte past ASCII, so a run that prints plain text never loads the locale.
bool UserSpeaksUtf8() {
    std::setlocale(LC_CTYPE, "");
    const char* codeset = nl_langinfo(CODESET);
    return codeset != nullptr && (strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "utf8") == 0);
}

bool WriteToConsole(std::FILE*, std::string_view) {
    return false;
}

bool WriteUtf8ToConsole(std::FILE*, std::string_view) {
    return false;
}
