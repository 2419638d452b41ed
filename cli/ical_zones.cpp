#include "cli/ical_zones.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "calendar/gregorian.h"
#include "cli/host_zone_name.h"
#include "cli/ical_writer.h"
#include "zmanim/day_zmanim.h"
#include "zmanim/host_zone.h"

namespace {

constexpr long long kSecondsPerDay = 86400;

std::optional<int> HostOffsetAt(long long utcSeconds) {
    CivilTime local{};
    if (!HostUtcToLocal(CivilTimeOfSeconds(utcSeconds), local)) {
        return std::nullopt;
    }
    return static_cast<int>(CivilTimeSeconds(local) - utcSeconds);
}

// The changes of the computer's zone from two days before the span to two days after it, found by reading its
// offset once a day and narrowing each change down to the second; the first entry is the offset at the start.
// Nothing when the zone cannot convert an instant of the span.
std::optional<std::vector<ZoneChange>> HostZoneChanges(int fromYear, int toYear) {
    const long long start = (GregorianToDayNumber(1, 1, fromYear) - 2) * kSecondsPerDay;
    const long long end = (GregorianToDayNumber(31, 12, toYear) + 2) * kSecondsPerDay;
    std::optional<int> offset = HostOffsetAt(start);
    if (!offset) {
        return std::nullopt;
    }
    std::vector<ZoneChange> changes{{CivilTimeOfSeconds(start + *offset), *offset, *offset}};
    for (long long t = start; t < end; t += kSecondsPerDay) {
        const std::optional<int> next = HostOffsetAt(t + kSecondsPerDay);
        if (!next) {
            return std::nullopt;
        }
        if (*next == *offset) {
            continue;
        }
        // The offset is *offset at low and *next at high; one change lies between.
        long long low = t;
        long long high = t + kSecondsPerDay;
        while (high - low > 1) {
            const long long middle = low + (high - low) / 2;
            const std::optional<int> there = HostOffsetAt(middle);
            if (!there) {
                return std::nullopt;
            }
            (*there == *offset ? low : high) = middle;
        }
        changes.push_back({CivilTimeOfSeconds(high + *offset), *offset, *next});
        offset = next;
    }
    return changes;
}

}  // namespace

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
        const std::optional<std::vector<ZoneChange>> changes = HostZoneChanges(fromYear, toYear);
        if (changes) {
            AppendChangesTimezone(out, zone.tzid, *changes);
        } else {
            zone.kind = ZoneKind::Utc;
        }
    }
}
