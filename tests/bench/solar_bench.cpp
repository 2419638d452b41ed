// The sun's events as the shabbat listing takes them: the sunsets of a year's Fridays at New York.
#include <benchmark/benchmark.h>

#include <vector>

#include "calendar/gregorian.h"
#include "zmanim/solar.h"

namespace {

std::vector<double> FridaysOf2024() {
    std::vector<double> julianDays;
    for (DayNumber n = GregorianToDayNumber(5, 1, 2024); n <= GregorianToDayNumber(31, 12, 2024); n += 7) {
        julianDays.push_back(static_cast<double>(n) - 0.5);
    }
    return julianDays;
}

DailySolarEvent NewYorkSunset() {
    return DailySolarEvent(SunriseZenith(0), 40.75, 74.0, DailySolarEvent::Side::Evening);
}

// One date at a time, each waiting out its own chain of sines: 52 dates.
void BM_SunsetsOneByOne(benchmark::State& state) {
    const DailySolarEvent sunset = NewYorkSunset();
    const std::vector<double> fridays = FridaysOf2024();
    for (auto _ : state) {
        for (const double jd : fridays) {
            benchmark::DoNotOptimize(sunset.On(jd));
        }
    }
}
BENCHMARK(BM_SunsetsOneByOne);

// The same dates at once, a few side by side, as the listing takes them: clearly below the one-by-one time.
void BM_SunsetsSideBySide(benchmark::State& state) {
    const DailySolarEvent sunset = NewYorkSunset();
    const std::vector<double> fridays = FridaysOf2024();
    for (auto _ : state) {
        benchmark::DoNotOptimize(sunset.On(fridays));
    }
}
BENCHMARK(BM_SunsetsSideBySide);

}  // namespace
