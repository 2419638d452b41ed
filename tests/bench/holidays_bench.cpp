// The holiday lookups the main window's refresh makes.
#include <benchmark/benchmark.h>

#include "calendar/calendar_cursor.h"
#include "calendar/hebrew.h"
#include "holidays/holiday_table.h"
#include "holidays/holiday_text.h"

namespace {

// A fresh cursor each time, so the cache is always cold: 31 lookups. Target: 20 us.
void BM_GregorianMonthMarksCold(benchmark::State& state) {
    int month = 1;
    for (auto _ : state) {
        CalendarCursor cursor(HasHoliday);
        cursor.SetGregorianDate(15, month, 2024);
        benchmark::DoNotOptimize(cursor.GregorianMonthMarks(Observance::Diaspora));
        month = month % 12 + 1;
    }
}
BENCHMARK(BM_GregorianMonthMarksCold);

// Days spread over the whole table. Target: 1 us.
void BM_HolidaysOn(benchmark::State& state) {
    DayNumber n = kFirstSupportedDay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(HolidaysOn(n, Observance::Diaspora));
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
        benchmark::DoNotOptimize(
            BuildHolidayText(30, kKislev, 5785, Observance::Diaspora, buffer, sizeof buffer, true));
    }
}
BENCHMARK(BM_BuildHolidayText);

}  // namespace
