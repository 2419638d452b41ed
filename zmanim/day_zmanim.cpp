#include "zmanim/day_zmanim.h"

#include <cmath>

#include "zmanim/solar.h"

ZmanimPlace ZmanimPlaceOf(const Location& location) {
    return {location.latitudeDegrees(), location.longitudeDegrees(), location.elevationMetres(), location.zoneRule()};
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

    const auto clockOf = [&](const std::optional<double>& minutesUt, bool& has, int& hour, int& minute) {
        if (!minutesUt) {
            return;
        }
        if (const std::optional<LocalClock> local = toLocalClock(*minutesUt, dayNumber, place.zone, toHost)) {
            has = true;
            hour = local->hour;
            minute = local->minute;
        }
    };
    DayZmanim z;
    clockOf(rise, z.hasSunrise, z.sunriseHour, z.sunriseMinute);
    clockOf(set, z.hasSunset, z.sunsetHour, z.sunsetMinute);
    clockOf(night, z.hasNightfall, z.nightfallHour, z.nightfallMinute);
    if (rise && set) {
        z.hasProportionalHour = true;
        z.proportionalHour = std::fabs(*set - *rise) / 12;
    }
    return z;
}
