#include "textview/clipboard_text.h"

std::size_t ConvertLineEndsForClipboard(const char* text, char* block, std::size_t capacity) {
    if (block == nullptr) {
        return 0;
    }
    // A pass writes at most three characters, so stopping before capacity - 3 keeps the terminator inside the
    // block. Below four there is no room for a whole pass.
    const std::size_t limit = capacity > 3 ? capacity - 3 : 0;
    std::size_t written = 0;
    if (text != nullptr) {
        while (*text != '\0' && written < limit) {
            if (*text != '\n') {
                block[written++] = *text++;
            }
            if (*text == '\n') {
                block[written++] = '\r';
                block[written++] = '\n';
                ++text;
            }
        }
    }
    block[written] = '\0';
    return written;
}
