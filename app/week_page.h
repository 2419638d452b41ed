// The text of the Week page: for the selected day at the place, the week's Torah portion, its candle lighting,
// havdalah and fast times, the Omer, the molad on Shabbat Mevarchim, the daf yomi, and every zman of the day.
//
// The page reads top to bottom in the order a user looks for things: the place and the clock as the Zmanim page
// shows them; the Shabbat of the week (Sunday to Saturday) that holds the selected day, with its portion or its
// festival; a line for each of the people's dates whose yearly day is the selected day, and one for each yahrzeit
// that begins on its evening; each time of that week with its weekday and date, and the rules that timed them; the Omer
// count of the selected day and of the evening that ends it; on a Shabbat Mevarchim the month blessed, its molad and
// its Rosh Chodesh; the daf; then the zmanim of the selected day in the order of the day. Headings carry the text
// view's bold marker ("@"); the copy leaves the markers out. Every clock is on the place's clock (zmanim/local_time.h),
// 12-hour as the Zmanim page writes it, "none" where a time does not happen.
#pragma once

#include <string>
#include <vector>

#include "app/app_state.h"
#include "calendar/clock.h"
#include "calendar/gregorian.h"
#include "location/dates_file.h"
#include "location/location.h"
#include "location/shabbat_settings.h"
#include "zmanim/local_time.h"

// What the page's first lines show, read from the computer when the page is made: the current time in the user's
// time format, today's date, and the zone a place without one of its own is shown in.
struct PageClock {
    const char* currentTime;
    LocalDateTime today;
    HostZoneConversion toHost;
};

// The page's text for the day at the place, its times by the rules, the people's dates those given; with the line
// markers or without them.
std::string WeekPageTextOf(DayNumber day,
                           const Location& location,
                           const ShabbatRules& rules,
                           const PageClock& clock,
                           bool keepMarkers,
                           const std::vector<PersonDate>& dates = {});

// The page's text of the selected day at the program's place, under the user's settings and the computer's clock,
// with the people's dates the state holds.
std::string weekPageText(const AppState& state, bool keepMarkers);
