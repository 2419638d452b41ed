// What `ical` writes, once its options are checked, and the text of its events: the holidays as all-day events and,
// when asked, the sunrise and sunset of every day at a place, candle lighting, havdalah and the fasts' times there,
// each evening's count of the Omer at its nightfall there, the weekly portion and the daf yomi.
#pragma once

#include <optional>
#include <string>

#include "calendar/observance.h"
#include "cli/ical_file.h"
#include "location/location.h"
#include "location/shabbat_settings.h"

struct IcalRequest {
    Observance observance = Observance::Diaspora;
    int from = 0;
    int to = 0;
    bool zmanim = false;
    bool shabbat = false;
    ShabbatRules rules;                // with shabbat only
    std::optional<int> remindMinutes;  // with shabbat: a reminder this long before each candle lighting
    bool omer = false;
    bool parsha = false;
    bool daf = false;
    Location location;  // with zmanim, shabbat or omer only
    std::optional<std::string> output;

    // The sunrise and sunset, the Shabbat times and the Omer are times at the place.
    bool HasTimesAtPlace() const { return zmanim || shabbat || omer; }
};

// The whole calendar into sink, every event stamped with stamp (an iCalendar UTC date-time). False when it could not
// be written.
bool WriteCalendar(const IcalRequest& request, const std::string& stamp, CalendarSink& sink);
