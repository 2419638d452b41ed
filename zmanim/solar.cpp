#include "zmanim/solar.h"

#include <cmath>
#include <cstdint>

namespace {

double Radians(double degrees) {
    return degrees * kPi / 180.0;
}

double Degrees(double radians) {
    return radians * 180.0 / kPi;
}

double SinDegrees(double degrees) {
    return std::sin(Radians(degrees));
}

double CosDegrees(double degrees) {
    return std::cos(Radians(degrees));
}

double TanDegrees(double degrees) {
    return std::tan(Radians(degrees));
}

// degrees - 360 k for the whole k that puts it in [0, 360), as std::fmod(degrees, 360.0), taken up by a turn when
// negative, gives it, without fmod's loop over the quotient's bits for the values the sun's series gives. Exact,
// except that a value in (-360, 0) is raised by one rounded addition (-1e-20 gives 360, as fmod's would). Below 2^52
// the rounded quotient's floor is the whole quotient or, for a value just under a multiple of 360, one more, which
// leaves a remainder in [-360, 0) that a turn puts right; each step is exact, 360 k and the value being multiples
// of the value's ulp.
double RemainderOf360(double degrees) {
    constexpr double kExactBelow = 4503599627370496.0;  // 2^52
    const double r =
        std::fabs(degrees) < kExactBelow ? degrees - std::floor(degrees / 360) * 360 : std::fmod(degrees, 360.0);
    if (r < 0) {
        return r + 360;
    }
    return r == 0 ? 0.0 : r;  // fmod's -0 of a negative multiple of 360 is 0
}

// Geometric mean longitude of the sun, L0.
double MeanLongitude(double t) {
    return ReduceMeanLongitude(280.46646 + t * (36000.76983 + 0.0003032 * t));
}

// Mean anomaly of the sun, M, not reduced.
double MeanAnomaly(double t) {
    return 357.52911 + t * (35999.05029 - 0.0001537 * t);
}

// Eccentricity of the Earth's orbit.
double Eccentricity(double t) {
    return 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
}

// Equation of centre, C.
double EquationOfCentre(double t, double meanAnomaly) {
    return SinDegrees(meanAnomaly) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
           SinDegrees(2 * meanAnomaly) * (0.019993 - 0.000101 * t) + SinDegrees(3 * meanAnomaly) * 0.000289;
}

// Longitude of the ascending node of the moon's orbit, for the nutation terms.
double NodeLongitude(double t) {
    return 125.04 - 1934.136 * t;
}

// Apparent longitude, lambda: the true longitude corrected for nutation and aberration.
double ApparentLongitude(double trueLongitude, double node) {
    return trueLongitude - 0.00569 - 0.00478 * SinDegrees(node);
}

// Mean obliquity of the ecliptic, epsilon0.
double MeanObliquity(double t) {
    return 23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60;
}

// Obliquity corrected for nutation, epsilon.
double CorrectedObliquity(double meanObliquity, double node) {
    return meanObliquity + 0.00256 * CosDegrees(node);
}

double Declination(double obliquity, double apparentLongitude) {
    return Degrees(std::asin(SinDegrees(obliquity) * SinDegrees(apparentLongitude)));
}

// Equation of time in minutes.
double EquationOfTime(double obliquity, double meanLongitude, double eccentricity, double meanAnomaly) {
    const double half = std::tan(Radians(obliquity) / 2);
    const double y = half * half;
    const double e = eccentricity;
    const double radians = y * SinDegrees(2 * meanLongitude) - 2 * e * SinDegrees(meanAnomaly) +
                           4 * e * y * SinDegrees(meanAnomaly) * CosDegrees(2 * meanLongitude) -
                           0.5 * y * y * SinDegrees(4 * meanLongitude) - 1.25 * e * e * SinDegrees(2 * meanAnomaly);
    return 4 * Degrees(radians);
}

// Hour angle of the event in radians, or nothing when the sun never reaches the zenith angle (the cosine falls
// outside [-1, 1]). The zenith and the latitude come as the cosines and the tangent the days share.
std::optional<double> HourAngle(double cosZenith, double cosLatitude, double tanLatitude, double declination) {
    const double cosine = cosZenith / (cosLatitude * CosDegrees(declination)) - tanLatitude * TanDegrees(declination);
    if (!(cosine >= -1.0 && cosine <= 1.0)) {
        return std::nullopt;
    }
    return std::acos(cosine);
}

// One pass of the transit, where the hour angle is 0.
double TransitMinutes(double t, double longitude) {
    return 720 + 4 * longitude - SolarPositionAt(t).equationOfTime;
}

// First pass at 0h UT of the date, second at the time of the first estimate; no convergence test. pass(t) is one
// pass: the event's minutes of UT with the sun's position taken at time argument t, or nothing.
template <typename Pass>
std::optional<double> TwoPasses(double julianDayValue, double longitude, const Pass& pass) {
    if (!(julianDayValue >= kFirstEventJulianDay && julianDayValue < kEndEventJulianDay &&
          std::fabs(longitude) <= kMaxEventLongitudeDegrees)) {
        return std::nullopt;
    }
    const double t1 = TimeArgument(julianDayValue);
    const std::optional<double> first = pass(t1);
    if (!first) {
        return std::nullopt;
    }
    const double t2 = TimeArgument(JulianDayOfTimeArgument(t1) + *first / 1440);
    const std::optional<double> second = pass(t2);
    if (!second || !std::isfinite(*second)) {
        return std::nullopt;
    }
    return second;
}

}  // namespace

double julianDay(int year, int month, int day) {
    // In 64 bits, so that no year, month or day overflows; the values are the same as in int where int suffices.
    std::int64_t y = year;
    std::int64_t m = month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    const double a = std::floor(static_cast<double>(y) / 100.0);
    const double b = 2 - a + std::floor(a / 4.0);
    return std::floor(365.25 * static_cast<double>(y + 4716)) + std::floor(30.6001 * static_cast<double>(m + 1)) + day +
           b - 1524.5;
}

double TimeArgument(double julianDayValue) {
    return (julianDayValue - kJ2000) / kDaysPerCentury;
}

double JulianDayOfTimeArgument(double t) {
    return t * kDaysPerCentury + kJ2000;
}

double ReduceMeanLongitude(double degrees) {
    if (!std::isfinite(degrees)) {
        return degrees;
    }
    // Each step of the rule is exact while the value's ulp is at most 8 (below 2^56), 360 being a multiple of 8, so
    // the rule ends on the exact remainder by 360: std::fmod computes it exactly and at once, where the loop would
    // need up to 2^48 steps, or never end once a step of 360 no longer changes the value. Above 361 the rule stops
    // within [1, 361); a negative value it raises into [0, 360].
    if (std::trunc(degrees) > 360) {
        const double r = RemainderOf360(degrees);  // [0, 360), exactly degrees - 360 k
        return r < 1 ? r + 360 : r;                // exact: r + 360 is a multiple of the ulp of degrees
    }
    if (degrees < 0) {
        return RemainderOf360(degrees);  // the rule's last step with its rounding; -360 + 360 is +0
    }
    return degrees;
}

SolarPosition SolarPositionAt(double t) {
    const double meanLongitude = MeanLongitude(t);
    const double meanAnomaly = MeanAnomaly(t);
    const double eccentricity = Eccentricity(t);
    const double trueLongitude = meanLongitude + EquationOfCentre(t, meanAnomaly);
    const double node = NodeLongitude(t);
    const double apparentLongitude = ApparentLongitude(trueLongitude, node);
    const double obliquity = CorrectedObliquity(MeanObliquity(t), node);
    return {Declination(obliquity, apparentLongitude),
            EquationOfTime(obliquity, meanLongitude, eccentricity, meanAnomaly)};
}

double SunriseZenith(double elevationMetres) {
    const double h = elevationMetres > 0 ? elevationMetres : 0.0;
    return kSunriseZenithDegrees + Degrees(std::acos(kEarthRadiusMetres / (kEarthRadiusMetres + h)));
}

DailySolarEvent::DailySolarEvent(double zenithDegrees, double latitude, double longitude, Side side)
    : cosZenith_(CosDegrees(zenithDegrees)),
      cosLatitude_(CosDegrees(latitude)),
      tanLatitude_(TanDegrees(latitude)),
      longitude_(longitude),
      insidePoles_(std::fabs(latitude) < 90.0),
      side_(side) {}

std::optional<double> DailySolarEvent::On(double julianDayValue) const {
    // At a pole cos(latitude) vanishes, and the hour angle has no value.
    if (!insidePoles_) {
        return std::nullopt;
    }
    return TwoPasses(julianDayValue, longitude_, [this](double t) { return Pass(t); });
}

// One pass: the event's minutes of UT with the sun's position taken at time argument t, or nothing.
std::optional<double> DailySolarEvent::Pass(double t) const {
    const SolarPosition sun = SolarPositionAt(t);
    const std::optional<double> hourAngle = HourAngle(cosZenith_, cosLatitude_, tanLatitude_, sun.declination);
    if (!hourAngle) {
        return std::nullopt;
    }
    const double signedHourAngle = side_ == Side::Morning ? *hourAngle : -*hourAngle;
    return 720 + 4 * (longitude_ - Degrees(signedHourAngle)) - sun.equationOfTime;
}

std::optional<double> sunriseUt(double julianDayValue, double latitude, double longitude, double elevationMetres) {
    return DailySolarEvent(SunriseZenith(elevationMetres), latitude, longitude, DailySolarEvent::Side::Morning)
        .On(julianDayValue);
}

std::optional<double> sunsetUt(double julianDayValue, double latitude, double longitude, double elevationMetres) {
    return DailySolarEvent(SunriseZenith(elevationMetres), latitude, longitude, DailySolarEvent::Side::Evening)
        .On(julianDayValue);
}

std::optional<double> MorningDepressionUt(double julianDayValue,
                                          double latitude,
                                          double longitude,
                                          double depressionDegrees) {
    return DailySolarEvent(DepressionZenith(depressionDegrees), latitude, longitude, DailySolarEvent::Side::Morning)
        .On(julianDayValue);
}

std::optional<double> EveningDepressionUt(double julianDayValue,
                                          double latitude,
                                          double longitude,
                                          double depressionDegrees) {
    return DailySolarEvent(DepressionZenith(depressionDegrees), latitude, longitude, DailySolarEvent::Side::Evening)
        .On(julianDayValue);
}

std::optional<double> nightfallUt(double julianDayValue, double latitude, double longitude) {
    return EveningDepressionUt(julianDayValue, latitude, longitude, kNightfallDepressionDegrees);
}

std::optional<double> TransitUt(double julianDayValue, double latitude, double longitude) {
    if (!(std::fabs(latitude) < 90.0)) {
        return std::nullopt;
    }
    return TwoPasses(julianDayValue, longitude,
                     [&](double t) { return std::optional<double>(TransitMinutes(t, longitude)); });
}
