// The zmanim of the selected day as text: the three columns of the zmanim page and the "Copy Zmanim" text.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "calendar/clock.h"
#include "location/location.h"
#include "zmanim/day_zmanim.h"

int hour12(int hour);
const char* amPm(int hour);

// The texts, from values. A missing time shows as "--:--" and a missing proportional hour as "--".

inline constexpr std::size_t kPlaceLabelSize = 200;
inline constexpr std::size_t kColumnSize = 400;  // columns 2 and 3 hold at most 399 characters

enum class LabelStyle {
    Page,       // "New York, NY  10001"
    Clipboard,  // "New York, NY 10001"
};
// The place's name, then for a ZIP code the code with five digits; the name alone otherwise.
std::size_t FormatPlaceLabel(const Location& location, LabelStyle style, char* buffer, std::size_t size);

// "5:24 AM", "12:05 AM", or "--:--".
std::size_t FormatZmanTime(bool has, int hour, int minute, char* buffer, std::size_t size);

// "75.5" or "--", without the unit.
std::size_t FormatProportionalHour(const DayZmanim& zmanim, char* buffer, std::size_t size);

// The page's three columns: labels; the four times; the current time, today's date and the place label.
void ZmanimPageColumnsOf(const DayZmanim& zmanim,
                         const char* currentTime,
                         const LocalDateTime& today,
                         const char* placeLabel,
                         std::vector<std::string>& columns);

// The seven lines of the clipboard text, each ending in a line feed.
std::size_t ZmanimClipboardTextOf(const DayZmanim& zmanim,
                                  const LocalDateTime& today,
                                  const char* placeLabel,
                                  char* buffer,
                                  std::size_t size);
