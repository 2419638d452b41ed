// Resource, command and control identifiers, shared by the resource script and the program.
#pragma once

// Strings, menus, accelerators, icons, bitmaps, dialogs.
#define IDS_APP_CLASS 109
#define IDR_ACCELERATORS 109
#define IDR_MAIN_MENU 134
#define IDD_PREFERENCES 136
#define IDD_PEOPLE_DATES 137
#define IDD_PERSON_DATE 138
#define IDI_APP_LARGE 168
#define IDI_APP_SMALL 169
#define IDB_SPLASH 175
#define IDB_ABOUT 176
#define IDD_ABOUT 1002

// Commands of the menus and accelerators.
#define CMD_ACCEL_ABOUT 104
#define CMD_SHOW_MAIN 110
#define CMD_ABOUT 32789
#define CMD_EXIT 32791
#define CMD_HELP_CONTENTS 32799
#define CMD_PREFERENCES 32801
#define CMD_COPY_HOLIDAY 32806
#define CMD_COPY_ZMANIM 32807
#define CMD_COPY_WEEK 32808
#define CMD_PEOPLE_DATES 32811

// Children of the main window and of its tab surface.
#define IDC_GREGORIAN_GRID 20
#define IDC_HEBREW_GRID 21
#define IDC_GREGORIAN_SPINNER 23
#define IDC_HEBREW_SPINNER 26
#define IDC_CHANGE_LOCATION 27
#define IDC_TAB 28
#define IDC_TAB_SURFACE 29
#define IDC_HOLIDAY_VIEW 30
#define IDC_ZMANIM_VIEW 32
#define IDC_WEEK_VIEW 33

// Dialog controls that the program never addresses (labels, group boxes, pictures).
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Controls of the Preferences dialog.
#define IDC_CITY_LIST 1002
#define IDC_LAT_DEGREES 1005
#define IDC_LAT_MINUTES 1006
#define IDC_LAT_HEMISPHERE 1007
#define IDC_LON_DEGREES 1008
#define IDC_LON_MINUTES 1009
#define IDC_LON_HEMISPHERE 1010
#define IDC_ELEVATION 1011
#define IDC_FEET 1019
#define IDC_METERS 1020
#define IDC_ISRAEL 1061
#define IDC_DIASPORA 1062
#define IDC_CITY_LABEL 1070
#define IDC_ZIP_EDIT 1087
#define IDC_LOOKUP_ZIP 1088
#define IDC_CANDLES_PLACE 1101
#define IDC_CANDLES_SET 1102
#define IDC_CANDLES_MINUTES 1103
#define IDC_HAVDALAH_NIGHTFALL 1104
#define IDC_HAVDALAH_SET 1105
#define IDC_HAVDALAH_MINUTES 1106
// The Reminders group: a switch and its minutes for each kind, in the order of ReminderKind.
#define IDC_REMIND_CANDLES 1180
#define IDC_REMIND_CANDLES_MINUTES 1181
#define IDC_REMIND_DATES 1182
#define IDC_REMIND_DATES_MINUTES 1183
#define IDC_REMIND_OMER 1184
#define IDC_REMIND_OMER_MINUTES 1185
#define IDC_REMIND_FAST 1186
#define IDC_REMIND_FAST_MINUTES 1187

// Controls of the People's Dates dialog and of the dialog that adds or edits one date.
#define IDC_DATES_LIST 1201
#define IDC_DATES_ADD 1202
#define IDC_DATES_EDIT 1203
#define IDC_DATES_DELETE 1204
#define IDC_DATES_STATUS 1205
#define IDC_DATE_NAME 1211
#define IDC_DATE_KIND 1212
#define IDC_DATE_GREGORIAN 1213
#define IDC_DATE_HEBREW 1214
#define IDC_GREGORIAN_DAY 1215
#define IDC_GREGORIAN_MONTH 1216
#define IDC_GREGORIAN_YEAR 1217
#define IDC_AFTER_SUNSET 1218
#define IDC_HEBREW_DAY 1219
#define IDC_HEBREW_MONTH 1220
#define IDC_HEBREW_YEAR 1221
#define IDC_DATE_ADAR 1222
