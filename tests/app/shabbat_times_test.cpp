#include "app/shabbat_times.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "location/location.h"
#include "location/place_rules.h"
#include "zmanim/local_time.h"

namespace {

constexpr int kMinutesPerDay = 1440;

// The places here have zones of their own: the computer's is never asked.
bool NoHostZone(const CivilTime&, CivilTime&) {
    return false;
}

int ClockMinutes(int hour, int minute) {
    return hour * 60 + minute;
}

// Every time of 1900-2099 read on the place's clock (a SpanClock of the whole span) is what the zmanim page shows for
// its day, by its rule: candles its sunset less the minutes, or its nightfall; havdalah its nightfall or its sunset
// plus the minutes; Tisha B'Av's beginning its sunset, a fast's end its nightfall, a minor fast's beginning (dawn)
// before its sunrise. And the times come in date and time order.
TEST(ShabbatTimes, EveryTimeIsTheZmanimPagesSunsetOrNightfallByItsRule) {
    const struct {
        const char* label;
        std::int32_t zip;
        Observance observance;
        ShabbatRules rules;
    } cases[] = {
        {"New York, Diaspora, 18 minutes and nightfall", 10001, Observance::Diaspora, {18, std::nullopt}},
        {"Anchorage, Israel, 40 minutes and 72 after sunset", 99501, Observance::Israel, {40, 72}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Location location;
        ASSERT_TRUE(ChooseCity(c.zip, location));
        const ZmanimPlace place = ZmanimPlaceOf(location);
        ASSERT_FALSE(place.zone.useHostZone);
        const std::vector<ShabbatTime> times =
            ShabbatTimes(kFirstSupportedDay, kLastSupportedDay, c.observance, place, c.rules);
        const SpanClock placeClock(place.zone, NoHostZone, kFirstSupportedYear, kLastSupportedYear);
        int checked = 0;
        int missing = 0;
        for (std::size_t i = 0; i < times.size(); ++i) {
            const ShabbatTime& time = times[i];
            int day = 0, month = 0, year = 0;
            DayNumberToGregorian(time.date, day, month, year);
            SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day));
            if (i > 0) {
                const ShabbatTime& before = times[i - 1];
                ASSERT_TRUE(before.date < time.date ||
                            (before.date == time.date &&
                             (!before.instant || !time.instant || *before.instant <= *time.instant)));
            }
            const DayZmanim page = dayZmanim(day, month, year, place, NoHostZone);
            if (!time.instant) {
                ++missing;
                continue;
            }
            const std::optional<LocalClock> local = placeClock.ClockOf(*time.instant);
            ASSERT_TRUE(local);
            const int clock = ClockMinutes(local->hour, local->minute);
            const int sunset = ClockMinutes(page.sunsetHour, page.sunsetMinute);
            const int nightfall = ClockMinutes(page.nightfallHour, page.nightfallMinute);
            int expected = -1;
            switch (time.moment) {
                case DayMoment::CandleLighting:
                    expected = sunset - c.rules.candleLightingMinutes;
                    break;
                case DayMoment::Havdalah:
                    expected =
                        c.rules.havdalahMinutesAfterSunset ? sunset + *c.rules.havdalahMinutesAfterSunset : nightfall;
                    break;
                case DayMoment::NightfallCandles:
                case DayMoment::Nightfall:
                    expected = nightfall;
                    break;
                case DayMoment::Sunset:
                    expected = sunset;
                    break;
                case DayMoment::Dawn:
                    EXPECT_LT(clock, ClockMinutes(page.sunriseHour, page.sunriseMinute));
                    expected = clock;
                    break;
            }
            EXPECT_EQ(clock, (expected + kMinutesPerDay) % kMinutesPerDay) << static_cast<int>(time.moment);
            ++checked;
        }
        std::printf("%s: %d times checked, %d that do not happen\n", c.label, checked, missing);
        EXPECT_GT(checked, 24000);
    }
}

}  // namespace
