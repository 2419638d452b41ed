#include <ctime>

#include "calendar/gregorian.h"
#include "zmanim/host_zone.h"

namespace {

constexpr DayNumber kDayNumberOf1970 = 2440588;  // the C library's epoch, 1 January 1970

}  // namespace

bool HostUtcToLocal(const CivilTime& utc, CivilTime& local) {
    const long long days =
        static_cast<long long>(GregorianToDayNumber(utc.day, utc.month, utc.year)) - kDayNumberOf1970;
    const long long seconds = days * 86400 + utc.hour * 3600LL + utc.minute * 60LL + utc.second;
    const auto instant = static_cast<std::time_t>(seconds);
    if (static_cast<long long>(instant) != seconds) {
        return false;
    }
    tzset();
    std::tm converted{};
    if (localtime_r(&instant, &converted) == nullptr) {
        return false;
    }
    local = {converted.tm_year + 1900, converted.tm_mon + 1, converted.tm_mday,
             converted.tm_hour,        converted.tm_min,     converted.tm_sec};
    return true;
}
