#include "zmanim/day_zmanim.h"

#include <cmath>
#include <cstdint>

#include "zmanim/solar.h"

namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr long long kSecondsPerDay = 86400;

enum class Occurrence { First = 1, Second = 2, Last = 5 };

// Day of the month of a Sunday: the first or second of the month, or the last.
int SundayOfMonth(int month, int year, Occurrence occurrence) {
    if (occurrence == Occurrence::Last) {
        const int lastDay = DaysInGregorianMonth(month, year);
        return lastDay - GregorianWeekday(lastDay, month, year);
    }
    const int firstSunday = 1 + (7 - FirstWeekdayOfGregorianMonth(month, year)) % 7;
    return firstSunday + 7 * (static_cast<int>(occurrence) - 1);
}

long long SecondsOf(DayNumber day, int hour, int minute, int second) {
    return static_cast<long long>(day) * kSecondsPerDay + hour * 3600LL + minute * 60LL + second;
}

struct DaylightRule {
    int startMonth;
    Occurrence startSunday;
    int endMonth;
    Occurrence endSunday;
};

// The US rule in force in a year: from 2007 on, and before.
DaylightRule UsDaylightRule(int year) {
    if (year >= 2007) {
        return {3, Occurrence::Second, 11, Occurrence::First};
    }
    return {4, Occurrence::First, 10, Occurrence::Last};
}

// Daylight time holds when local standard time is at or after 02:00 standard time of the first day and one hour
// later is before 02:00 daylight time of the last day, both in the year of the standard time.
bool InDaylightTime(long long standardSeconds, const DaylightRule& rule) {
    const CivilTime standard = CivilTimeOfSeconds(standardSeconds);
    const int year = standard.year;
    const long long begins = SecondsOf(
        GregorianToDayNumber(SundayOfMonth(rule.startMonth, year, rule.startSunday), rule.startMonth, year), 2, 0, 0);
    const long long ends = SecondsOf(
        GregorianToDayNumber(SundayOfMonth(rule.endMonth, year, rule.endSunday), rule.endMonth, year), 2, 0, 0);
    return standardSeconds >= begins && standardSeconds + 3600 < ends;
}

}  // namespace

long long CivilTimeSeconds(const CivilTime& time) {
    return SecondsOf(GregorianToDayNumber(time.day, time.month, time.year), time.hour, time.minute, time.second);
}

CivilTime CivilTimeOfSeconds(long long seconds) {
    long long days = seconds / kSecondsPerDay;
    long long rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    CivilTime time{};
    DayNumberToGregorian(static_cast<DayNumber>(days), time.day, time.month, time.year);
    time.hour = static_cast<int>(rest / 3600);
    time.minute = static_cast<int>(rest / 60 % 60);
    time.second = static_cast<int>(rest % 60);
    return time;
}

ZmanimPlace ZmanimPlaceOf(const Location& location) {
    return {location.latitudeDegrees(), location.longitudeDegrees(), location.elevationMetres(), location.zoneRule()};
}

UtClock SplitUtMinutes(double minutes) {
    // Kept within [0, 1440) first, so that the conversions to int are defined for any value.
    if (!(minutes >= 0)) {
        minutes = 0;
    } else if (minutes >= kMinutesPerDay) {
        minutes = std::nextafter(kMinutesPerDay, 0.0);
    }
    // The hour and minute both come from the whole minutes, so a value a hair below 1440 cannot make hour 24 (as
    // minutes / 60 might round up to 24.0).
    const int wholeMinutes = static_cast<int>(std::trunc(minutes));
    int second = static_cast<int>(std::trunc(minutes * 60)) - wholeMinutes * 60;
    if (second < 0) {
        second = 0;
    } else if (second > 59) {
        second = 59;
    }
    return {wholeMinutes / 60, wholeMinutes % 60, second};
}

CivilTime FixedZoneToLocal(const CivilTime& utc, int offsetHours, bool observesDst) {
    const long long universal = CivilTimeSeconds(utc);
    const long long standard = universal + offsetHours * 3600LL;
    const bool daylight = observesDst && InDaylightTime(standard, UsDaylightRule(utc.year));
    return CivilTimeOfSeconds(daylight ? standard + 3600 : standard);
}

std::optional<LocalClock> toLocalClock(double minutesUt,
                                       DayNumber day,
                                       const ZoneRule& zone,
                                       HostZoneConversion toHost) {
    if (!std::isfinite(minutesUt)) {
        return std::nullopt;
    }
    // Once, as the events of one date lie within a day of it. A value still outside the day (possible only for
    // a longitude beyond 180 degrees) is carried over by whole days rather than read as an hour past 23. The day
    // is counted in 64 bits and must stay a day of the calendar.
    double m = minutesUt;
    std::int64_t utDay = day;
    if (m >= kMinutesPerDay) {
        m -= kMinutesPerDay;
        utDay += 1;
    } else if (m < 0) {
        m += kMinutesPerDay;
        utDay -= 1;
    }
    if (m < 0 || m >= kMinutesPerDay) {
        const double days = std::floor(m / kMinutesPerDay);
        if (std::fabs(days) > 1e6) {
            return std::nullopt;
        }
        m -= days * kMinutesPerDay;
        utDay += static_cast<std::int64_t>(days);
        if (m >= kMinutesPerDay) {
            m = std::nextafter(kMinutesPerDay, 0.0);
        }
    }
    if (utDay < kFirstDayNumber || utDay > kLastDayNumber) {
        return std::nullopt;
    }
    const UtClock clock = SplitUtMinutes(m);
    CivilTime universal{};
    DayNumberToGregorian(static_cast<DayNumber>(utDay), universal.day, universal.month, universal.year);
    universal.hour = clock.hour;
    universal.minute = clock.minute;
    universal.second = clock.second;

    CivilTime local{};
    if (zone.useHostZone) {
        if (!toHost(universal, local)) {
            return std::nullopt;
        }
    } else {
        local = FixedZoneToLocal(universal, zone.offsetHours, zone.observesDst);
    }
    return LocalClock{local.hour, local.minute};
}

DayZmanim dayZmanim(int day, int month, int year, const ZmanimPlace& place, HostZoneConversion toHost) {
    if (year < kFirstEventYear || year > kLastEventYear || month < 1 || month > 12 || day < 1 ||
        day > DaysInGregorianMonth(month, year)) {
        return DayZmanim{};
    }
    const double jd = julianDay(year, month, day);
    const std::optional<double> rise = sunriseUt(jd, place.latitude, place.longitude, place.elevationMetres);
    const std::optional<double> set = sunsetUt(jd, place.latitude, place.longitude, place.elevationMetres);
    const std::optional<double> night = nightfallUt(jd, place.latitude, place.longitude);
    const DayNumber dayNumber = GregorianToDayNumber(day, month, year);

    DayZmanim z;
    if (rise) {
        if (const std::optional<LocalClock> local = toLocalClock(*rise, dayNumber, place.zone, toHost)) {
            z.hasSunrise = true;
            z.sunriseHour = local->hour;
            z.sunriseMinute = local->minute;
        }
    }
    if (set) {
        if (const std::optional<LocalClock> local = toLocalClock(*set, dayNumber, place.zone, toHost)) {
            z.hasSunset = true;
            z.sunsetHour = local->hour;
            z.sunsetMinute = local->minute;
        }
    }
    if (night) {
        if (const std::optional<LocalClock> local = toLocalClock(*night, dayNumber, place.zone, toHost)) {
            z.hasNightfall = true;
            z.nightfallHour = local->hour;
            z.nightfallMinute = local->minute;
        }
    }
    if (rise && set) {
        z.hasProportionalHour = true;
        z.proportionalHour = std::fabs(*set - *rise) / 12;
    }
    return z;
}
