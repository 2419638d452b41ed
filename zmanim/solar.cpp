#include "zmanim/solar.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
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

// The remainder of degrees by 360, in [0, 360]: degrees - 360 k for a whole k, as std::fmod(degrees, 360.0) gives it
// with a turn added when negative, but without fmod's loop over the quotient's bits for the values the sun's series
// gives. Exact, except that a value in (-360, 0) gets its turn with one rounding (-1e-20 gives 360, as fmod's would).
// Below 2^52 the floor of the rounded quotient is the whole quotient or, for a value just under a multiple of 360,
// one more, which leaves a remainder in [-360, 0) that the turn puts right; each step is exact, 360 k and the value
// being multiples of the value's ulp.
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

// The sines of the mean anomaly and of its double, which both equations below use.
double SinAnomaly(double meanAnomaly) {
    return SinDegrees(meanAnomaly);
}
double SinTwiceAnomaly(double meanAnomaly) {
    return SinDegrees(2 * meanAnomaly);
}

// Equation of centre, C.
double EquationOfCentre(double t, double meanAnomaly, double sinAnomaly, double sinTwiceAnomaly) {
    return sinAnomaly * (1.914602 - t * (0.004817 + 0.000014 * t)) + sinTwiceAnomaly * (0.019993 - 0.000101 * t) +
           SinDegrees(3 * meanAnomaly) * 0.000289;
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
double EquationOfTime(double obliquity,
                      double meanLongitude,
                      double eccentricity,
                      double sinAnomaly,
                      double sinTwiceAnomaly) {
    const double half = std::tan(Radians(obliquity) / 2);
    const double y = half * half;
    const double e = eccentricity;
    const double radians = y * SinDegrees(2 * meanLongitude) - 2 * e * sinAnomaly +
                           4 * e * y * sinAnomaly * CosDegrees(2 * meanLongitude) -
                           0.5 * y * y * SinDegrees(4 * meanLongitude) - 1.25 * e * e * sinTwiceAnomaly;
    return 4 * Degrees(radians);
}

// Values that go through the same steps side by side, a lane each. Every step is taken for all the lanes before
// the next one, so that the processor works on the lanes' chains of sines and arcsines together instead of waiting
// out one chain at a time; a lane's values are those it has alone, to the last bit.
template <std::size_t N>
using Lanes = std::array<double, N>;

// step(first[i], rest[i]...) for each lane i.
template <typename Step, std::size_t N, typename... Rest>
Lanes<N> EachLane(const Step& step, const Lanes<N>& first, const Rest&... rest) {
    Lanes<N> result{};
    for (std::size_t i = 0; i < N; ++i) {
        result[i] = step(first[i], rest[i]...);
    }
    return result;
}

// SolarPositionAt of each lane.
template <std::size_t N>
struct SolarPositions {
    Lanes<N> declination;
    Lanes<N> equationOfTime;
};

template <std::size_t N>
SolarPositions<N> SolarPositionsAt(const Lanes<N>& t) {
    const Lanes<N> meanLongitude = EachLane(MeanLongitude, t);
    const Lanes<N> meanAnomaly = EachLane(MeanAnomaly, t);
    const Lanes<N> sinAnomaly = EachLane(SinAnomaly, meanAnomaly);
    const Lanes<N> sinTwiceAnomaly = EachLane(SinTwiceAnomaly, meanAnomaly);
    const Lanes<N> trueLongitude = EachLane([](double l0, double c) { return l0 + c; }, meanLongitude,
                                            EachLane(EquationOfCentre, t, meanAnomaly, sinAnomaly, sinTwiceAnomaly));
    const Lanes<N> node = EachLane(NodeLongitude, t);
    const Lanes<N> apparentLongitude = EachLane(ApparentLongitude, trueLongitude, node);
    const Lanes<N> obliquity = EachLane(CorrectedObliquity, EachLane(MeanObliquity, t), node);
    return {EachLane(Declination, obliquity, apparentLongitude),
            EachLane(EquationOfTime, obliquity, meanLongitude, EachLane(Eccentricity, t), sinAnomaly, sinTwiceAnomaly)};
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

// The dates and longitudes the events are computed for.
bool EventsComputed(double julianDayValue, double longitude) {
    return julianDayValue >= kFirstEventJulianDay && julianDayValue < kEndEventJulianDay &&
           std::fabs(longitude) <= kMaxEventLongitudeDegrees;
}

// First pass at 0h UT of the date, second at the time of the first estimate; no convergence test. pass(t) is one
// pass: the event's minutes of UT with the sun's position taken at time argument t, or nothing.
template <typename Pass>
std::optional<double> TwoPasses(double julianDayValue, double longitude, const Pass& pass) {
    if (!EventsComputed(julianDayValue, longitude)) {
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
    const SolarPositions<1> sun = SolarPositionsAt<1>({t});
    return {sun.declination[0], sun.equationOfTime[0]};
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
    return OnEach<1>({julianDayValue})[0];
}

std::vector<std::optional<double>> DailySolarEvent::On(const std::vector<double>& julianDayValues) const {
    constexpr std::size_t kLanes = 4;
    std::vector<std::optional<double>> minutes(julianDayValues.size());
    for (std::size_t start = 0; start < julianDayValues.size(); start += kLanes) {
        const std::size_t count = std::min(kLanes, julianDayValues.size() - start);
        Lanes<kLanes> julianDays;
        julianDays.fill(julianDayValues[start]);  // lanes past the last date repeat the first
        std::copy_n(julianDayValues.begin() + static_cast<std::ptrdiff_t>(start), count, julianDays.begin());
        const std::array<std::optional<double>, kLanes> lanes = OnEach(julianDays);
        std::copy_n(lanes.begin(), count, minutes.begin() + static_cast<std::ptrdiff_t>(start));
    }
    return minutes;
}

// The two passes for each lane: the first at 0h UT of the date, the second at the time of the first estimate; no
// convergence test.
template <std::size_t N>
std::array<std::optional<double>, N> DailySolarEvent::OnEach(const std::array<double, N>& julianDays) const {
    std::array<std::optional<double>, N> minutes{};
    // At a pole cos(latitude) vanishes, and the hour angle has no value.
    if (!insidePoles_) {
        return minutes;
    }
    const Lanes<N> t1 = EachLane(TimeArgument, julianDays);
    const std::array<std::optional<double>, N> first = Passes(t1);
    Lanes<N> t2 = t1;  // a lane whose first pass has nothing takes its second at t1, and keeps nothing
    for (std::size_t i = 0; i < N; ++i) {
        if (first[i]) {
            t2[i] = TimeArgument(JulianDayOfTimeArgument(t1[i]) + *first[i] / 1440);
        }
    }
    const std::array<std::optional<double>, N> second = Passes(t2);
    for (std::size_t i = 0; i < N; ++i) {
        if (EventsComputed(julianDays[i], longitude_) && first[i] && second[i] && std::isfinite(*second[i])) {
            minutes[i] = second[i];
        }
    }
    return minutes;
}

// One pass for each lane: the event's minutes of UT with the sun's position taken at time argument t, or nothing.
template <std::size_t N>
std::array<std::optional<double>, N> DailySolarEvent::Passes(const std::array<double, N>& t) const {
    const SolarPositions<N> sun = SolarPositionsAt(t);
    std::array<std::optional<double>, N> minutes{};
    for (std::size_t i = 0; i < N; ++i) {
        const std::optional<double> hourAngle = HourAngle(cosZenith_, cosLatitude_, tanLatitude_, sun.declination[i]);
        if (hourAngle) {
            const double signedHourAngle = side_ == Side::Morning ? *hourAngle : -*hourAngle;
            minutes[i] = 720 + 4 * (longitude_ - Degrees(signedHourAngle)) - sun.equationOfTime[i];
        }
    }
    return minutes;
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
