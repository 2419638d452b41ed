#include "app/reminders.h"

#include <gtest/gtest.h>

#include <set>

#include "calendar/hebrew.h"
#include "location/place_rules.h"

namespace {

bool NoHostZone(const CivilTime&, CivilTime&) {
    return false;
}

bool CentralEurope(const CivilTime& utc, CivilTime& local) {
    local = FixedZoneToLocal(utc, 1, false);
    return true;
}

long long Utc(int year, int month, int day, int hour, int minute) {
    return CivilTimeSeconds({year, month, day, hour, minute, 0});
}

// New York (ZIP 10001, its own zone), candles 18 minutes before sunset, every kind off, one yahrzeit of 1 Tishrei.
struct World {
    World() {
        EXPECT_TRUE(ChooseCity(10001, location));
        PersonDate sarah;
        sarah.name = "Sarah";
        sarah.kind = PersonDateKind::Yahrzeit;
        sarah.hebrew = {1, kTishrei, 5760};
        dates.push_back(sarah);
        settings.switches.fill(0);
    }
    void SwitchOn(ReminderKind kind, int minutes) {
        settings.switches[static_cast<std::size_t>(kind)] = 1;
        settings.minutes[static_cast<std::size_t>(kind)] = minutes;
    }
    std::vector<Reminder> At(long long now) const {
        return RemindersAround(now, {location, rules, dates, settings, toHost});
    }
    std::optional<Reminder> First(ReminderKind kind, long long now) const {
        for (const Reminder& reminder : At(now)) {
            if (reminder.kind == kind) {
                return reminder;
            }
        }
        return std::nullopt;
    }

    Location location;
    ShabbatRules rules{18, std::nullopt};
    std::vector<PersonDate> dates;
    ReminderSettings settings;
    HostZoneConversion toHost = NoHostZone;
};

// The clock times are those `kestrelon-cli shabbat` and `zmanim --zip 10001` print for the day.
TEST(Reminders, EachKindIsDueItsMinutesBeforeItsMoment) {
    const struct {
        const char* label;
        ReminderKind kind;
        int minutes;
        long long now;
        DayNumber day;
        long long atMinute;  // the moment, in UT
        const char* text;    // at the due instant
    } cases[] = {
        {"Friday's candles at 5:52 PM EDT", ReminderKind::CandleLighting, 20, Utc(2024, 10, 18, 12, 0),
         GregorianToDayNumber(18, 10, 2024), Utc(2024, 10, 18, 21, 52),
         "Candle lighting for Shabbat at 5:52 PM (in 20 minutes)"},
        {"a yahrzeit of 1 Tishrei begins at sunset of the evening before Rosh Hashanah 5785", ReminderKind::PersonDate,
         0, Utc(2024, 10, 2, 12, 0), GregorianToDayNumber(3, 10, 2024), Utc(2024, 10, 2, 22, 35),
         "Yahrzeit of Sarah begins this evening at 6:35 PM"},
        {"the 33rd count at nightfall of 15 May 2025", ReminderKind::Omer, 0, Utc(2025, 5, 15, 12, 0),
         GregorianToDayNumber(15, 5, 2025), Utc(2025, 5, 16, 0, 53),
         "Omer tonight, from nightfall at 8:53 PM: Today is 33 days, which is 4 weeks and 5 days of the Omer"},
        {"the Fast of Esther at dawn, an hour ahead", ReminderKind::Fast, 60, Utc(2025, 3, 12, 12, 0),
         GregorianToDayNumber(13, 3, 2025), Utc(2025, 3, 13, 9, 49),
         "Fast of Esther begins at 5:49 AM (in 60 minutes)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        World world;
        world.SwitchOn(c.kind, c.minutes);
        const std::optional<Reminder> reminder = world.First(c.kind, c.now);
        ASSERT_TRUE(reminder.has_value());
        EXPECT_EQ(reminder->day, c.day);
        EXPECT_EQ(WholeMinute(reminder->at), c.atMinute);
        EXPECT_EQ(reminder->due, reminder->at - c.minutes * 60);
        EXPECT_EQ(ReminderText(*reminder, reminder->due), c.text);
    }
}

// Names are the file's UTF-8: two Hebrew names of one day, which the program's own letters would both turn into
// "???", are two notices, each with its name as typed.
TEST(Reminders, NamesInAnyScriptAreEachTheirOwnNotice) {
    World world;
    world.SwitchOn(ReminderKind::PersonDate, 0);
    world.dates[0].name = u8"\u05E9\u05E8\u05D4";
    world.dates.push_back(world.dates[0]);
    world.dates[1].name = u8"\u05DE\u05E9\u05D4";
    const long long now = Utc(2024, 10, 2, 12, 0);
    const std::vector<Reminder> due = RemindersToShow(world.At(now), Utc(2024, 10, 2, 22, 40), {});
    ASSERT_EQ(due.size(), 2u);
    EXPECT_NE(due[0].key, due[1].key);
    EXPECT_EQ(ReminderText(due[0], due[0].at), u8"Yahrzeit of \u05E9\u05E8\u05D4 begins this evening at 6:35 PM");
    EXPECT_EQ(ReminderText(due[1], due[1].at), u8"Yahrzeit of \u05DE\u05E9\u05D4 begins this evening at 6:35 PM");
}

TEST(Reminders, TheOmerSpeaksOnTheFortyNineEveningsOnly) {
    World world;
    world.SwitchOn(ReminderKind::Omer, 0);
    std::set<DayNumber> evenings;
    for (long long now = Utc(2025, 4, 1, 12, 0); now < Utc(2025, 6, 10, 12, 0); now += 86400) {
        for (const Reminder& reminder : world.At(now)) {
            evenings.insert(reminder.day);
        }
    }
    ASSERT_EQ(evenings.size(), 49u);
    EXPECT_EQ(*evenings.begin(), GregorianToDayNumber(13, 4, 2025));   // 15 Nisan 5785
    EXPECT_EQ(*evenings.rbegin(), GregorianToDayNumber(31, 5, 2025));  // 4 Sivan
}

// A notice missed while the computer slept comes once, late, while what it announces is still ahead; never after.
TEST(Reminders, AMissedNoticeIsShownOnceWhileStillRelevant) {
    World world;
    world.SwitchOn(ReminderKind::CandleLighting, 20);
    world.SwitchOn(ReminderKind::PersonDate, 0);
    const std::optional<Reminder> candles = world.First(ReminderKind::CandleLighting, Utc(2024, 10, 18, 12, 0));
    ASSERT_TRUE(candles.has_value());
    const auto shownAt = [&](long long now, const ShownReminders& shown) {
        return RemindersToShow(world.At(now), now, shown);
    };
    EXPECT_TRUE(shownAt(candles->due - 60, {}).empty());
    EXPECT_EQ(NextReminderDue(world.At(candles->due - 60), candles->due - 60, {}), candles->due);
    const std::vector<Reminder> late = shownAt(candles->due + 600, {});
    ASSERT_EQ(late.size(), 1u);
    EXPECT_EQ(ReminderText(late[0], candles->due + 600), "Candle lighting for Shabbat at 5:52 PM (in 10 minutes)");
    EXPECT_TRUE(shownAt(candles->due + 660, {{late[0].key}, std::nullopt}).empty()) << "shown twice";
    EXPECT_TRUE(shownAt(candles->due + 660, {{}, candles->due}).empty()) << "shown again by a new run";
    EXPECT_EQ(shownAt(candles->due + 660, {{}, candles->due - 1}).size(), 1u) << "an earlier notice hides a later";
    EXPECT_TRUE(shownAt(candles->at + 1, {}).empty()) << "shown after candle lighting";

    // The yahrzeit is still news the next morning, its own day, but not once that day has ended at sunset.
    world.settings.switches[static_cast<std::size_t>(ReminderKind::CandleLighting)] = 0;  // Rosh Hashanah's candles
    const std::vector<Reminder> morning = shownAt(Utc(2024, 10, 3, 13, 0), {});
    ASSERT_EQ(morning.size(), 1u);
    EXPECT_EQ(ReminderText(morning[0], Utc(2024, 10, 3, 13, 0)), "Yahrzeit of Sarah began at sunset, 6:35 PM");
    EXPECT_TRUE(shownAt(Utc(2024, 10, 3, 23, 0), {}).empty()) << "a day late";
}

TEST(Reminders, AKindSwitchedOffNeverSpeaks) {
    World world;
    // Rosh Hashanah, the Fast of Gedaliah, Sukkot and Sarah's yahrzeit; then days of the Omer.
    for (const long long start : {Utc(2024, 10, 1, 0, 0), Utc(2025, 5, 10, 0, 0)}) {
        for (long long now = start; now < start + 20 * 86400; now += 3 * 3600) {
            ASSERT_TRUE(world.At(now).empty());
        }
    }
    world.settings = ReminderSettings{};  // the defaults: the people's dates alone
    const std::vector<Reminder> byDefault = world.At(Utc(2024, 10, 2, 12, 0));
    ASSERT_EQ(byDefault.size(), 1u);
    EXPECT_EQ(byDefault[0].kind, ReminderKind::PersonDate);
}

// Far north the sun neither sets nor reaches nightfall in May: no candles and no Omer; at 50N both.
TEST(Reminders, NoNoticeWhereTheTimeDoesNotHappen) {
    for (const int degrees : {78, 50}) {
        World world;
        world.location.setCity(0);
        world.location.setLatitude(packAngle(degrees, 13, false));
        world.location.setLongitude(packAngle(15, 38, true));
        world.toHost = CentralEurope;
        world.SwitchOn(ReminderKind::CandleLighting, 20);
        world.SwitchOn(ReminderKind::Omer, 0);
        const std::vector<Reminder> reminders = world.At(Utc(2025, 5, 16, 6, 0));
        EXPECT_EQ(reminders.size(), degrees == 78 ? 0u : 3u) << degrees << "N";
    }
}

}  // namespace
