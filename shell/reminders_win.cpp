#include "shell/reminders_win.h"

#include <algorithm>
#include <vector>

#include "app/reminders.h"
#include "calendar/clock.h"
#include "shell/tray_win.h"
#include "zmanim/host_zone.h"

namespace {

constexpr long long kMsPerSecond = 1000;

long long Now() {
    const LocalDateTime utc = ReadUniversalClock();
    return CivilTimeSeconds({utc.year, utc.month, utc.day, utc.hour, utc.minute, utc.second});
}

// Whether a notice can come at all. With the dates' reminders on and no dates yet, the schedule still looks once
// an hour, when the hidden window reads the file again: a date added with kestrelon-cli meanwhile is reminded of.
bool AnythingToRemind(const AppState& state) {
    const ReminderSettings& settings = state.reminders;
    return settings.RuleOf(ReminderKind::CandleLighting).on || settings.RuleOf(ReminderKind::Omer).on ||
           settings.RuleOf(ReminderKind::Fast).on || settings.RuleOf(ReminderKind::PersonDate).on;
}

}  // namespace

void ReminderSchedule::Update(HWND owner, const AppState& state, TrayState& tray) {
    KillTimer(owner, kReminderTimerId);
    if (!AnythingToRemind(state)) {
        return;
    }
    const long long now = Now();
    const ShabbatRules rules = state.shabbat.RulesAt(state.location.city());
    const std::vector<Reminder> reminders =
        RemindersAround(now, {state.location, rules, state.dates, state.reminders, HostUtcToLocal});

    const std::vector<Reminder> due = RemindersToShow(reminders, now, shown_);
    if (!due.empty()) {
        std::string text;
        for (const Reminder& reminder : due) {
            text.append(text.empty() ? "" : "\n").append(ReminderText(reminder, now));
            shown_.insert(reminder.key);
        }
        shownDay_ = due.front().day;
        tray.ShowBalloon(text);
    }

    long long delayMs = kReminderLookMs;
    if (const std::optional<long long> next = NextReminderDue(reminders, now, shown_)) {
        delayMs = std::clamp((*next - now) * kMsPerSecond, kMsPerSecond, static_cast<long long>(kReminderLookMs));
    }
    SetTimer(owner, kReminderTimerId, static_cast<UINT>(delayMs), nullptr);
}
