#include "zmanim/all_zmanim.h"

#include "calendar/gregorian.h"
#include "zmanim/solar.h"

namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr double kProportionalHoursPerDay = 12.0;

struct ZmanNames {
    const char* key;
    const char* displayName;
};

// In the order of Zman.
constexpr ZmanNames kNames[kZmanCount] = {
    {"midnight", "Midnight"},
    {"dawn", "Dawn"},
    {"tallit", "Earliest tallit"},
    {"sunrise", "Sunrise"},
    {"shema-gra", "Latest Shema (Gra)"},
    {"shema-mga", "Latest Shema (Magen Avraham)"},
    {"prayer-gra", "Latest Shacharit (Gra)"},
    {"prayer-mga", "Latest Shacharit (Magen Avraham)"},
    {"midday", "Midday"},
    {"mincha-gedola", "Earliest Mincha"},
    {"mincha-ketana", "Mincha Ketana"},
    {"plag", "Plag HaMincha"},
    {"sunset", "Sunset"},
    {"nightfall", "Nightfall"},
    {"nightfall-72", "72 minutes after sunset"},
};

std::size_t IndexOf(Zman zman) {
    return static_cast<std::size_t>(zman);
}

bool IsEventDate(int day, int month, int year) {
    return year >= kFirstEventYear && year <= kLastEventYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInGregorianMonth(month, year);
}

// A day from start to end, in minutes of UT, and the time a number of its proportional hours after its start.
struct ProportionalDay {
    double start;
    double end;
    double After(double hours) const { return start + hours * ((end - start) / kProportionalHoursPerDay); }
};

}  // namespace

const char* ZmanKey(Zman zman) {
    return kNames[IndexOf(zman)].key;
}

const char* ZmanDisplayName(Zman zman) {
    return kNames[IndexOf(zman)].displayName;
}

ZmanimUt AllZmanimUt(int day, int month, int year, const ZmanimPlace& place) {
    ZmanimUt times{};
    if (!IsEventDate(day, month, year)) {
        return times;
    }
    const double jd = julianDay(year, month, day);
    const double latitude = place.latitude;
    const double longitude = place.longitude;
    const std::optional<double> sunrise = sunriseUt(jd, latitude, longitude, place.elevationMetres);
    const std::optional<double> sunset = sunsetUt(jd, latitude, longitude, place.elevationMetres);
    // The day before's Julian Day is exactly one less: both are whole numbers and a half.
    const std::optional<double> sunsetBefore = sunsetUt(jd - 1, latitude, longitude, place.elevationMetres);

    const auto set = [&times](Zman zman, std::optional<double> minutes) { times[IndexOf(zman)] = minutes; };
    if (sunsetBefore && sunrise) {
        set(Zman::Midnight, (*sunsetBefore - kMinutesPerDay + *sunrise) / 2);
    }
    set(Zman::Dawn, MorningDepressionUt(jd, latitude, longitude, kDawnDepressionDegrees));
    set(Zman::Tallit, MorningDepressionUt(jd, latitude, longitude, kTallitDepressionDegrees));
    set(Zman::Sunrise, sunrise);
    set(Zman::Midday, TransitUt(jd, latitude, longitude));
    set(Zman::Sunset, sunset);
    set(Zman::Nightfall, nightfallUt(jd, latitude, longitude));
    // A sunset at or before sunrise would make no day; the events of a date never give one, but an hour that is not
    // positive must not make clocks.
    if (sunrise && sunset && *sunset > *sunrise) {
        const ProportionalDay gra{*sunrise, *sunset};
        const ProportionalDay magenAvraham{*sunrise - kMagenAvrahamMinutes, *sunset + kMagenAvrahamMinutes};
        set(Zman::ShemaGra, gra.After(kShemaHours));
        set(Zman::ShemaMga, magenAvraham.After(kShemaHours));
        set(Zman::PrayerGra, gra.After(kPrayerHours));
        set(Zman::PrayerMga, magenAvraham.After(kPrayerHours));
        set(Zman::MinchaGedola, gra.After(kMinchaGedolaHours));
        set(Zman::MinchaKetana, gra.After(kMinchaKetanaHours));
        set(Zman::Plag, gra.After(kPlagHours));
    }
    if (sunset) {
        set(Zman::Nightfall72, *sunset + kMagenAvrahamMinutes);
    }
    return times;
}

AllZmanim allZmanim(int day, int month, int year, const ZmanimPlace& place, HostZoneConversion toHost) {
    const ZmanimUt ut = AllZmanimUt(day, month, year, place);
    AllZmanim all{};
    for (std::size_t i = 0; i < kZmanCount; ++i) {
        ZmanTime& time = all.times[i];
        time.zman = static_cast<Zman>(i);
        time.minutesUt = ut[i];
        if (ut[i]) {
            time.clock = toLocalClock(*ut[i], GregorianToDayNumber(day, month, year), place.zone, toHost);
        }
    }
    return all;
}
