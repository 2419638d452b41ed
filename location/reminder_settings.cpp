#include "location/reminder_settings.h"

namespace {

constexpr std::int32_t kDefaultStored = -1;
constexpr std::int32_t kOff = 0;
constexpr std::int32_t kOn = 1;

constexpr ReminderValues kValues[kReminderKinds] = {
    {"Candle Lighting Reminder", "Candle Lighting Reminder Minutes", false, 20, kMaxReminderMinutes},
    {"Dates Reminder", "Dates Reminder Minutes", true, 0, kMaxReminderMinutes},
    {"Omer Reminder", "Omer Reminder Minutes", false, 0, kMaxReminderMinutes},
    {"Fast Reminder", "Fast Reminder Minutes", false, 60, kMaxFastReminderMinutes},
};

std::size_t IndexOf(ReminderKind kind) {
    return static_cast<std::size_t>(kind);
}

}  // namespace

const ReminderValues& ReminderValuesOf(ReminderKind kind) {
    return kValues[IndexOf(kind)];
}

bool ReminderSwitchOn(ReminderKind kind, std::int32_t stored) {
    if (stored == kOn || stored == kOff) {
        return stored == kOn;
    }
    return ReminderValuesOf(kind).onByDefault;
}

int ReminderMinutes(ReminderKind kind, std::int32_t stored) {
    const ReminderValues& values = ReminderValuesOf(kind);
    if (stored < 0 || stored > values.largestMinutes) {
        return values.defaultMinutes;
    }
    return static_cast<int>(stored);
}

ReminderRule ReminderSettings::RuleOf(ReminderKind kind) const {
    return {ReminderSwitchOn(kind, switches[IndexOf(kind)]), ReminderMinutes(kind, minutes[IndexOf(kind)])};
}

void ReminderSettings::load(SettingsStore& store) {
    for (std::size_t i = 0; i < kReminderKinds; ++i) {
        readSettingDword(store, kValues[i].switchName, kDefaultStored, switches[i]);
        readSettingDword(store, kValues[i].minutesName, kDefaultStored, minutes[i]);
    }
}
