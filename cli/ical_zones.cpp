#include "cli/ical_zones.h"

#include <cstdio>
#include <vector>

#include "cli/host_zone_name.h"
#include "cli/ical_writer.h"
#include "zmanim/local_time.h"

EventZone EventZoneOf(const Location& location) {
    EventZone zone;
    zone.rule = location.zoneRule();
    if (!zone.rule.useHostZone) {
        char tzid[64];
        std::snprintf(tzid, sizeof tzid, "Kestrelon/UTC%+03d%s", zone.rule.offsetHours,
                      zone.rule.observesDst ? "/US-DST" : "");
        zone.kind = ZoneKind::Zip;
        zone.tzid = tzid;
        return zone;
    }
    zone.tzid = HostZoneName();
    zone.kind = zone.tzid.empty() ? ZoneKind::Utc : ZoneKind::Host;
    return zone;
}

void AppendEventZone(std::string& out, EventZone& zone, int fromYear, int toYear) {
    if (zone.kind == ZoneKind::Zip) {
        AppendUsRuleTimezone(out, zone.tzid, zone.rule.offsetHours, zone.rule.observesDst);
    } else if (zone.kind == ZoneKind::Host) {
        const std::optional<std::vector<ZoneChange>> changes = ZoneChanges(zone.rule, HostUtcToLocal, fromYear, toYear);
        if (changes) {
            AppendChangesTimezone(out, zone.tzid, *changes);
        } else {
            zone.kind = ZoneKind::Utc;
        }
    }
}

std::optional<CivilTime> EventTime(const EventZone& zone, long long utcSeconds) {
    if (zone.kind == ZoneKind::Utc) {
        return CivilTimeOfSeconds(utcSeconds);
    }
    return LocalTimeOf(utcSeconds, zone.rule, HostUtcToLocal);
}
