#include <windows.h>

#include <string>

#include "cli/host_zone_name.h"

// Windows knows its zones by their registry key names. A calendar file carries the zone's rules in a VTIMEZONE
// beside the name, so the name need not be an IANA one.
std::string HostZoneName() {
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    if (GetDynamicTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) {
        return {};
    }
    std::string name;
    for (const WCHAR* c = zone.TimeZoneKeyName; *c != L'\0'; ++c) {
        if (*c < 0x20 || *c > 0x7E) {
            return {};  // a key name is plain ASCII; anything else is not one
        }
        name += static_cast<char>(*c);
    }
    return name;
}
