// What `ical` writes, once its options are checked, and the text of its events: the holidays as all-day events and,
// when asked, the sunrise and sunset of every day at a place.
#pragma once

#include <optional>
#include <string>

#include "calendar/observance.h"
#include "cli/ical_file.h"
#include "location/location.h"

struct IcalRequest {
    Observance observance = Observance::Diaspora;
    int from = 0;
    int to = 0;
    bool zmanim = false;
    Location location;  // with zmanim only
    std::optional<std::string> output;
};

// The whole calendar into sink, every event stamped with stamp (an iCalendar UTC date-time). False when it could not
// be written.
bool WriteCalendar(const IcalRequest& request, const std::string& stamp, CalendarSink& sink);
