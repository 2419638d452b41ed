// Puts a page text on the clipboard as plain 8-bit text with "\r\n" line ends.
#pragma once

#include <windows.h>

#include <cstddef>

// Hands the clipboard a block of capacity + 1 bytes (moveable, zero-filled) holding text with its line ends
// converted, cut as ConvertLineEndsForClipboard cuts it. When no block can be had or locked, or the clipboard
// cannot be opened or does not take the block, the copy is abandoned and nothing is left allocated.
void CopyTextToClipboard(HWND owner, const char* text, std::size_t capacity);
