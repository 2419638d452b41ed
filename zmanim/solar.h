// Sunrise, sunset and nightfall of one date at one place, as minutes of Universal Time after 0h UT of that date.
//
// A low-precision solar position (mean longitude, mean anomaly, equation of centre, nutation-corrected obliquity,
// equation of time) and a rise/set time refined in exactly two passes. Every constant and the order of every
// operation matter: the times are truncated to the minute, so a different last bit can show a different minute.
// Angles are degrees except inside the trigonometric functions; longitudes are west positive.
#pragma once

#include <optional>

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kJ2000 = 2451545.0;         // Julian Day of 1 January 2000, 12h UT
inline constexpr double kDaysPerCentury = 36525.0;  // Julian centuries
inline constexpr double kEarthRadiusMetres = 6377500.0;
inline constexpr double kSunriseZenithDegrees = 90.83333;  // refraction and the sun's radius, at elevation 0
inline constexpr double kNightfallZenithDegrees = 98.5;    // the sun's centre 8.5 degrees below the horizon

// Julian Day of 0h UT of a Gregorian date: 1 January 2000 is 2451544.5, 21 June 2008 is 2454638.5.
double julianDay(int year, int month, int day);

// Julian centuries from J2000.0 and back.
double TimeArgument(double julianDayValue);
double JulianDayOfTimeArgument(double t);

// Subtracts 360 while the value truncated toward zero exceeds 360, then adds 360 while it is negative; so 360.5
// stays as it is.
double ReduceMeanLongitude(double degrees);

struct SolarPosition {
    double declination;     // degrees
    double equationOfTime;  // minutes
};
// At T = 0.0846954 (21 June 2008): declination 23.4402 degrees, equation of time -1.752 minutes.
SolarPosition SolarPositionAt(double t);

// 90.83333 plus the dip of the horizon seen from elevationMetres; 91.8479 at 1000 m. A negative elevation counts
// as 0.
double SunriseZenith(double elevationMetres);

// The events, or nothing when the sun does not reach the zenith angle that day (polar day or night, a summer night
// too light for nightfall) or the latitude is at or beyond a pole.
std::optional<double> sunriseUt(double julianDayValue, double latitude, double longitude, double elevationMetres);
std::optional<double> sunsetUt(double julianDayValue, double latitude, double longitude, double elevationMetres);
std::optional<double> nightfallUt(double julianDayValue, double latitude, double longitude);
