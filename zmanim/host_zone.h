// The computer's own time zone: the one platform fact the zmanim need besides the clock.
#pragma once

struct CivilTime {
    int year;
    int month;  // 1..12
    int day;
    int hour;
    int minute;
    int second;
};

// Converts a UT instant to the computer's local time with its current zone rules (SystemTimeToTzSpecificLocalTime
// on Windows, the C library's local time, which honours TZ, elsewhere). False when the platform cannot convert it.
bool HostUtcToLocal(const CivilTime& utc, CivilTime& local);
