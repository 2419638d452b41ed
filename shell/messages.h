// The program's private window messages. The program sends its own with SendMessageA, so each is handled before
// the sender goes on.
#pragma once

#include <windows.h>

inline constexpr UINT UM_GREGORIAN_DAY_PICKED = WM_USER + 1;  // 1025, to the main window: wParam grid id, lParam day
inline constexpr UINT UM_HEBREW_DAY_PICKED = WM_USER + 2;     // 1026
inline constexpr UINT UM_SET_MONTH_VIEW = WM_USER + 4;        // 1028, to a day grid: wParam marks, lParam packed month
inline constexpr UINT UM_MONTH_VIEW_SHOWN = WM_USER + 5;  // 1029, from a day grid to its parent: wParam id, lParam grid
inline constexpr UINT UM_TRAY_NOTIFY = WM_USER + 7;       // 1031, to the hidden window, from the shell
inline constexpr UINT UM_TRAY_COMMAND = WM_USER + 8;      // 1032, to the hidden window: wParam command or 0
inline constexpr UINT UM_REFRESH = WM_USER + 9;           // 1033, to the main window
// 1043, to a day grid before UM_SET_MONTH_VIEW: wParam the mask of the month's days that carry a person's date.
inline constexpr UINT UM_SET_DATE_MARKS = WM_USER + 19;
// 1044, to the hidden window: the settings or the people's dates changed, the tray's notices are computed anew.
inline constexpr UINT UM_REMINDERS_CHANGED = WM_USER + 20;

static_assert(UM_REFRESH == 1033);
