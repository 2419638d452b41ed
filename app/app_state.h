// The program's state: the current place with its candle-lighting and havdalah settings, the tray's reminders, the
// selected day, and the people's dates as the shell last read them from their file.
// kestrelon.exe makes its one AppState at the start of WinMain and hands it to its windows; the core only ever sees
// the parts of it that a call needs.
#pragma once

#include <vector>

#include "calendar/calendar_cursor.h"
#include "holidays/holiday_table.h"
#include "location/dates_file.h"
#include "location/location.h"
#include "location/reminder_settings.h"
#include "location/shabbat_settings.h"

struct AppState {
    Location location;
    ShabbatSettings shabbat;
    ReminderSettings reminders;
    CalendarCursor cursor{HasHoliday};  // its month marks are the holiday tables' days
    std::vector<PersonDate> dates;
    unsigned datesRevision = 0;  // grows each time the dates read differ from those held
};
