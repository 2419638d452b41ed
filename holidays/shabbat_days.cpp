#include "holidays/shabbat_days.h"

#include <algorithm>

#include "holidays/holiday_table.h"

namespace {

constexpr int kSaturday = 6;

// A festival day on which work is forbidden, under the observance. Under Israel the table's Sukkot II is a day of
// Chol HaMoed, and Simchat Torah falls on Shmini Atzeret.
bool IsFestivalDay(HolidayCode code, Observance observance) {
    switch (code) {
        case HolidayCode::RoshHashanah:
        case HolidayCode::RoshHashanahII:
        case HolidayCode::YomKippur:
        case HolidayCode::SukkotI:
        case HolidayCode::ShminiAtzeret:
        case HolidayCode::PassoverI:
        case HolidayCode::PassoverVII:
        case HolidayCode::ShavuotI:
            return true;
        case HolidayCode::SukkotII:
        case HolidayCode::SimchatTorah:
        case HolidayCode::PassoverII:
        case HolidayCode::PassoverVIII:
        case HolidayCode::ShavuotII:
            return IsDiaspora(observance);
        default:
            return false;
    }
}

bool IsMinorFast(HolidayCode code) {
    switch (code) {
        case HolidayCode::FastOfGedaliah:
        case HolidayCode::FastOfTevet:
        case HolidayCode::FastOfEsther:
        case HolidayCode::FastOfTammuz:
        case HolidayCode::TaanitBechorot:
            return true;
        default:
            return false;
    }
}

// What the tables say of one day.
struct DayFacts {
    bool rest = false;
    HolidayCode festival = HolidayCode::None;  // the first festival row of the day
    HolidayCode fast = HolidayCode::None;      // a minor fast or Tisha B'Av
};

// The facts of the days first..last (at most a few days past the tables' ends), from one walk over the table rows.
std::vector<DayFacts> FactsOf(DayNumber first, DayNumber last, Observance observance) {
    std::vector<DayFacts> facts(static_cast<std::size_t>(last - first + 1));
    for (DayNumber n = first; n <= last; ++n) {
        facts[static_cast<std::size_t>(n - first)].rest = WeekdayOf(n) == kSaturday;
    }
    const HolidayTable table = HolidayTableFor(observance);
    const HolidayRow* const end = table.rows + table.count;
    const HolidayRow* row = std::lower_bound(
        table.rows, end, first, [](const HolidayRow& r, DayNumber wanted) { return r.dayNumber < wanted; });
    for (; row != end && row->dayNumber <= last; ++row) {
        DayFacts& day = facts[static_cast<std::size_t>(row->dayNumber - first)];
        if (IsFestivalDay(row->code, observance)) {
            day.rest = true;
            if (day.festival == HolidayCode::None) {
                day.festival = row->code;
            }
        } else if (IsMinorFast(row->code) || row->code == HolidayCode::TishaBAv) {
            day.fast = row->code;
        }
    }
    return facts;
}

}  // namespace

bool IsDayOfRest(DayNumber n, Observance observance) {
    if (WeekdayOf(n) == kSaturday) {
        return true;
    }
    const HolidayCodes codes = HolidaysOn(n, observance);
    return std::any_of(codes.codes, codes.codes + codes.count,
                       [observance](HolidayCode code) { return IsFestivalDay(code, observance); });
}

std::vector<ShabbatDayTime> ShabbatDayTimes(DayNumber first, DayNumber last, Observance observance) {
    std::vector<ShabbatDayTime> times;
    if (last < first) {
        return times;
    }
    // And the day after last: a day's candles and havdalah depend on the next day, and Tisha B'Av begins on the
    // evening before its own.
    const std::vector<DayFacts> facts = FactsOf(first, last + 1, observance);
    times.reserve(static_cast<std::size_t>(last - first + 1) / 3);
    for (DayNumber n = first; n <= last; ++n) {
        const DayFacts& today = facts[static_cast<std::size_t>(n - first)];
        const DayFacts& tomorrow = facts[static_cast<std::size_t>(n - first + 1)];
        if (IsMinorFast(today.fast)) {
            times.push_back({n, ShabbatTimeKind::FastBegins, DayMoment::Dawn, today.fast});
        }
        if (tomorrow.rest) {
            const bool lateCandles = today.rest && WeekdayOf(n + 1) != kSaturday;
            times.push_back({n, ShabbatTimeKind::Candles,
                             lateCandles ? DayMoment::NightfallCandles : DayMoment::CandleLighting, tomorrow.festival});
        }
        if (tomorrow.fast == HolidayCode::TishaBAv) {
            times.push_back({n, ShabbatTimeKind::FastBegins, DayMoment::Sunset, tomorrow.fast});
        }
        if (today.rest && !tomorrow.rest) {
            times.push_back({n, ShabbatTimeKind::Havdalah, DayMoment::Havdalah, today.festival});
        }
        if (today.fast != HolidayCode::None) {
            times.push_back({n, ShabbatTimeKind::FastEnds, DayMoment::Nightfall, today.fast});
        }
    }
    return times;
}
