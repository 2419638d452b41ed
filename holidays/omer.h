// The counting of the Omer: 49 days, from the second day of Passover (16 Nisan) to the day before Shavuot (5 Sivan).
//
// A Hebrew day begins at nightfall, and each day of the Omer is counted on the evening that begins it: the count of
// the civil day n is said on the evening of day n - 1 and holds through day n. The first count is said on the evening
// of 15 Nisan, the last on the evening of 4 Sivan; the same in Israel and the Diaspora.
#pragma once

#include <cstddef>

#include "calendar/gregorian.h"

inline constexpr int kOmerDays = 49;

// The count of day n: 1 on 16 Nisan .. 49 on 5 Sivan, 0 on every other day. 6 May 2007, 18 Iyar 5767 (Lag BaOmer),
// is 33.
int OmerCount(DayNumber n);

// The count as the blessing says it: "Today is 1 day of the Omer", "Today is 7 days, which is 1 week of the Omer",
// "Today is 33 days, which is 4 weeks and 5 days of the Omer". Empty for a count outside 1..49. Into buffer, cut at
// capacity - 1 and terminated; returns the characters written.
std::size_t FormatOmerText(int count, char* buffer, std::size_t capacity);
