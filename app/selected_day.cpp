#include "app/selected_day.h"

#include "calendar/clock.h"
#include "holidays/holiday_text.h"
#include "zmanim/current_time.h"
#include "zmanim/host_zone.h"
#include "zmanim/zmanim_text.h"

namespace {

constexpr std::size_t kCurrentTimeSize = 200;

}  // namespace

std::size_t selectedDayHolidayText(const AppState& state, bool keepMarkers, char* buffer, std::size_t size) {
    int day = 0;
    int month = 0;
    int year = 0;
    int weekday = 0;
    state.cursor.GetHebrewDate(&day, &month, &year, &weekday);
    return BuildHolidayText(day, month, year, state.location.holiday(), buffer, size, keepMarkers);
}

DayZmanim selectedDayZmanim(const AppState& state) {
    const CalendarCursor& cursor = state.cursor;
    return dayZmanim(cursor.Day(), cursor.Month(), cursor.Year(), ZmanimPlaceOf(state.location), HostUtcToLocal);
}

void zmanimPageColumns(const AppState& state, std::vector<std::string>& columns) {
    const LocalDateTime now = ReadLocalClock();
    const DayZmanim zmanim = selectedDayZmanim(state);
    char currentTime[kCurrentTimeSize];
    FormatCurrentTime(currentTime, sizeof currentTime);
    char label[kPlaceLabelSize];
    FormatPlaceLabel(state.location, LabelStyle::Page, label, sizeof label);
    ZmanimPageColumnsOf(zmanim, currentTime, now, label, columns);
}

std::size_t zmanimClipboardText(const AppState& state, char* buffer, std::size_t size) {
    char label[kPlaceLabelSize];
    FormatPlaceLabel(state.location, LabelStyle::Clipboard, label, sizeof label);
    const LocalDateTime today = ReadLocalClock();
    const DayZmanim zmanim = selectedDayZmanim(state);
    return ZmanimClipboardTextOf(zmanim, today, label, buffer, size);
}
