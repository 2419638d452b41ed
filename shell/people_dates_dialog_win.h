// File > People's Dates: the list of the people's dates (location/dates_file.h) with Add, Edit and Delete, each
// change saved at once through the dates store, and the dialog that adds or edits one date.
#pragma once

#include <windows.h>

#include "calendar/gregorian.h"

// Opens the dialog over owner (the main window) and returns when it closes. After each change saved to the file the
// owner is sent UM_REFRESH, which reads the dates again and shows them. today names the next yearly day of each.
void ShowPeopleDatesDialog(HINSTANCE instance, HWND owner, DayNumber today);
