#include "zmanim/local_time.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr long long kSecondsPerDay = 86400;
constexpr long long kSecondsPerHour = 3600;
constexpr double kFarthestCarriedDays = 1e6;

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
    return static_cast<long long>(day) * kSecondsPerDay + hour * kSecondsPerHour + minute * 60LL + second;
}

// The US rule's two changes of a year, both at 02:00 on the local clock: daylight time begins at 02:00 standard
// time and ends at 02:00 daylight time. From 2007 on the second Sunday of March to the first Sunday of November;
// before, the first Sunday of April to the last Sunday of October. In 2024: 10 March and 3 November.
struct DaylightSpan {
    long long beginsStandardSeconds;  // local standard time, as CivilTimeSeconds counts it
    long long endsDaylightSeconds;    // local daylight time
};

DaylightSpan UsDaylightSpan(int ruleYear, int year) {
    const bool since2007 = ruleYear >= 2007;
    const int startMonth = since2007 ? 3 : 4;
    const int endMonth = since2007 ? 11 : 10;
    const Occurrence startSunday = since2007 ? Occurrence::Second : Occurrence::First;
    const Occurrence endSunday = since2007 ? Occurrence::First : Occurrence::Last;
    const DayNumber begins = GregorianToDayNumber(SundayOfMonth(startMonth, year, startSunday), startMonth, year);
    const DayNumber ends = GregorianToDayNumber(SundayOfMonth(endMonth, year, endSunday), endMonth, year);
    return {SecondsOf(begins, 2, 0, 0), SecondsOf(ends, 2, 0, 0)};
}

// Daylight time holds when local standard time is at or after 02:00 standard time of the first day and one hour
// later is before 02:00 daylight time of the last day, both in the year of the standard time; the rule is the
// one of the UT year.
bool InDaylightTime(long long standardSeconds, int utcYear) {
    const DaylightSpan span = UsDaylightSpan(utcYear, CivilTimeOfSeconds(standardSeconds).year);
    return standardSeconds >= span.beginsStandardSeconds &&
           standardSeconds + kSecondsPerHour < span.endsDaylightSeconds;
}

int BoundedOffsetHours(int offsetHours) {
    return std::clamp(offsetHours, kWestmostOffsetHours, kEastmostOffsetHours);
}

// The span of ZoneChanges in UT seconds: whole days, two before and two after the years.
struct Span {
    long long start;
    long long end;
};

Span SpanOfYears(int fromYear, int toYear) {
    const int first = std::clamp(fromYear, kFirstSupportedYear, kLastSupportedYear);
    const int last = std::clamp(toYear, first, kLastSupportedYear);
    return {(GregorianToDayNumber(1, 1, first) - 2) * kSecondsPerDay,
            (GregorianToDayNumber(31, 12, last) + 2) * kSecondsPerDay};
}

// A fixed rule's changes, from the US rule of each year the span touches. A change at UT second t (the first
// second of the new offset) is listed when start < t <= end, as the computer's zone finds them.
std::vector<ZoneChange> FixedZoneChanges(const ZoneRule& zone, Span span) {
    const int standard = BoundedOffsetHours(zone.offsetHours) * static_cast<int>(kSecondsPerHour);
    const int daylight = standard + static_cast<int>(kSecondsPerHour);
    const long long startStandard = span.start + standard;
    const bool startsInDaylight =
        zone.observesDst && InDaylightTime(startStandard, CivilTimeOfSeconds(span.start).year);
    const int startOffset = startsInDaylight ? daylight : standard;
    std::vector<ZoneChange> changes{{CivilTimeOfSeconds(span.start + startOffset), startOffset, startOffset}};
    if (!zone.observesDst) {
        return changes;
    }
    const int firstYear = CivilTimeOfSeconds(span.start).year;
    const int lastYear = CivilTimeOfSeconds(span.end).year;
    for (int year = firstYear; year <= lastYear; ++year) {
        const DaylightSpan daylightSpan = UsDaylightSpan(year, year);
        const struct {
            long long onsetLocal;
            int before;
            int after;
        } both[] = {{daylightSpan.beginsStandardSeconds, standard, daylight},
                    {daylightSpan.endsDaylightSeconds, daylight, standard}};
        for (const auto& change : both) {
            const long long instant = change.onsetLocal - change.before;
            if (instant > span.start && instant <= span.end) {
                changes.push_back({CivilTimeOfSeconds(change.onsetLocal), change.before, change.after});
            }
        }
    }
    return changes;
}

// The computer's offset at a UT instant; nothing when it cannot convert it or puts it a day or more away.
std::optional<int> HostOffsetAt(long long utcSeconds, HostZoneConversion toHost) {
    CivilTime local{};
    if (!toHost(CivilTimeOfSeconds(utcSeconds), local)) {
        return std::nullopt;
    }
    const long long offset = CivilTimeSeconds(local) - utcSeconds;
    if (offset <= -kSecondsPerDay || offset >= kSecondsPerDay) {
        return std::nullopt;
    }
    return static_cast<int>(offset);
}

// The computer's changes, found by reading its offset once a day and narrowing each change down to the second.
std::optional<std::vector<ZoneChange>> HostZoneChanges(HostZoneConversion toHost, Span span) {
    std::optional<int> offset = HostOffsetAt(span.start, toHost);
    if (!offset) {
        return std::nullopt;
    }
    std::vector<ZoneChange> changes{{CivilTimeOfSeconds(span.start + *offset), *offset, *offset}};
    for (long long t = span.start; t < span.end; t += kSecondsPerDay) {
        const std::optional<int> next = HostOffsetAt(t + kSecondsPerDay, toHost);
        if (!next) {
            return std::nullopt;
        }
        if (*next == *offset) {
            continue;
        }
        // The offset is *offset at low and *next at high; one change lies between.
        long long low = t;
        long long high = t + kSecondsPerDay;
        while (high - low > 1) {
            const long long middle = low + (high - low) / 2;
            const std::optional<int> there = HostOffsetAt(middle, toHost);
            if (!there) {
                return std::nullopt;
            }
            (*there == *offset ? low : high) = middle;
        }
        changes.push_back({CivilTimeOfSeconds(high + *offset), *offset, *next});
        offset = next;
    }
    return changes;
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
    time.hour = static_cast<int>(rest / kSecondsPerHour);
    time.minute = static_cast<int>(rest / 60 % 60);
    time.second = static_cast<int>(rest % 60);
    return time;
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

std::optional<long long> EventInstant(double minutesUt, DayNumber day) {
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
        if (std::fabs(days) > kFarthestCarriedDays) {
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
    return SecondsOf(static_cast<DayNumber>(utDay), clock.hour, clock.minute, clock.second);
}

long long WholeMinute(long long seconds) {
    const long long rest = seconds % 60;
    return seconds - (rest < 0 ? rest + 60 : rest);
}

CivilTime FixedZoneToLocal(const CivilTime& utc, int offsetHours, bool observesDst) {
    const long long standard = CivilTimeSeconds(utc) + BoundedOffsetHours(offsetHours) * kSecondsPerHour;
    const bool daylight = observesDst && InDaylightTime(standard, utc.year);
    return CivilTimeOfSeconds(daylight ? standard + kSecondsPerHour : standard);
}

std::optional<CivilTime> LocalTimeOf(long long utcSeconds, const ZoneRule& zone, HostZoneConversion toHost) {
    if (utcSeconds < kFirstDayNumber * kSecondsPerDay || utcSeconds >= (kLastDayNumber + 1LL) * kSecondsPerDay) {
        return std::nullopt;
    }
    const CivilTime universal = CivilTimeOfSeconds(utcSeconds);
    if (!zone.useHostZone) {
        return FixedZoneToLocal(universal, zone.offsetHours, zone.observesDst);
    }
    CivilTime local{};
    if (!toHost(universal, local)) {
        return std::nullopt;
    }
    return local;
}

std::optional<LocalClock> toLocalClock(double minutesUt,
                                       DayNumber day,
                                       const ZoneRule& zone,
                                       HostZoneConversion toHost) {
    const std::optional<long long> instant = EventInstant(minutesUt, day);
    if (!instant) {
        return std::nullopt;
    }
    const std::optional<CivilTime> local = LocalTimeOf(*instant, zone, toHost);
    if (!local) {
        return std::nullopt;
    }
    return LocalClock{local->hour, local->minute};
}

std::optional<std::vector<ZoneChange>> ZoneChanges(const ZoneRule& zone,
                                                   HostZoneConversion toHost,
                                                   int fromYear,
                                                   int toYear) {
    const Span span = SpanOfYears(fromYear, toYear);
    if (zone.useHostZone) {
        return HostZoneChanges(toHost, span);
    }
    return FixedZoneChanges(zone, span);
}

SpanClock::SpanClock(const ZoneRule& zone, HostZoneConversion toHost, int fromYear, int toYear)
    : zone_(zone), toHost_(toHost) {
    if (zone.useHostZone) {
        return;
    }
    const Span span = SpanOfYears(fromYear, toYear);
    end_ = span.end;
    for (const ZoneChange& change : FixedZoneChanges(zone, span)) {
        const long long from =
            offsets_.empty() ? span.start : CivilTimeSeconds(change.onset) - change.offsetBeforeSeconds;
        offsets_.push_back({from, change.offsetAfterSeconds});
    }
}

std::optional<LocalClock> SpanClock::ClockOf(long long utcSeconds) const {
    if (offsets_.empty() || utcSeconds < offsets_.front().from || utcSeconds >= end_) {
        const std::optional<CivilTime> local = LocalTimeOf(utcSeconds, zone_, toHost_);
        if (!local) {
            return std::nullopt;
        }
        return LocalClock{local->hour, local->minute};
    }
    // The last offset that holds from a second at or before the instant.
    const auto after = std::upper_bound(offsets_.begin(), offsets_.end(), utcSeconds,
                                        [](long long t, const Offset& offset) { return t < offset.from; });
    long long secondOfDay = (utcSeconds + (after - 1)->seconds) % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
    }
    return LocalClock{static_cast<int>(secondOfDay / kSecondsPerHour), static_cast<int>(secondOfDay / 60 % 60)};
}
