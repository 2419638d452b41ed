// The computer's local date and time: the one way the core learns what day it is.
#pragma once

struct LocalDateTime {
    int year;
    int month;  // 1..12
    int day;    // 1..31
    int hour;
    int minute;
    int second;
};

// Now, in the computer's own time zone (GetLocalTime on Windows, the C library's local time elsewhere).
LocalDateTime ReadLocalClock();
// The same clock read as UT (GetSystemTime on Windows, the C library's gmtime elsewhere): what instants are
// compared with.
LocalDateTime ReadUniversalClock();
