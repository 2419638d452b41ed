#include "cli/ical_zones.h"

#include <vector>

#include "cli/host_zone_name.h"
#include "cli/ical_writer.h"
#include "location/zip_database.h"
#include "zmanim/local_time.h"

EventZone EventZoneOf(const Location& location) {
    EventZone zone;
    zone.rule = location.zoneRule();
    ZipRow row{};
    if (!zone.rule.useHostZone && zipLookup(location.city(), row)) {
        zone.tzid = row.zoneName;
    } else {
        zone.rule = {true, 0, false};
        zone.tzid = HostZoneName();
    }
    return zone;
}

void AppendEventZone(std::string& out, EventZone& zone, int fromYear, int toYear) {
    if (zone.tzid.empty()) {
        return;
    }
    const std::optional<std::vector<ZoneChange>> changes = ZoneChanges(zone.rule, HostUtcToLocal, fromYear, toYear);
    if (changes) {
        AppendChangesTimezone(out, zone.tzid, *changes);
    } else {
        zone.tzid.clear();
    }
}

std::optional<CivilTime> EventTime(const EventZone& zone, long long utcSeconds) {
    if (zone.tzid.empty()) {
        return CivilTimeOfSeconds(utcSeconds);
    }
    return LocalTimeOf(utcSeconds, zone.rule, HostUtcToLocal);
}
