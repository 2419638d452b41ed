// The reminders' settings, kept beside the place's six values and the Shabbat settings under the same key: for each
// kind of notice a switch and the minutes it comes before its moment.
//
//   "Candle Lighting Reminder"          1 on, 0 off; -1: off.      "... Minutes" 0..120 before candle lighting; -1: 20.
//   "Dates Reminder"                    1 on, 0 off; -1: on.       "... Minutes" 0..120 before the date begins at
//                                                                  sunset; -1: 0, as it begins.
//   "Omer Reminder"                     1 on, 0 off; -1: off.      "... Minutes" 0..120 before nightfall; -1: 0.
//   "Fast Reminder"                     1 on, 0 off; -1: off.      "... Minutes" 0..720 before the fast begins (720
//                                                                  reaches the evening before a fast that begins at
//                                                                  dawn); -1: 60.
//
// The dates' reminder is on by default: it only ever speaks for dates the user entered. All eight read as the Shabbat
// settings do: a missing value reads as -1 and is created with it on the first read, a value that cannot be read as
// a number reads as -1 and is left as it is, and a number outside its range is kept as stored and counts as -1.
#pragma once

#include <array>
#include <cstdint>

#include "location/settings_store.h"

enum class ReminderKind : std::uint8_t { CandleLighting, PersonDate, Omer, Fast };
inline constexpr int kReminderKinds = 4;

inline constexpr int kMaxReminderMinutes = 120;
inline constexpr int kMaxFastReminderMinutes = 720;

// The two values of one kind and what they mean when stored as -1.
struct ReminderValues {
    const char* switchName;
    const char* minutesName;
    bool onByDefault;
    int defaultMinutes;
    int largestMinutes;
};
const ReminderValues& ReminderValuesOf(ReminderKind kind);

// One kind as the program uses it once the settings are read.
struct ReminderRule {
    bool on = false;
    int minutesBefore = 0;
};

struct ReminderSettings {
    // The stored numbers, -1 until read, out-of-range numbers included, in ReminderKind's order.
    std::array<std::int32_t, kReminderKinds> switches{-1, -1, -1, -1};
    std::array<std::int32_t, kReminderKinds> minutes{-1, -1, -1, -1};

    ReminderRule RuleOf(ReminderKind kind) const;
    // Every value from the settings, creating the key and a missing value with -1.
    void load(SettingsStore& store);
};

// The stored switch as a choice: 1 on, 0 off, anything else the kind's default.
bool ReminderSwitchOn(ReminderKind kind, std::int32_t stored);
// The stored minutes within the kind's range, else its default.
int ReminderMinutes(ReminderKind kind, std::int32_t stored);
