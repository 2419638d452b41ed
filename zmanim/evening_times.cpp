#include "zmanim/evening_times.h"

#include "zmanim/solar.h"

namespace {

// julianDay of the day's date: half a day before its day number, which both hold exactly.
double JulianDayOf(DayNumber day) {
    return static_cast<double>(day) - 0.5;
}

}  // namespace

std::optional<double> DawnMinutes(DayNumber day, const ZmanimPlace& place) {
    return MorningDepressionUt(JulianDayOf(day), place.latitude, place.longitude, kDawnDepressionDegrees);
}

std::optional<double> SunsetMinutes(DayNumber day, const ZmanimPlace& place) {
    return sunsetUt(JulianDayOf(day), place.latitude, place.longitude, place.elevationMetres);
}

std::optional<double> NightfallMinutes(DayNumber day, const ZmanimPlace& place) {
    return nightfallUt(JulianDayOf(day), place.latitude, place.longitude);
}

std::optional<double> CandleLightingMinutes(DayNumber day, const ZmanimPlace& place, int minutesBeforeSunset) {
    const std::optional<double> sunset = SunsetMinutes(day, place);
    if (!sunset) {
        return std::nullopt;
    }
    return *sunset - minutesBeforeSunset;
}

std::optional<double> HavdalahMinutes(DayNumber day,
                                      const ZmanimPlace& place,
                                      const std::optional<int>& minutesAfterSunset) {
    if (!minutesAfterSunset) {
        return NightfallMinutes(day, place);
    }
    const std::optional<double> sunset = SunsetMinutes(day, place);
    if (!sunset) {
        return std::nullopt;
    }
    return *sunset + *minutesAfterSunset;
}
