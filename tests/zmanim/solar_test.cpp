#include "zmanim/solar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

#include "calendar/gregorian.h"

namespace {

constexpr double kNewYorkLatitude = 40.75;  // 40 degrees 45 minutes north
constexpr double kNewYorkLongitude = 74.0;  // 74 degrees west, west positive

// The Julian Day of 0h UT is half a day before the noon that gives a civil day its day number (published values:
// 1 January 2000 is 2451544.5, 21 June 2008 is 2454638.5).
TEST(JulianDay, IsHalfADayBeforeTheDayNumberOnEveryDayFrom1900To2099) {
    int failures = 0;
    for (DayNumber n = kFirstSupportedDay; n <= kLastSupportedDay && failures < 5; ++n) {
        int day = 0, month = 0, year = 0;
        DayNumberToGregorian(n, day, month, year);
        if (julianDay(year, month, day) != n - 0.5) {
            ADD_FAILURE() << day << "." << month << "." << year;
            ++failures;
        }
    }
}

TEST(SolarPosition, IntermediateValuesOf21June2008) {
    const double t = TimeArgument(julianDay(2008, 6, 21));
    EXPECT_NEAR(t, 0.0846954, 5e-8);
    const SolarPosition sun = SolarPositionAt(t);
    EXPECT_NEAR(sun.equationOfTime, -1.752, 5e-4);
    EXPECT_NEAR(sun.declination, 23.4402, 5e-5);
}

TEST(SolarPosition, MeanLongitudeReduction) {
    const struct {
        const char* label;
        double in, out;
    } cases[] = {
        {"already in range", 123.25, 123.25},
        {"between 360 and 361 stays", 360.5, 360.5},
        {"just above 361 is reduced", 361.5, 1.5},
        {"several turns", 3 * 360.0 + 10.25, 10.25},
        {"negative gets whole turns added", -10.5, 349.5},
        {"far negative", -35720.0 + 0.5, 280.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_DOUBLE_EQ(ReduceMeanLongitude(c.in), c.out);
    }
}

TEST(SolarEvents, NewYorkAtTheSolstices) {
    const struct {
        const char* label;
        int year, month, day;
        double sunrise, sunset, nightfall;
    } cases[] = {
        {"21 June 2008, sunset on the next UT day", 2008, 6, 21, 564.9, 1470.9, 1521.5},
        {"21 December 2008", 2008, 12, 21, 736.9, 1291.9, 1337.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const double jd = julianDay(c.year, c.month, c.day);
        const std::optional<double> rise = sunriseUt(jd, kNewYorkLatitude, kNewYorkLongitude, 0);
        const std::optional<double> set = sunsetUt(jd, kNewYorkLatitude, kNewYorkLongitude, 0);
        const std::optional<double> night = nightfallUt(jd, kNewYorkLatitude, kNewYorkLongitude);
        ASSERT_TRUE(rise && set && night);
        EXPECT_NEAR(*rise, c.sunrise, 0.05);
        EXPECT_NEAR(*set, c.sunset, 0.05);
        EXPECT_NEAR(*night, c.nightfall, 0.05);
    }
}

TEST(SolarEvents, ZenithGrowsWithTheDipOfTheHorizon) {
    EXPECT_DOUBLE_EQ(SunriseZenith(0), 90.83333);
    EXPECT_NEAR(SunriseZenith(1000), 91.8479, 5e-5);
    // Below the surrounding terrain is read as on it: no square root of a negative, no lost sunrise.
    EXPECT_DOUBLE_EQ(SunriseZenith(-300), 90.83333);
}

TEST(SolarEvents, AHighPlaceSeesTheSunLonger) {
    const double jd = julianDay(2008, 6, 21);
    const double lowRise = *sunriseUt(jd, kNewYorkLatitude, kNewYorkLongitude, 0);
    const double highRise = *sunriseUt(jd, kNewYorkLatitude, kNewYorkLongitude, 1000);
    const double lowSet = *sunsetUt(jd, kNewYorkLatitude, kNewYorkLongitude, 0);
    const double highSet = *sunsetUt(jd, kNewYorkLatitude, kNewYorkLongitude, 1000);
    // About a degree more of dip at 40 degrees north in June is some 6 minutes at either end.
    EXPECT_GT(lowRise - highRise, 4.0);
    EXPECT_LT(lowRise - highRise, 9.0);
    EXPECT_GT(highSet - lowSet, 4.0);
    EXPECT_LT(highSet - lowSet, 9.0);
}

TEST(SolarEvents, DaysWithoutAnEventHaveNoValue) {
    const struct {
        const char* label;
        double latitude;
        int month, day;
        bool sunrise, sunset, nightfall;
    } cases[] = {
        {"polar night, 70N, 21 December", 70, 12, 21, false, false, true},
        {"midnight sun, 70N, 21 June", 70, 6, 21, false, false, false},
        {"midnight sun, 70S, 21 December", -70, 12, 21, false, false, false},
        {"white night, 60N, 21 June: sunrise but no nightfall", 60, 6, 21, true, true, false},
        {"nightfall returns, 60N, 21 September", 60, 9, 21, true, true, true},
        {"north pole, 21 March", 90, 3, 21, false, false, false},
        {"south pole, 21 June", -90, 6, 21, false, false, false},
        {"beyond the pole (an edited setting)", 95, 6, 21, false, false, false},
        {"not a number", std::nan(""), 6, 21, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const double jd = julianDay(2008, c.month, c.day);
        const std::optional<double> rise = sunriseUt(jd, c.latitude, 20, 0);
        const std::optional<double> set = sunsetUt(jd, c.latitude, 20, 0);
        const std::optional<double> night = nightfallUt(jd, c.latitude, 20);
        EXPECT_EQ(rise.has_value(), c.sunrise);
        EXPECT_EQ(set.has_value(), c.sunset);
        EXPECT_EQ(night.has_value(), c.nightfall);
        for (const std::optional<double>& event : {rise, set, night}) {
            if (event) {
                EXPECT_TRUE(std::isfinite(*event));
            }
        }
    }
}

// A second, independent way to the same times: the almanac's low-precision sun (mean longitude and anomaly
// linear in days from J2000, right ascension by atan2, equation of time as mean longitude minus right ascension),
// with the same zenith angles and the event time refined three times. Over 2008 the two agree within 0.08 minutes.
// The twilight times (dawn at 16.1 degrees, tallit at 11.5, nightfall at 8.5) are compared only where the sun sinks
// well past 16.1 degrees all year: near such a limit a hundredth of a degree of declination moves a time by minutes.
double
AlmanacEventMinutes(int year, int month, int day, double latitude, double westLongitude, double zenith, bool morning) {
    const double pi = std::acos(-1.0);
    const double rad = pi / 180;
    const double midnight = GregorianToDayNumber(day, month, year) - 0.5;  // Julian Day of 0h UT
    double minutes = 720;
    for (int pass = 0; pass < 3; ++pass) {
        const double n = midnight + minutes / 1440 - 2451545.0;
        const double meanLongitude = std::fmod(280.460 + 0.9856474 * n, 360.0);
        const double meanAnomaly = (357.528 + 0.9856003 * n) * rad;
        const double eclipticLongitude =
            (meanLongitude + 1.915 * std::sin(meanAnomaly) + 0.020 * std::sin(2 * meanAnomaly)) * rad;
        const double obliquity = (23.439 - 0.0000004 * n) * rad;
        const double declination = std::asin(std::sin(obliquity) * std::sin(eclipticLongitude));
        const double rightAscension =
            std::atan2(std::cos(obliquity) * std::sin(eclipticLongitude), std::cos(eclipticLongitude)) / rad;
        double difference = std::fmod(meanLongitude - rightAscension, 360.0);
        if (difference > 180) {
            difference -= 360;
        } else if (difference < -180) {
            difference += 360;
        }
        const double equationOfTime = 4 * difference;
        const double cosHourAngle = std::cos(zenith * rad) / (std::cos(latitude * rad) * std::cos(declination)) -
                                    std::tan(latitude * rad) * std::tan(declination);
        const double hourAngle = std::acos(cosHourAngle) / rad;
        minutes = 720 + 4 * westLongitude + (morning ? -4 : 4) * hourAngle - equationOfTime;
    }
    return minutes;
}

TEST(SolarEvents, AgreeWithASecondMethodWithinAQuarterMinute) {
    const struct {
        const char* label;
        double latitude, longitude;
        bool twilight;
    } places[] = {
        {"New York", 40.75, 74.0, true},           {"Jerusalem", 31.7667, -35.2167, true},
        {"Buenos Aires", -34.5833, 58.3667, true}, {"Honolulu", 21.3, 157.85, true},
        {"Equator at Greenwich", 0, 0, true},      {"Johannesburg", -26.13, -27.9, true},
        {"Moscow", 55.75, -37.6, false},           {"Anchorage, below the polar circle", 61.2, 149.9, false},
    };
    for (const auto& p : places) {
        SCOPED_TRACE(p.label);
        double worst = 0;
        for (DayNumber n = GregorianToDayNumber(1, 1, 2008); n <= GregorianToDayNumber(31, 12, 2008); n += 3) {
            int day = 0, month = 0, year = 0;
            DayNumberToGregorian(n, day, month, year);
            const double jd = julianDay(year, month, day);
            const auto almanac = [&](double zenith, bool morning) {
                return AlmanacEventMinutes(year, month, day, p.latitude, p.longitude, zenith, morning);
            };
            const double pairs[][2] = {
                {*sunriseUt(jd, p.latitude, p.longitude, 0), almanac(90.83333, true)},
                {*sunsetUt(jd, p.latitude, p.longitude, 0), almanac(90.83333, false)},
            };
            for (const auto& pair : pairs) {
                worst = std::fmax(worst, std::fabs(pair[0] - pair[1]));
            }
            if (!p.twilight) {
                continue;
            }
            const double twilightPairs[][2] = {
                {*MorningDepressionUt(jd, p.latitude, p.longitude, kDawnDepressionDegrees), almanac(106.1, true)},
                {*MorningDepressionUt(jd, p.latitude, p.longitude, kTallitDepressionDegrees), almanac(101.5, true)},
                {*EveningDepressionUt(jd, p.latitude, p.longitude, kDawnDepressionDegrees), almanac(106.1, false)},
                {*nightfallUt(jd, p.latitude, p.longitude), almanac(98.5, false)},
            };
            for (const auto& pair : twilightPairs) {
                worst = std::fmax(worst, std::fabs(pair[0] - pair[1]));
            }
        }
        EXPECT_LT(worst, 0.25);
    }
}

}  // namespace

// Many dates go through the sun's steps a few side by side: each must get what it gets alone, to the last bit,
// wherever it stands among the others (the last group is only partly full) and whatever they get (nothing on a
// polar day or night, or on a date outside the years computed).
TEST(DailySolarEvent, ManyDatesGetWhatEachGetsAlone) {
    using Side = DailySolarEvent::Side;
    const struct {
        const char* label;
        double latitude, longitude, zenith;
        Side side;
    } events[] = {
        {"sunset at New York", kNewYorkLatitude, kNewYorkLongitude, SunriseZenith(0), Side::Evening},
        {"nightfall at 69:40N, lost in light summer nights", 69.67, -18.93, kNightfallZenithDegrees, Side::Evening},
        {"dawn at 78:13N, polar days and nights", 78.22, -15.63, DepressionZenith(kDawnDepressionDegrees),
         Side::Morning},
    };
    // The first dates computed after two that are not, a date that is not a number, then every day of 2024:
    // 5 + 1 + 366 dates, not a whole number of groups.
    std::vector<double> dates;
    for (int i = -2; i < 3; ++i) {
        dates.push_back(kFirstEventJulianDay + i);
    }
    dates.push_back(std::nan(""));
    for (double jd = julianDay(2024, 1, 1); jd < julianDay(2025, 1, 1); ++jd) {
        dates.push_back(jd);
    }
    for (const auto& e : events) {
        SCOPED_TRACE(e.label);
        const DailySolarEvent event(e.zenith, e.latitude, e.longitude, e.side);
        const std::vector<std::optional<double>> many = event.On(dates);
        ASSERT_EQ(many.size(), dates.size());
        int withoutValue = 0;
        for (std::size_t i = 0; i < dates.size(); ++i) {
            const std::optional<double> alone = event.On(dates[i]);
            ASSERT_EQ(many[i].has_value(), alone.has_value()) << "date " << i;
            if (alone) {
                ASSERT_EQ(std::memcmp(&*many[i], &*alone, sizeof(double)), 0) << "date " << i;
            } else {
                ++withoutValue;
            }
        }
        EXPECT_GE(withoutValue, 3);  // the two dates before the years computed, and the one that is not a number
    }
}
