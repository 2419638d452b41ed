// The holiday lookups the main window's refresh makes, and the one-time fill at start-up.
#include <benchmark/benchmark.h>

#include "calendar/hebrew.h"
#include "holidays/calendar_cursor.h"
#include "holidays/holiday_table.h"
#include "holidays/holiday_text.h"

namespace {

// Both tables, all 29732 rows. Target: 0.5 ms.
void BM_FillHolidayDayNumbers(benchmark::State& state) {
    for (auto _ : state) {
        FillHolidayDayNumbers();
        benchmark::DoNotOptimize(HolidayTableFor(kObservanceDiaspora).rows[0].dayNumber);
    }
}
BENCHMARK(BM_FillHolidayDayNumbers)->Unit(benchmark::kMicrosecond);

// A fresh cursor each time, so the cache is always cold: 31 lookups. Target: 20 us.
void BM_GregorianMonthMarksCold(benchmark::State& state) {
    int month = 1;
    for (auto _ : state) {
        CalendarCursor cursor;
        cursor.SetGregorianDate(15, month, 2024);
        benchmark::DoNotOptimize(cursor.GregorianMonthMarks(kObservanceDiaspora));
        month = month % 12 + 1;
    }
}
BENCHMARK(BM_GregorianMonthMarksCold);

// Days spread over the whole table. Target: 1 us.
void BM_HolidaysOn(benchmark::State& state) {
    DayNumber n = kFirstSupportedDay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(HolidaysOn(n, kObservanceDiaspora));
        n += 97;
        if (n > kLastSupportedDay) {
            n -= kLastSupportedDay - kFirstSupportedDay;
        }
    }
}
BENCHMARK(BM_HolidaysOn);

// 30 Kislev 5785, two holidays with the longest description. Target: 5 us.
void BM_BuildHolidayText(benchmark::State& state) {
    static char buffer[20000];
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildHolidayText(30, kKislev, 5785, kObservanceDiaspora, buffer, sizeof buffer, true));
    }
}
BENCHMARK(BM_BuildHolidayText);

}  // namespace
