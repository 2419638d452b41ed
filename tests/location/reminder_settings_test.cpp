#include "location/reminder_settings.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/memory_store.h"

namespace {

constexpr char kKey[] = "Software\\Kestrelon";

std::int32_t StoredDword(const MemoryRegistry& registry, const char* name) {
    const SettingValue* value = registry.findValue(kKey, name);
    std::int32_t number = 0;
    if (value == nullptr || value->type != SettingType::Dword || value->bytes.size() != sizeof number) {
        ADD_FAILURE() << name << " is not a stored number";
        return 0;
    }
    std::memcpy(&number, value->bytes.data(), sizeof number);
    return number;
}

void StoreDword(MemoryRegistry& registry, const char* name, std::int32_t number) {
    SettingValue value{SettingType::Dword, std::vector<unsigned char>(sizeof number)};
    std::memcpy(value.bytes.data(), &number, sizeof number);
    registry.setValue(kKey, name, value);
}

// What load makes of each kind's two values: a missing one is created as -1 and means the default, a text or a
// number out of range means the default and stays as stored, a number in range is the user's.
TEST(ReminderSettings, LoadReadsEachValueByTheSettingsRules) {
    MemoryRegistry registry;
    StoreDword(registry, "Candle Lighting Reminder", 1);
    StoreDword(registry, "Candle Lighting Reminder Minutes", 45);
    registry.setString(kKey, "Dates Reminder", "off");
    StoreDword(registry, "Dates Reminder Minutes", 121);
    StoreDword(registry, "Omer Reminder", 7);
    StoreDword(registry, "Fast Reminder Minutes", 720);
    MemorySettingsStore store(registry, kKey);
    ReminderSettings settings;
    settings.load(store);

    const struct {
        ReminderKind kind;
        bool on;
        int minutes;
    } expected[] = {
        {ReminderKind::CandleLighting, true, 45},
        {ReminderKind::PersonDate, true, 0},  // unreadable and out of range: the defaults
        {ReminderKind::Omer, false, 0},       // 7 is neither on nor off
        {ReminderKind::Fast, false, 720},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(static_cast<int>(e.kind));
        EXPECT_EQ(settings.RuleOf(e.kind).on, e.on);
        EXPECT_EQ(settings.RuleOf(e.kind).minutesBefore, e.minutes);
    }
    EXPECT_EQ(registry.findValue(kKey, "Dates Reminder")->type, SettingType::String);
    EXPECT_EQ(StoredDword(registry, "Dates Reminder Minutes"), 121);
    EXPECT_EQ(StoredDword(registry, "Omer Reminder"), 7);
    EXPECT_EQ(StoredDword(registry, "Omer Reminder Minutes"), -1);
    EXPECT_EQ(StoredDword(registry, "Fast Reminder"), -1);
}

}  // namespace
