#include "textview/clipboard_win.h"

#include "textview/clipboard_text.h"

void CopyTextToClipboard(HWND owner, const char* text, std::size_t capacity) {
    if (capacity == static_cast<std::size_t>(-1)) {
        return;  // no block of capacity + 1 bytes exists
    }
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, capacity + 1);
    if (block == nullptr) {
        return;
    }
    char* const bytes = static_cast<char*>(GlobalLock(block));
    if (bytes == nullptr) {
        GlobalFree(block);
        return;
    }
    ConvertLineEndsForClipboard(text, bytes, capacity);
    GlobalUnlock(block);

    if (!OpenClipboard(owner)) {
        GlobalFree(block);
        return;
    }
    EmptyClipboard();
    // Once the clipboard has taken the block it owns it.
    if (SetClipboardData(CF_TEXT, block) == nullptr) {
        GlobalFree(block);
    }
    CloseClipboard();
}
