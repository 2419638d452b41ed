#include "zmanim/evening_times.h"

#include <algorithm>

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

std::vector<std::optional<double>> EveningTimes::On(Event event, const std::vector<DayNumber>& days) const {
    std::vector<double> julianDays(days.size());
    std::transform(days.begin(), days.end(), julianDays.begin(), JulianDayOf);
    switch (event) {
        case Event::Dawn:
            return dawn_.On(julianDays);
        case Event::Sunset:
            return sunset_.On(julianDays);
        case Event::Nightfall:
            return nightfall_.On(julianDays);
    }
    return std::vector<std::optional<double>>(days.size());
}

std::optional<double> NightfallMinutes(DayNumber day, const ZmanimPlace& place) {
    return nightfallUt(JulianDayOf(day), place.latitude, place.longitude);
}
