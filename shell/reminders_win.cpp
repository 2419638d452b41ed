#include "shell/reminders_win.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/reminders.h"
#include "calendar/clock.h"
#include "shell/tray_win.h"
#include "zmanim/host_zone.h"

namespace {

constexpr long long kMsPerSecond = 1000;
// Kept beside the settings: the minutes of UT from 1 January 1970 of the last notice shown.
constexpr const char* kShownThroughValue = "Reminders Shown Through";
constexpr long long kUnixEpoch = 2440588LL * 86400;
constexpr long long kSecondsPerMinute = 60;

// The last due instant an earlier run showed (to the end of its minute); nothing when none is kept. Nothing is
// created: the value is written only once a notice has been shown.
std::optional<long long> EarlierRunsThrough(SettingsStore& settings) {
    const std::unique_ptr<SettingsKey> key = settings.openKey();
    std::int32_t minutes = -1;
    if (key == nullptr || queryDwordSetting(*key, kShownThroughValue, -1, minutes) != ValueQuery::Read || minutes < 0) {
        return std::nullopt;
    }
    return kUnixEpoch + (minutes + 1LL) * kSecondsPerMinute - 1;
}

void KeepShownThrough(SettingsStore& settings, long long due) {
    const long long minutes = (due - kUnixEpoch) / kSecondsPerMinute;
    if (minutes >= 0 && minutes <= INT32_MAX) {
        writeSettingDword(settings, kShownThroughValue, static_cast<std::int32_t>(minutes));
    }
}

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

void ReminderSchedule::Update(HWND owner, const AppState& state, SettingsStore& settings, TrayState& tray) {
    KillTimer(owner, kReminderTimerId);
    if (!AnythingToRemind(state)) {
        return;
    }
    if (!earlierRunsRead_) {
        earlierRunsRead_ = true;
        shown_.earlierRunsThrough = EarlierRunsThrough(settings);
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
            shown_.keys.insert(reminder.key);
        }
        shownDay_ = due.front().day;
        tray.ShowBalloon(text);
        KeepShownThrough(settings, due.back().due);  // they come in order of their due instants
    }

    long long delayMs = kReminderLookMs;
    if (const std::optional<long long> next = NextReminderDue(reminders, now, shown_)) {
        delayMs = std::clamp((*next - now) * kMsPerSecond, kMsPerSecond, static_cast<long long>(kReminderLookMs));
    }
    SetTimer(owner, kReminderTimerId, static_cast<UINT>(delayMs), nullptr);
}
