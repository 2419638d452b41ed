// The place and its zmanim: a day's zmanim at a ZIP place, a ZIP lookup, a city label.
#include <benchmark/benchmark.h>

#include "location/location.h"
#include "location/zip_database.h"
#include "zmanim/day_zmanim.h"

namespace {

Location ZipPlace(std::int32_t zip) {
    Location location;
    ZipRow row{};
    zipLookup(zip, row);
    location.setCity(zip);
    location.setLatitude(row.latitude);
    location.setLongitude(-row.longitude);
    return location;
}

// What a repaint of the zmanim page computes: the place from the Location (with its ZIP lookup for the zone), three
// events of two passes, three conversions.
void BM_DayZmanimAtAZipPlace(benchmark::State& state) {
    const Location location = ZipPlace(10001);
    int day = 1;
    for (auto _ : state) {
        const DayZmanim z = dayZmanim(day, 6, 2008, ZmanimPlaceOf(location), HostUtcToLocal);
        benchmark::DoNotOptimize(z);
        day = day % 30 + 1;
    }
}
BENCHMARK(BM_DayZmanimAtAZipPlace);

void BM_ZipLookup(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        ZipRow row{};
        benchmark::DoNotOptimize(zipLookup(kZipTable[i].zip, row));
        benchmark::DoNotOptimize(row);
        i = (i + 7919) % kZipTableSize;
    }
}
BENCHMARK(BM_ZipLookup);

void BM_CityNameOfAZipCode(benchmark::State& state) {
    const Location location = ZipPlace(99950);
    char name[200];
    for (auto _ : state) {
        benchmark::DoNotOptimize(location.cityName(name, sizeof name));
    }
}
BENCHMARK(BM_CityNameOfAZipCode);

void BM_CityNameOfAPreset(benchmark::State& state) {
    Location location;
    location.setCity(100038);  // the last row
    char name[200];
    for (auto _ : state) {
        benchmark::DoNotOptimize(location.cityName(name, sizeof name));
    }
}
BENCHMARK(BM_CityNameOfAPreset);

}  // namespace
