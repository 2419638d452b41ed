// The notices the tray gives ahead of what the calendar asks: candle lighting, a person's date, the Omer count and
// a fast's beginning, each timed at the place by the sun and by the user's reminder settings.
//
// - Candle lighting: the minutes before each candle lighting (Shabbat's and every festival evening's, the second
//   evening's "not before nightfall" too). What it announces: the candle lighting. Its day: the evening's.
// - A person's date: every yahrzeit, Hebrew birthday, anniversary or other date of the list begins, as a Hebrew day
//   does, at sunset of the evening before its day, and the notice comes the minutes before that sunset. What it
//   announces: that beginning; it stays worth showing until the day itself ends at its sunset. Its day: the day
//   the date is kept.
// - The Omer: each counting evening, the minutes before nightfall, with the count said that evening. It stays worth
//   showing until local midnight of the evening. Its day: the evening's.
// - A fast: the minutes before a fast begins (the minor fasts at dawn, Tisha B'Av at sunset of the evening before).
//   What it announces: that beginning. Its day: the fast's.
//
// A notice is due from its due instant and is shown while what it announces is still to come (until): one missed
// while the computer slept or before the program started is shown late, once, but never after that. Where the sun
// does not reach the moment's angle (a polar day or night, a summer night too light for nightfall), that notice does
// not exist. Every instant is UT seconds as CivilTimeSeconds counts them (zmanim/local_time.h); the clock times in
// the texts are on the place's clock.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "calendar/gregorian.h"
#include "location/dates_file.h"
#include "location/location.h"
#include "location/reminder_settings.h"
#include "location/shabbat_settings.h"
#include "zmanim/local_time.h"

struct Reminder {
    ReminderKind kind;
    DayNumber day;      // the civil day it belongs to, which a click on it shows
    long long due;      // from when it is shown
    long long at;       // the moment it announces
    long long until;    // after this it is no longer shown
    std::string key;    // "candles 2460600": the kind, the day and what; never the same for two notices
    std::string what;   // "Candle lighting for Shabbat", "Yahrzeit of Sarah", the Omer count's words; UTF-8
    std::string clock;  // the moment on the place's clock: "4:12 PM"
};

// What the notices are computed from.
struct ReminderSources {
    const Location& location;
    const ShabbatRules& rules;
    const std::vector<PersonDate>& dates;
    const ReminderSettings& settings;
    HostZoneConversion toHost;
};

// The reminders of the kinds switched on that are still worth showing at now and fall due within two days of it,
// in order of their due instants.
std::vector<Reminder> RemindersAround(long long now, const ReminderSources& sources);

// The notices shown already: by their keys in this run, and by an earlier run (the program started again the same
// evening) up to the last due instant it showed, which the program keeps beside its settings.
struct ShownReminders {
    std::set<std::string> keys;
    std::optional<long long> earlierRunsThrough;

    bool Has(const Reminder& reminder) const;
};

// Those of reminders to show at now, in order: due, still worth showing, and not shown already.
std::vector<Reminder> RemindersToShow(const std::vector<Reminder>& reminders,
                                      long long now,
                                      const ShownReminders& shown);

// The first due instant after now of a reminder not shown yet; nothing when there is none.
std::optional<long long> NextReminderDue(const std::vector<Reminder>& reminders,
                                         long long now,
                                         const ShownReminders& shown);

// The notice's words at now, in UTF-8 (a person's name as typed): "Candle lighting for Shabbat at 4:12 PM (in 20
// minutes)", "Yahrzeit of Sarah begins this evening at 4:31 PM", "Omer tonight, from nightfall at 7:58 PM: Today is
// 33 days, which is 4 weeks and 5 days of the Omer", "Fast of Esther begins at 5:31 AM (in 60 minutes)".
std::string ReminderText(const Reminder& reminder, long long now);
