// The zmanim and their texts for the selected day at the program's place: the cursor's date, gLocation, and the
// computer's clock. Everything here only gathers those and hands them to the functions that take values.
#include "calendar/clock.h"
#include "holidays/calendar_cursor.h"
#include "zmanim/current_time.h"
#include "zmanim/day_zmanim.h"
#include "zmanim/zmanim_text.h"

namespace {

constexpr std::size_t kCurrentTimeSize = 200;

}  // namespace

DayZmanim selectedDayZmanim() {
    return dayZmanim(gCalendarCursor.Day(), gCalendarCursor.Month(), gCalendarCursor.Year());
}

void zmanimPageColumns(std::vector<std::string>& columns) {
    const LocalDateTime now = ReadLocalClock();
    const DayZmanim zmanim = selectedDayZmanim();
    char currentTime[kCurrentTimeSize];
    FormatCurrentTime(currentTime, sizeof currentTime);
    char label[kPlaceLabelSize];
    FormatPlaceLabel(gLocation, LabelStyle::Page, label, sizeof label);
    ZmanimPageColumnsOf(zmanim, currentTime, now, label, columns);
}

std::size_t zmanimClipboardText(char* buffer, std::size_t size) {
    char label[kPlaceLabelSize];
    FormatPlaceLabel(gLocation, LabelStyle::Clipboard, label, sizeof label);
    const LocalDateTime today = ReadLocalClock();
    const DayZmanim zmanim = selectedDayZmanim();
    return ZmanimClipboardTextOf(zmanim, today, label, buffer, size);
}
