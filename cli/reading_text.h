// How shabbat and day --parsha name a Saturday's reading: "Torah portion: Vayakhel-Pekudei", or on a festival day,
// which has no weekly portion, "Festival reading: CHM Passover V".
#pragma once

#include <string_view>

#include "holidays/parsha.h"

inline std::string_view ReadingLabel(const WeeklyPortion& reading) {
    return reading.first != Portion::None ? "Torah portion: " : "Festival reading: ";
}
