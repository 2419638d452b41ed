#include <algorithm>

#include "location/zip_database.h"

ZipRow zipRowOf(const ZipTableRow& entry) {
    ZipRow row{};
    row.zip = entry.zip;
    row.placeName = kZipNames + entry.nameOffset;
    row.latitude = entry.latitude;
    row.longitude = entry.longitude;
    row.offsetHours = entry.offsetHours;
    row.observesDst = entry.observesDst;
    row.zoneName = kZipZoneNames + entry.zoneIndex;
    return row;
}

// The table is sorted by code with each code once, so a binary search finds the same row as a scan from the first
// row would, and finds nothing for 0, negative codes and codes past 99999.
bool zipLookup(int code, ZipRow& row) {
    const ZipTableRow* const end = kZipTable + kZipTableSize;
    const ZipTableRow* found = std::lower_bound(
        kZipTable, end, code, [](const ZipTableRow& candidate, int wanted) { return candidate.zip < wanted; });
    if (found == end || found->zip != code) {
        return false;
    }
    row = zipRowOf(*found);
    return true;
}
