// Sunrise, sunset and nightfall of one date at one place, as minutes of Universal Time after 0h UT of that date.
//
// A low-precision solar position (mean longitude, mean anomaly, equation of centre, nutation-corrected obliquity,
// equation of time) and a rise/set time refined in exactly two passes. Every constant and the order of every
// operation matter: the times are truncated to the minute, so a different last bit can show a different minute.
// Angles are degrees except inside the trigonometric functions; longitudes are west positive.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "calendar/gregorian.h"

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kJ2000 = 2451545.0;         // Julian Day of 1 January 2000, 12h UT
inline constexpr double kDaysPerCentury = 36525.0;  // Julian centuries
inline constexpr double kEarthRadiusMetres = 6377500.0;
inline constexpr double kSunriseZenithDegrees = 90.83333;  // refraction and the sun's radius, at elevation 0

// The sun's centre on the geometric horizon, and the depressions below it that the day's twilight times are counted
// from: dawn (alot hashachar) at 16.1 degrees, the earliest time for tallit and tefillin at 11.5, nightfall (three
// stars) at 8.5.
inline constexpr double kGeometricZenithDegrees = 90.0;
inline constexpr double kDawnDepressionDegrees = 16.1;
inline constexpr double kTallitDepressionDegrees = 11.5;
inline constexpr double kNightfallDepressionDegrees = 8.5;

// The zenith angle of the sun's centre at a depression below the geometric horizon: 8.5 degrees is 98.5.
constexpr double DepressionZenith(double depressionDegrees) {
    return kGeometricZenithDegrees + depressionDegrees;
}
inline constexpr double kNightfallZenithDegrees = DepressionZenith(kNightfallDepressionDegrees);
static_assert(kNightfallZenithDegrees == 98.5, "nightfall's zenith must stay exactly the one it always was");

// The events are computed for the dates of years 1 to 9999 only: the solar position is a low-precision series
// meant for a few thousand years around 2000, and far from them it gives times that mean nothing (a proportional
// hour of 670715 minutes in the year -10000000).
inline constexpr int kFirstEventYear = 1;
inline constexpr int kLastEventYear = 9999;
inline constexpr double kFirstEventJulianDay = GregorianToDayNumber(1, 1, kFirstEventYear) - 0.5;   // 1721425.5
inline constexpr double kEndEventJulianDay = GregorianToDayNumber(1, 1, kLastEventYear + 1) - 0.5;  // 5373484.5

// The largest longitude the events are computed for: every longitude a stored packed angle can hold (2^31 / 100
// degrees). Beyond 180 degrees a longitude is taken as it is, four minutes of time per degree.
inline constexpr double kMaxEventLongitudeDegrees = 21474837.0;

// Julian Day of 0h UT of a Gregorian date: 1 January 2000 is 2451544.5, 21 June 2008 is 2454638.5. Any integers
// give a value, half a day before GregorianToDayNumber's for every date of the proleptic calendar; a month outside
// 1..12 counts on from the year (13 is January of the next year, 0 December of the one before).
double julianDay(int year, int month, int day);

// Julian centuries from J2000.0 and back.
double TimeArgument(double julianDayValue);
double JulianDayOfTimeArgument(double t);

// Subtracts 360 while the value truncated toward zero exceeds 360, then adds 360 while it is negative; so 360.5
// stays as it is. Any value: every finite one ends in [0, 361), not a number and the infinities come back as they
// are.
double ReduceMeanLongitude(double degrees);

struct SolarPosition {
    double declination;     // degrees
    double equationOfTime;  // minutes
};
// At T = 0.0846954 (21 June 2008): declination 23.4402 degrees, equation of time -1.752 minutes.
SolarPosition SolarPositionAt(double t);

// 90.83333 plus the dip of the horizon seen from elevationMetres; 91.8479 at 1000 m. Any value: a negative
// elevation or not a number counts as 0, and the angle grows toward 180.83333 with the height.
double SunriseZenith(double elevationMetres);

// The events, or nothing when the sun does not reach the zenith angle that day (polar day or night, a summer night
// too light for nightfall), the latitude is at or beyond a pole or not a number, the Julian Day is outside
// kFirstEventJulianDay..kEndEventJulianDay, or the longitude is beyond kMaxEventLongitudeDegrees or not a number.
std::optional<double> sunriseUt(double julianDayValue, double latitude, double longitude, double elevationMetres);
std::optional<double> sunsetUt(double julianDayValue, double latitude, double longitude, double elevationMetres);

// The morning and the evening moment the sun's centre stands depressionDegrees below the geometric horizon, by the
// same two passes as sunrise and sunset, with nothing as for them. No refraction and no dip of the horizon: a
// depression measures how dark the sky is, which the observer's height does not change, so the elevation takes no
// part. Dawn is MorningDepressionUt(..., kDawnDepressionDegrees): at 40:45 N 74:00 W on 21 June 2008 it is 455.48
// minutes, 7:35 UT (3:35 on New York's daylight clock).
std::optional<double> MorningDepressionUt(double julianDayValue,
                                          double latitude,
                                          double longitude,
                                          double depressionDegrees);
std::optional<double> EveningDepressionUt(double julianDayValue,
                                          double latitude,
                                          double longitude,
                                          double depressionDegrees);

// One event of every day at one place: the sun's centre at a zenith angle in the morning or in the evening, by the
// two passes of the functions above. What the days share (the cosine of the zenith, the cosine and the tangent of
// the latitude) is worked out once, when the event is made, so that a listing of many days does it once; On gives
// the very value sunriseUt, sunsetUt, MorningDepressionUt or EveningDepressionUt gives for the same arguments.
class DailySolarEvent {
  public:
    enum class Side { Morning, Evening };
    DailySolarEvent(double zenithDegrees, double latitude, double longitude, Side side);
    // The minutes of UT after julianDayValue (0h UT of a date), or nothing as for sunriseUt.
    std::optional<double> On(double julianDayValue) const;
    // The same for each of the dates, in their order: sooner than one by one for many dates, as several of them go
    // through the steps of the sun's position side by side.
    std::vector<std::optional<double>> On(const std::vector<double>& julianDayValues) const;

  private:
    template <std::size_t N>
    std::array<std::optional<double>, N> OnEach(const std::array<double, N>& julianDays) const;
    template <std::size_t N>
    std::array<std::optional<double>, N> Passes(const std::array<double, N>& t) const;

    double cosZenith_;
    double cosLatitude_;
    double tanLatitude_;
    double longitude_;
    bool insidePoles_;  // the latitude is a number short of either pole
    Side side_;
};

// EveningDepressionUt at kNightfallDepressionDegrees.
std::optional<double> nightfallUt(double julianDayValue, double latitude, double longitude);

// The sun's transit, its highest point of the day (solar noon): 720 + 4 * longitude minutes less the equation of
// time, taken at 0h UT of the date and again at that first estimate, as the events are. Every day has one, polar
// days and nights too; nothing only where the events have nothing whatever the sun does (the latitude, the date or
// the longitude). At 40:45 N 74:00 W on 21 June 2008 it is 1017.91 minutes, 16:57 UT.
std::optional<double> TransitUt(double julianDayValue, double latitude, double longitude);
