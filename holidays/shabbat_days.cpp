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

// The facts of days asked for in increasing order, from one walk over the table rows.
class FactsReader {
  public:
    FactsReader(DayNumber first, Observance observance) : observance_(observance) {
        const HolidayTable table = HolidayTableFor(observance);
        end_ = table.rows + table.count;
        row_ = std::lower_bound(table.rows, end_, first,
                                [](const HolidayRow& r, DayNumber wanted) { return r.dayNumber < wanted; });
    }

    DayFacts Of(DayNumber n) {
        DayFacts day;
        day.rest = WeekdayOf(n) == kSaturday;
        for (; row_ != end_ && row_->dayNumber <= n; ++row_) {
            if (row_->dayNumber < n) {
                continue;
            }
            if (IsFestivalDay(row_->code, observance_)) {
                day.rest = true;
                if (day.festival == HolidayCode::None) {
                    day.festival = row_->code;
                }
            } else if (IsMinorFast(row_->code) || row_->code == HolidayCode::TishaBAv) {
                day.fast = row_->code;
            }
        }
        return day;
    }

  private:
    Observance observance_;
    const HolidayRow* row_;
    const HolidayRow* end_;
};

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
    times.reserve(static_cast<std::size_t>(last - first + 1) / 3);
    // Each day with the day after it: a day's candles and havdalah depend on the next day, and Tisha B'Av begins on
    // the evening before its own.
    FactsReader reader(first, observance);
    DayFacts tomorrow = reader.Of(first);
    for (DayNumber n = first; n <= last; ++n) {
        const DayFacts today = tomorrow;
        tomorrow = reader.Of(n + 1);
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
