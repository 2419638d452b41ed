// The scroll text view window ("Scroll Text View Window Class"): a read-only page of wrapped, marked-up text, or a
// few columns of short strings (see textview/scroll_text_view.h for the rules).
//
// Every message returns 0; the view copies what it keeps, so pointers only need to live for the call. A null text
// empties the view, a null column list counts as an empty one, and null alignments as none. WM_PRINTCLIENT renders
// exactly what WM_PAINT shows into the given DC.
#pragma once

#include <windows.h>

// 1034: wParam const char* text or null; lParam 0 scrolls to the top, any other value keeps the scroll position
// (within the new text's range), for a text that is only brought up to date.
inline constexpr UINT STVM_SETTEXT = WM_USER + 10;
inline constexpr UINT STVM_SETCOLUMNS = WM_USER + 11;     // 1035: wParam const std::vector<std::string>*
inline constexpr UINT STVM_CLEAR = WM_USER + 12;          // 1036
inline constexpr UINT STVM_SETALIGNMENTS = WM_USER + 13;  // 1037: wParam const UINT32* values, lParam count

inline constexpr char kScrollTextViewClass[] = "Scroll Text View Window Class";

// The fonts a view draws with. Pass a pointer to them as the lpParam of CreateWindowExA; they must outlive the
// window.
struct ScrollTextViewFonts {
    HFONT normal;
    HFONT bold;
};

// Registers the class with the application's icons.
ATOM RegisterScrollTextViewClass(HINSTANCE instance, HICON largeIcon, HICON smallIcon);
