#include <windows.h>

#include "zmanim/host_zone.h"

bool HostUtcToLocal(const CivilTime& utc, CivilTime& local) {
    if (utc.year < 1601 || utc.year > 30827) {
        return false;
    }
    SYSTEMTIME universal{};
    universal.wYear = static_cast<WORD>(utc.year);
    universal.wMonth = static_cast<WORD>(utc.month);
    universal.wDay = static_cast<WORD>(utc.day);
    universal.wHour = static_cast<WORD>(utc.hour);
    universal.wMinute = static_cast<WORD>(utc.minute);
    universal.wSecond = static_cast<WORD>(utc.second);
    SYSTEMTIME converted{};
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &universal, &converted)) {
        return false;
    }
    local = {converted.wYear, converted.wMonth, converted.wDay, converted.wHour, converted.wMinute, converted.wSecond};
    return true;
}
