// The schedule of the tray's notices (app/reminders.h): the hidden window keeps one, shows each notice once as a
// balloon of the tray icon, and wakes only for the next one. Every wake computes the notices anew from the state and
// the clock, so a change of the clock, a sleep, a new day, or new settings or dates need nothing but a wake.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/app_state.h"
#include "app/reminders.h"
#include "calendar/gregorian.h"
#include "location/settings_store.h"

class TrayState;

// The hidden window's timer of the notices.
inline constexpr UINT_PTR kReminderTimerId = 2;
// The longest the schedule sleeps between looks, so that a day's change is seen within it.
inline constexpr UINT kReminderLookMs = 60 * 60 * 1000;

class ReminderSchedule {
  public:
    // Shows the notices due now that have not been shown in this run, then sets owner's timer for the next (or the
    // next look). With every kind off no timer is set.
    // The last notice's due instant is kept in settings, so that the program started again (after a restart of
    // the computer) does not show again what it showed before.
    void Update(HWND owner, const AppState& state, SettingsStore& settings, TrayState& tray);
    // The day of the last notice shown, which a click on its balloon opens.
    std::optional<DayNumber> ShownDay() const { return shownDay_; }

  private:
    ShownReminders shown_;
    bool earlierRunsRead_ = false;
    std::optional<DayNumber> shownDay_;
};
