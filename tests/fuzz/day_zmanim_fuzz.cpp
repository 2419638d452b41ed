// The zmanim of any date at any place: every time shown is a clock time ("h:mm AM/PM") or the missing marker
// "--:--", a date outside the years of the solar series has no time at all, the proportional hour is a twelfth of a
// day or less, and the steps below dayZmanim keep their own rules for any value.
//
// Input: day, month, year (32-bit integers); latitude, longitude, elevation (doubles, any bits); zone: host flag,
// offset (32 bits), daylight-saving flag; then minutes (double) and a day number (32 bits) for toLocalClock, and an
// angle (double) for ReduceMeanLongitude. A last byte, when odd, folds the date into 1900..2099 and the place onto
// the globe.
#include <cmath>
#include <cstring>
#include <string>

#include "calendar/gregorian.h"
#include "tests/fuzz/fuzz_support.h"
#include "zmanim/day_zmanim.h"
#include "zmanim/solar.h"
#include "zmanim/zmanim_text.h"

namespace {

// A twelfth of the longest day the two passes can give: a full turn of hour angle, and the equation of time taken
// at two moments a day apart.
constexpr double kLongestProportionalHour = 121.0;

// The computer's zone stands in as two hours east of UT without daylight saving; like Windows it cannot convert an
// instant before 1601.
bool TwoHoursEast(const CivilTime& utc, CivilTime& local) {
    if (utc.year < 1601) {
        return false;
    }
    local = FixedZoneToLocal(utc, 2, false);
    return true;
}

// The mean-longitude rule as it always was, for values whose loop is short.
double ReduceByTurns(double degrees) {
    while (std::trunc(degrees) > 360) {
        degrees -= 360;
    }
    while (degrees < 0) {
        degrees += 360;
    }
    return degrees;
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SameZmanim(const DayZmanim& a, const DayZmanim& b) {
    return a.sunriseHour == b.sunriseHour && a.sunriseMinute == b.sunriseMinute && a.sunsetHour == b.sunsetHour &&
           a.sunsetMinute == b.sunsetMinute && a.nightfallHour == b.nightfallHour &&
           a.nightfallMinute == b.nightfallMinute && SameBits(a.proportionalHour, b.proportionalHour) &&
           a.hasSunrise == b.hasSunrise && a.hasSunset == b.hasSunset && a.hasNightfall == b.hasNightfall &&
           a.hasProportionalHour == b.hasProportionalHour;
}

void CheckTime(bool has, int hour, int minute, const std::string& label) {
    char text[16];
    const std::size_t length = FormatZmanTime(has, hour, minute, text, sizeof text);
    FUZZ_CHECK(length == std::strlen(text), label);
    if (!has) {
        FUZZ_CHECK(std::strcmp(text, "--:--") == 0, label + ": " + text);
        return;
    }
    FUZZ_CHECK(hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59,
               label + ": " + std::to_string(hour) + ":" + std::to_string(minute));
    // "h:mm AM" or "hh:mm PM", hours 1..12, and the hour it names is the one given.
    int shownHour = 0, shownMinute = 0;
    char half[3] = {};
    char extra = 0;
    const int fields = std::sscanf(text, "%d:%2d %2[AMP]%c", &shownHour, &shownMinute, half, &extra);
    const std::size_t colon =
        std::strchr(text, ':') == nullptr ? 0 : static_cast<std::size_t>(std::strchr(text, ':') - text);
    FUZZ_CHECK(fields == 3 && (colon == 1 || colon == 2) && length == colon + 6 && text[colon + 3] == ' ' &&
                   shownHour >= 1 && shownHour <= 12 && shownMinute == minute &&
                   (std::strcmp(half, "AM") == 0 || std::strcmp(half, "PM") == 0),
               label + ": " + text);
    FUZZ_CHECK((shownHour % 12) + (half[0] == 'P' ? 12 : 0) == hour, label + ": " + text);
}

void CheckDayZmanim(int day, int month, int year, const ZmanimPlace& place) {
    char placeText[96];
    std::snprintf(placeText, sizeof placeText, " at %.17g %.17g %.17g", place.latitude, place.longitude,
                  place.elevationMetres);
    const std::string label =
        std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year) + placeText;
    const DayZmanim z = dayZmanim(day, month, year, place, TwoHoursEast);
    CheckTime(z.hasSunrise, z.sunriseHour, z.sunriseMinute, label + " sunrise");
    CheckTime(z.hasSunset, z.sunsetHour, z.sunsetMinute, label + " sunset");
    CheckTime(z.hasNightfall, z.nightfallHour, z.nightfallMinute, label + " nightfall");

    const bool inYears = year >= kFirstEventYear && year <= kLastEventYear && month >= 1 && month <= 12 && day >= 1 &&
                         day <= DaysInGregorianMonth(month, year);
    const bool any = z.hasSunrise || z.hasSunset || z.hasNightfall || z.hasProportionalHour;
    FUZZ_CHECK(inYears || !any, label + ": times for a date outside the solar series");
    if (z.hasProportionalHour) {
        FUZZ_CHECK(std::isfinite(z.proportionalHour) && z.proportionalHour >= 0 &&
                       z.proportionalHour <= kLongestProportionalHour,
                   label + ": proportional hour " + std::to_string(z.proportionalHour));
    } else {
        FUZZ_CHECK(z.proportionalHour == 0, label);
    }
    // Nothing is kept between calls.
    const DayZmanim again = dayZmanim(day, month, year, place, TwoHoursEast);
    FUZZ_CHECK(SameZmanim(z, again), label + ": a second call differs");
}

void CheckJulianDay(int day, int month, int year) {
    const double jd = julianDay(year, month, day);
    const std::string label =
        "julianDay " + std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year);
    FUZZ_CHECK(std::isfinite(jd), label);
    if (month >= 1 && month <= 12 && day >= 1 && day <= DaysInGregorianMonth(month, year) && year >= -1000000 &&
        year <= 1000000) {
        FUZZ_CHECK(jd == GregorianToDayNumber(day, month, year) - 0.5, label + " is " + std::to_string(jd));
    }
}

void CheckMeanLongitude(double degrees) {
    char label[64];
    std::snprintf(label, sizeof label, "ReduceMeanLongitude(%.17g)", degrees);
    const double reduced = ReduceMeanLongitude(degrees);
    if (!std::isfinite(degrees)) {
        FUZZ_CHECK(SameBits(reduced, degrees), label);
        return;
    }
    FUZZ_CHECK(reduced >= 0 && reduced < 361, label);
    if (std::fabs(degrees) < 1e6) {
        FUZZ_CHECK(SameBits(reduced, ReduceByTurns(degrees)), label);
    }
}

void CheckLocalClock(double minutes, DayNumber day, const ZoneRule& zone) {
    char label[96];
    std::snprintf(label, sizeof label, "toLocalClock(%.17g, %d)", minutes, static_cast<int>(day));
    const std::optional<LocalClock> local = toLocalClock(minutes, day, zone, TwoHoursEast);
    if (local) {
        FUZZ_CHECK(std::isfinite(minutes) && local->hour >= 0 && local->hour <= 23 && local->minute >= 0 &&
                       local->minute <= 59,
                   label);
    }
    const UtClock clock = SplitUtMinutes(minutes);
    FUZZ_CHECK(clock.hour >= 0 && clock.hour <= 23 && clock.minute >= 0 && clock.minute <= 59 && clock.second >= 0 &&
                   clock.second <= 59,
               label);
}

double FoldDouble(double value, double limit) {
    return std::isfinite(value) ? std::fmod(value, limit) : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    int day = input.Int32();
    int month = input.Int32();
    int year = input.Int32();
    ZmanimPlace place{};
    place.latitude = input.Double();
    place.longitude = input.Double();
    place.elevationMetres = input.Double();
    place.zone.useHostZone = input.Flag();
    place.zone.offsetHours = input.Int32();
    place.zone.observesDst = input.Flag();
    const double minutes = input.Double();
    const DayNumber dayNumber = input.Int32();
    const double angle = input.Double();
    if (input.Flag()) {
        month = static_cast<int>(FoldInto(month, 1, 12));
        year = static_cast<int>(FoldInto(year, kFirstSupportedYear, kLastSupportedYear));
        day = static_cast<int>(FoldInto(day, 1, DaysInGregorianMonth(month, year)));
        place.latitude = FoldDouble(place.latitude, 90.0);
        place.longitude = FoldDouble(place.longitude, 180.0);
        place.elevationMetres = FoldDouble(place.elevationMetres, 9000.0);
        place.zone.offsetHours = static_cast<int>(FoldInto(place.zone.offsetHours, -12, 14));
    }
    CheckDayZmanim(day, month, year, place);
    CheckJulianDay(day, month, year);
    CheckMeanLongitude(angle);
    CheckLocalClock(minutes, dayNumber, place.zone);
    return 0;
}
