#include <algorithm>

#include "location/zip_database.h"

// The table is sorted by code with each code once, so a binary search finds the same row as a scan from the first
// row would, and finds nothing for 0, negative codes and codes past 99999.
bool zipLookup(int code, ZipRow& row) {
    const ZipRow* const end = kZipTable + kZipTableSize;
    const ZipRow* found = std::lower_bound(kZipTable, end, code,
                                           [](const ZipRow& candidate, int wanted) { return candidate.zip < wanted; });
    if (found == end || found->zip != code) {
        return false;
    }
    row = *found;
    return true;
}
