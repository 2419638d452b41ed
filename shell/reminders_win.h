// The schedule of the tray's notices (app/reminders.h): the hidden window keeps one, shows each notice once as a
// balloon of the tray icon, and wakes only for the next one. Every wake computes the notices anew from the state and
// the clock, so a change of the clock, a sleep, a new day, or new settings or dates need nothing but a wake.
#pragma once

#include <windows.h>

#include <optional>
#include <set>
#include <string>

#include "app/app_state.h"
#include "calendar/gregorian.h"

class TrayState;

// The hidden window's timer of the notices.
inline constexpr UINT_PTR kReminderTimerId = 2;
// The longest the schedule sleeps between looks, so that a day's change is seen within it.
inline constexpr UINT kReminderLookMs = 60 * 60 * 1000;

class ReminderSchedule {
  public:
    // Shows the notices due now that have not been shown in this run, then sets owner's timer for the next (or the
    // next look). With every kind off no timer is set.
    void Update(HWND owner, const AppState& state, TrayState& tray);
    // The day of the last notice shown, which a click on its balloon opens.
    std::optional<DayNumber> ShownDay() const { return shownDay_; }

  private:
    std::set<std::string> shown_;
    std::optional<DayNumber> shownDay_;
};
