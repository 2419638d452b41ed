// The clock the zmanim are shown on, written once: the UT instant of an event of a date, its local time under a
// place's zone rule, and the changes of a zone's offset over a span of years. The zmanim page and its clipboard
// text, kestrelon-cli zmanim and the calendar file all read their times through here.
#pragma once

#include <optional>
#include <vector>

#include "calendar/gregorian.h"
#include "location/location.h"
#include "zmanim/host_zone.h"

// The computer's own zone: HostUtcToLocal of host_zone.h in the programs, a fixed rule of a test's.
using HostZoneConversion = bool (*)(const CivilTime& utc, CivilTime& local);

// A UT instant split into whole hours, minutes and seconds by truncation, never rounding: 564.897 minutes is
// 9:24:53. Meant for minutes in [0, 1440); the hour is never 24. Minutes outside are taken as the nearer end of
// that range, not a number as 0.
struct UtClock {
    int hour;
    int minute;
    int second;
};
UtClock SplitUtMinutes(double minutes);

// Seconds from 0h of day 0 of the day numbers to a civil time, and back: 1 January 1970 0h is 2440588 * 86400.
long long CivilTimeSeconds(const CivilTime& time);
CivilTime CivilTimeOfSeconds(long long seconds);

// The UT instant, in seconds as CivilTimeSeconds counts them, of an event minutesUt minutes after 0h UT of day,
// truncated to the second as SplitUtMinutes splits it. An event belongs to the date it is computed for wherever its
// minutes fall: New York's sunset of 21 June 2008 is 1470.9 minutes, 0:30:54 UT on 22 June, the evening of 21 June
// on the local clock. Nothing when the minutes are not a number, lie more than a million days away, or fall on a
// day outside kFirstDayNumber..kLastDayNumber.
std::optional<long long> EventInstant(double minutesUt, DayNumber day);

// An instant truncated to its minute: 9:24:53 is 9:24:00, 1 second before day 0 is 23:59:00 of the day before.
// The calendar file writes its times so, the same UT minutes as `kestrelon-cli zmanim --ut` gives.
long long WholeMinute(long long seconds);

// Local time of a UT instant in a fixed zone with the US daylight-saving rule of the year (2007 on: second Sunday
// of March to first Sunday of November; before: first Sunday of April to last Sunday of October; at 02:00).
// Any values give a defined time: fields beyond their ranges count on from the date (hour 25 is 1:00 the next
// day), the date is taken within the calendar (kFirstDayNumber..kLastDayNumber), and an offset beyond the zones
// of the world, kWestmostOffsetHours..kEastmostOffsetHours, is taken as the nearer end.
inline constexpr int kWestmostOffsetHours = -12;
inline constexpr int kEastmostOffsetHours = 14;
CivilTime FixedZoneToLocal(const CivilTime& utc, int offsetHours, bool observesDst);

// The local time of a UT instant (seconds as CivilTimeSeconds counts them) under a zone rule: the fixed offset and
// the US rule as FixedZoneToLocal keeps them, or the computer's zone through toHost. Nothing when the instant lies
// outside the calendar's days or toHost cannot convert it.
std::optional<CivilTime> LocalTimeOf(long long utcSeconds, const ZoneRule& zone, HostZoneConversion toHost);

struct LocalClock {
    int hour;  // 0..23
    int minute;
};

// The local clock time of minutesUt minutes of UT after 0h UT of day: the local time of its EventInstant, without
// the seconds. Nothing when EventInstant or LocalTimeOf has nothing.
std::optional<LocalClock> toLocalClock(double minutesUt,
                                       DayNumber day,
                                       const ZoneRule& zone,
                                       HostZoneConversion toHost);

// A change of a zone's offset from UTC. onset is the wall-clock time at which it happens, read with the offset
// before it (a spring change in New York is 02:00 of its day, from -5 h to -4 h).
struct ZoneChange {
    CivilTime onset;
    int offsetBeforeSeconds;
    int offsetAfterSeconds;
};

// The offsets a zone rule keeps from 0h UT two days before 1 January of fromYear to 0h UT two days after 31
// December of toYear: first the offset at the start (its onset the local time then, before and after the same),
// then every change in order. A fixed rule's changes come from the US rule as FixedZoneToLocal keeps it; the
// computer's zone is read through toHost once a day and each change narrowed down to the second. The years are
// taken within kFirstSupportedYear..kLastSupportedYear, a toYear before fromYear as fromYear. Nothing when toHost
// cannot convert an instant of the span or gives a local time a day or more from it.
std::optional<std::vector<ZoneChange>> ZoneChanges(const ZoneRule& zone,
                                                   HostZoneConversion toHost,
                                                   int fromYear,
                                                   int toYear);

// The local clock times of many instants under one zone rule, the same as LocalTimeOf gives them: for a fixed rule
// the offsets of its ZoneChanges over the years, found once and looked up for each instant within their span; the
// computer's zone, and an instant outside the span, through LocalTimeOf.
class SpanClock {
  public:
    SpanClock(const ZoneRule& zone, HostZoneConversion toHost, int fromYear, int toYear);
    std::optional<LocalClock> ClockOf(long long utcSeconds) const;

  private:
    struct Offset {
        long long from;  // the UT second the offset holds from
        int seconds;
    };
    ZoneRule zone_;
    HostZoneConversion toHost_;
    std::vector<Offset> offsets_;  // in order; empty for the computer's zone
    long long end_ = 0;            // the first second past the span
};
