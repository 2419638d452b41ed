// What `ical` writes, once its options are checked, and the text of its events: the holidays as all-day events and,
// when asked, the sunrise and sunset of every day at a place, candle lighting, havdalah and the fasts' times there,
// each evening's count of the Omer at its nightfall there, the weekly portion, the daf yomi and the people's dates.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calendar/observance.h"
#include "cli/ical_file.h"
#include "location/dates_file.h"
#include "location/location.h"
#include "location/shabbat_settings.h"

struct IcalRequest {
    Observance observance = Observance::Diaspora;
    int from = 0;
    int to = 0;
    bool zmanim = false;
    bool shabbat = false;
    ShabbatRules rules;                // with shabbat only
    std::optional<int> remindMinutes;  // a reminder this long before each candle lighting and yahrzeit's evening
    bool omer = false;
    bool parsha = false;
    bool daf = false;
    // The people's dates, each yearly day an all-day event; with yahrzeitEvenings also the sunset at the place that
    // begins each yahrzeit.
    bool dates = false;
    std::vector<PersonDate> people;
    bool yahrzeitEvenings = false;
    Location location;  // with zmanim, shabbat, omer or yahrzeitEvenings only
    std::optional<std::string> output;

    // The sunrise and sunset, the Shabbat times, the Omer and the yahrzeits' evenings are times at the place.
    bool HasTimesAtPlace() const { return zmanim || shabbat || omer || yahrzeitEvenings; }
};

// The whole calendar into sink, every event stamped with stamp (an iCalendar UTC date-time). False when it could not
// be written.
bool WriteCalendar(const IcalRequest& request, const std::string& stamp, CalendarSink& sink);
