// The clipboard form of a page text: "\n" line ends become "\r\n".
#pragma once

#include <cstddef>

// Converts text (null counts as empty) into block, which holds capacity + 1 bytes. Characters are copied in passes
// while fewer than capacity - 3 have been written; one pass copies a character other than "\n" and then, if the
// next character is "\n", writes "\r\n" for it, so a newline at the cut is never split and at most capacity - 1
// characters are written. Terminates the output and returns the number of characters written; the bytes after the
// terminator are left as they are. A capacity below 4 writes an empty text.
std::size_t ConvertLineEndsForClipboard(const char* text, char* block, std::size_t capacity);
