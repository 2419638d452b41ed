#include "zmanim/local_time.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

constexpr ZoneRule kUsEastern{false, -5, true};
constexpr ZoneRule kUtc{false, 0, false};

// For zones of their own, which never ask the computer's zone.
bool NoHostZone(const CivilTime&, CivilTime&) {
    ADD_FAILURE() << "a fixed zone asked the computer's zone";
    return false;
}

bool SameTime(const CivilTime& a, const CivilTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second;
}

TEST(SplitUtMinutes, TruncatesNeverRounds) {
    const struct {
        const char* label;
        double minutes;
        int hour, minute, second;
    } cases[] = {
        {"9:24:53.8 stays in minute 24", 564.897, 9, 24, 53},
        {"a whole minute keeps it", 600.0, 10, 0, 0},
        {"a hair below a whole minute is the minute before", 599.9999, 9, 59, 59},
        {"midnight", 0.0, 0, 0, 0},
        {"the last representable instant of the day is not hour 24", std::nextafter(1440.0, 0.0), 23, 59, 59},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const UtClock clock = SplitUtMinutes(c.minutes);
        EXPECT_EQ(clock.hour, c.hour);
        EXPECT_EQ(clock.minute, c.minute);
        EXPECT_EQ(clock.second, c.second);
    }
}

// An event belongs to the date it is computed for: minutes past 1440 are the next UT day, but the same date's
// evening west of Greenwich.
TEST(EventInstant, BelongsToItsDateOnTheLocalClock) {
    const DayNumber june21 = GregorianToDayNumber(21, 6, 2008);
    const struct {
        const char* label;
        double minutes;
        ZoneRule zone;
        CivilTime local;
    } cases[] = {
        {"New York's sunset, 1470.9: 0:30:54 UT on 22 June, 20:30:54 daylight time on 21 June",
         1470.9,
         kUsEastern,
         {2008, 6, 21, 20, 30, 54}},
        {"exactly 1440 is midnight of the next day", 1440.0, kUtc, {2008, 6, 22, 0, 0, 0}},
        {"a negative value is the evening before", -0.5, kUtc, {2008, 6, 20, 23, 59, 30}},
        {"a positive offset crosses into the next local day", 20 * 60.0, {false, 10, false}, {2008, 6, 22, 6, 0, 0}},
        {"far west: -10 hours without daylight saving", 300.0, {false, -10, false}, {2008, 6, 20, 19, 0, 0}},
        {"minutes beyond one day are carried by whole days", 3 * 1440.0 + 61, kUtc, {2008, 6, 24, 1, 1, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::optional<long long> instant = EventInstant(c.minutes, june21);
        ASSERT_TRUE(instant.has_value());
        const std::optional<CivilTime> local = LocalTimeOf(*instant, c.zone, NoHostZone);
        ASSERT_TRUE(local.has_value());
        EXPECT_TRUE(SameTime(*local, c.local))
            << local->day << "." << local->month << " " << local->hour << ":" << local->minute << ":" << local->second;
        const std::optional<LocalClock> clock = toLocalClock(c.minutes, june21, c.zone, NoHostZone);
        ASSERT_TRUE(clock.has_value());
        EXPECT_EQ(clock->hour * 100 + clock->minute, c.local.hour * 100 + c.local.minute);
    }
}

TEST(EventInstant, NotANumberHasNoTime) {
    const DayNumber day = GregorianToDayNumber(21, 6, 2008);
    EXPECT_FALSE(EventInstant(std::numeric_limits<double>::quiet_NaN(), day).has_value());
    EXPECT_FALSE(toLocalClock(std::numeric_limits<double>::infinity(), day, kUtc, NoHostZone).has_value());
}

// A fixed rule's clock handed over as if it were the computer's zone, to be found by probing.
template <int kOffsetHours, bool kObservesDst>
bool FixedRuleAsHost(const CivilTime& utc, CivilTime& local) {
    local = FixedZoneToLocal(utc, kOffsetHours, kObservesDst);
    return true;
}

// The changes a fixed rule lists are those its own clock shows, found second by second as the computer's zone is.
TEST(ZoneChanges, AFixedRuleListsTheChangesOfItsClock) {
    const struct {
        const char* label;
        ZoneRule rule;
        HostZoneConversion clock;
    } cases[] = {
        {"US Eastern", kUsEastern, FixedRuleAsHost<-5, true>},
        {"Hawaii, no daylight time", {false, -10, false}, FixedRuleAsHost<-10, false>},
        {"an offset far beyond the world's zones", {false, 596524, true}, FixedRuleAsHost<596524, true>},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::optional<std::vector<ZoneChange>> ruled = ZoneChanges(c.rule, NoHostZone, 1900, 2099);
        const std::optional<std::vector<ZoneChange>> probed = ZoneChanges({true, 0, false}, c.clock, 1900, 2099);
        ASSERT_TRUE(ruled && probed);
        ASSERT_EQ(ruled->size(), probed->size());
        for (std::size_t i = 0; i < ruled->size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_TRUE(SameTime((*ruled)[i].onset, (*probed)[i].onset));
            EXPECT_EQ((*ruled)[i].offsetBeforeSeconds, (*probed)[i].offsetBeforeSeconds);
            EXPECT_EQ((*ruled)[i].offsetAfterSeconds, (*probed)[i].offsetAfterSeconds);
        }
    }
}

TEST(ZoneChanges, AComputersZoneThatFailsOrGoesADayAwayHasNone) {
    const HostZoneConversion fails = [](const CivilTime&, CivilTime&) { return false; };
    const HostZoneConversion aDayAhead = [](const CivilTime& utc, CivilTime& local) {
        local = utc;
        ++local.day;
        return true;
    };
    const HostZoneConversion from1901 = [](const CivilTime& utc, CivilTime& local) {
        local = utc;
        return utc.year >= 1901;
    };
    for (const HostZoneConversion toHost : {fails, aDayAhead, from1901}) {
        EXPECT_FALSE(ZoneChanges({true, 0, false}, toHost, 1900, 1900).has_value());
    }
}

// The US rule of the year: 2007 on, second Sunday of March to first Sunday of November; before, first Sunday of
// April to last Sunday of October; 02:00 local time at both ends. Times worked by hand for US Eastern.
TEST(FixedZone, FollowsTheUsDaylightRuleOfTheYear) {
    const struct {
        const char* label;
        int day, month, year, utcHour, utcMinute;
        int localHour, localMinute;
    } cases[] = {
        {"1 April 2006 evening, standard", 1, 4, 2006, 23, 30, 18, 30},
        {"2 April 2006 evening, daylight", 2, 4, 2006, 23, 30, 19, 30},
        {"2 April 2006 01:59 EST, still standard", 2, 4, 2006, 6, 59, 1, 59},
        {"2 April 2006 02:00 EST becomes 03:00 EDT", 2, 4, 2006, 7, 0, 3, 0},
        {"11 March 2006 evening, standard under the old rule", 11, 3, 2006, 23, 30, 18, 30},
        {"29 October 2006 01:59 EDT, still daylight", 29, 10, 2006, 5, 59, 1, 59},
        {"29 October 2006 02:00 EDT is 01:00 EST", 29, 10, 2006, 6, 0, 1, 0},
        {"11 March 2007 evening, already daylight", 11, 3, 2007, 23, 30, 19, 30},
        {"11 March 2007 02:00 EST becomes 03:00 EDT", 11, 3, 2007, 7, 0, 3, 0},
        {"28 October 2007 evening, still daylight under the new rule", 28, 10, 2007, 23, 30, 19, 30},
        {"4 November 2007 evening, standard again", 4, 11, 2007, 23, 30, 18, 30},
        {"4 November 2007 01:59 EDT, still daylight", 4, 11, 2007, 5, 59, 1, 59},
        {"4 November 2007 02:00 EDT is 01:00 EST", 4, 11, 2007, 6, 0, 1, 0},
        {"New Year's evening, standard", 31, 12, 2007, 23, 0, 18, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const CivilTime local = FixedZoneToLocal({c.year, c.month, c.day, c.utcHour, c.utcMinute, 0}, -5, true);
        EXPECT_EQ(local.hour, c.localHour);
        EXPECT_EQ(local.minute, c.localMinute);
    }
}

TEST(FixedZone, WithoutDaylightSavingTheOffsetHoldsAllYear) {
    for (int month = 1; month <= 12; ++month) {
        const CivilTime local = FixedZoneToLocal({2008, month, 15, 12, 0, 0}, -10, false);
        EXPECT_EQ(local.hour, 2) << "month " << month;
    }
}

TEST(FixedZone, TheLocalDateFollowsTheOffset) {
    const CivilTime local = FixedZoneToLocal({2008, 1, 1, 3, 0, 0}, -5, true);
    EXPECT_EQ(local.year, 2007);
    EXPECT_EQ(local.month, 12);
    EXPECT_EQ(local.day, 31);
    EXPECT_EQ(local.hour, 22);
}

// Offsets in seconds stay within an int for any offset: beyond the world's zones, the nearer of -12 and +14 h.
TEST(FixedZone, AnOffsetBeyondTheWorldsZonesIsTakenAsTheNearerEnd) {
    EXPECT_TRUE(SameTime(FixedZoneToLocal({2008, 1, 1, 0, 0, 0}, 596524, false), {2008, 1, 1, 14, 0, 0}));
    EXPECT_TRUE(SameTime(FixedZoneToLocal({2008, 1, 1, 0, 0, 0}, INT_MIN, false), {2007, 12, 31, 12, 0, 0}));
    const std::optional<std::vector<ZoneChange>> changes = ZoneChanges({false, INT_MAX, true}, NoHostZone, 2024, 2024);
    ASSERT_TRUE(changes && changes->size() == 3);
    EXPECT_EQ((*changes)[1].offsetBeforeSeconds, 14 * 3600);
    EXPECT_EQ((*changes)[1].offsetAfterSeconds, 15 * 3600);
}

}  // namespace
