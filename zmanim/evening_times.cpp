#include "zmanim/evening_times.h"

namespace {

// julianDay of the day's date: half a day before its day number, which both hold exactly.
double JulianDayOf(DayNumber day) {
    return static_cast<double>(day) - 0.5;
}

}  // namespace

EveningTimes::EveningTimes(const ZmanimPlace& place)
    : dawn_(DepressionZenith(kDawnDepressionDegrees), place.latitude, place.longitude, DailySolarEvent::Side::Morning),
      sunset_(SunriseZenith(place.elevationMetres), place.latitude, place.longitude, DailySolarEvent::Side::Evening),
      nightfall_(kNightfallZenithDegrees, place.latitude, place.longitude, DailySolarEvent::Side::Evening) {}

std::optional<double> EveningTimes::Dawn(DayNumber day) const {
    return dawn_.On(JulianDayOf(day));
}

std::optional<double> EveningTimes::Sunset(DayNumber day) const {
    return sunset_.On(JulianDayOf(day));
}

std::optional<double> EveningTimes::Nightfall(DayNumber day) const {
    return nightfall_.On(JulianDayOf(day));
}

std::optional<double> EveningTimes::CandleLighting(DayNumber day, int minutesBeforeSunset) const {
    const std::optional<double> sunset = Sunset(day);
    if (!sunset) {
        return std::nullopt;
    }
    return *sunset - minutesBeforeSunset;
}

std::optional<double> EveningTimes::Havdalah(DayNumber day, const std::optional<int>& minutesAfterSunset) const {
    if (!minutesAfterSunset) {
        return Nightfall(day);
    }
    const std::optional<double> sunset = Sunset(day);
    if (!sunset) {
        return std::nullopt;
    }
    return *sunset + *minutesAfterSunset;
}

std::optional<double> NightfallMinutes(DayNumber day, const ZmanimPlace& place) {
    return nightfallUt(JulianDayOf(day), place.latitude, place.longitude);
}
