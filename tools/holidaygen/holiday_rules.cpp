#include "tools/holidaygen/holiday_rules.h"

#include "calendar/hebrew.h"
#include "holidays/holiday_table.h"

namespace {

constexpr int kSaturday = 6;
constexpr int kFriday = 5;
constexpr int kMonday = 1;

// Israel's days of remembrance and independence, in the Hebrew years they were first kept.
constexpr int kFirstYearOfYomHaShoah = 5699;
constexpr int kFirstYearOfYomHaZikaron = 5699;
constexpr int kFirstYearOfYomHaAtzmaut = 5709;
constexpr int kFirstYearOfMondayPostponement = 5764;
constexpr int kFirstYearOfYomYerushalayim = 5728;

// The day itself when it is a Saturday, else the Saturday before it.
DayNumber SaturdayOnOrBefore(DayNumber n) {
    return n - (WeekdayOf(n) + 1) % 7;
}

// Strictly after n.
DayNumber SaturdayAfter(DayNumber n) {
    return SaturdayOnOrBefore(n) + 7;
}

class YearRules {
  public:
    YearRules(int year, Observance observance) : year_(year), diaspora_(IsDiaspora(observance)) {}

    std::vector<HolidayDay> Days() {
        RoshChodesh();
        WinterAndPurim();
        Passover();
        OmerAndShavuot();
        SummerFasts();
        HighHolidays();
        Sukkot();
        Chanukah();
        IsraeliDays();
        return std::move(days_);
    }

  private:
    // Adar means Adar II in a leap year.
    int Adar() const { return IsHebrewLeapYear(year_) ? kAdarII : kAdar; }
    DayNumber On(int day, int month) const { return HebrewToDayNumber(day, month, year_); }
    void Add(DayNumber n, HolidayCode code) { days_.push_back({n, code}); }

    // Day 1 of every month but Tishrei, and day 30 of the month before it when that month has one.
    void RoshChodesh() {
        const HebrewMonthSequence order = HebrewMonthOrder(year_);
        for (int i = 1; i < order.count; ++i) {
            const int previous = order.months[i - 1];
            if (DaysInHebrewMonth(previous, year_) == 30) {
                Add(On(30, previous), HolidayCode::RoshChodesh);
            }
            Add(On(1, order.months[i]), HolidayCode::RoshChodesh);
        }
    }

    void WinterAndPurim() {
        const int adar = Adar();
        Add(On(15, kShevat), HolidayCode::TuBShvat);
        if (IsHebrewLeapYear(year_)) {
            Add(On(14, kAdarI), HolidayCode::PurimKatan);
        }
        Add(SaturdayOnOrBefore(On(1, adar)), HolidayCode::ShabbatShekalim);
        Add(SaturdayOnOrBefore(On(14, adar) - 1), HolidayCode::ShabbatZachor);
        const DayNumber fast = On(13, adar);
        Add(WeekdayOf(fast) == kSaturday ? fast - 2 : fast, HolidayCode::FastOfEsther);
        Add(On(14, adar), HolidayCode::Purim);
        const DayNumber shushan = On(15, adar);
        Add(WeekdayOf(shushan) == kSaturday ? shushan + 1 : shushan, HolidayCode::ShushanPurim);
    }

    void Passover() {
        const DayNumber haChodesh = SaturdayOnOrBefore(On(1, kNisan));
        Add(haChodesh - 7, HolidayCode::ShabbatParah);
        Add(haChodesh, HolidayCode::ShabbatHaChodesh);
        const DayNumber firstDay = On(15, kNisan);
        Add(SaturdayOnOrBefore(firstDay - 1), HolidayCode::ShabbatHaGadol);
        const DayNumber erev = On(14, kNisan);
        DayNumber firstborn = erev;
        if (WeekdayOf(erev) == kFriday) {
            firstborn = erev - 1;
        } else if (WeekdayOf(erev) == kSaturday) {
            firstborn = erev - 2;
        }
        Add(firstborn, HolidayCode::TaanitBechorot);
        Add(erev, HolidayCode::ErevPassover);
        for (int i = 0; i < 7; ++i) {
            Add(firstDay + i, DayOfRun(HolidayCode::PassoverI, i));
        }
        if (diaspora_) {
            Add(firstDay + 7, HolidayCode::PassoverVIII);
        }
    }

    void OmerAndShavuot() {
        Add(On(18, kIyar), HolidayCode::LagBOmer);
        Add(On(5, kSivan), HolidayCode::ErevShavuot);
        Add(On(6, kSivan), HolidayCode::ShavuotI);
        if (diaspora_) {
            Add(On(7, kSivan), HolidayCode::ShavuotII);
        }
    }

    void SummerFasts() {
        const DayNumber tammuz = On(17, kTammuz);
        Add(WeekdayOf(tammuz) == kSaturday ? tammuz + 1 : tammuz, HolidayCode::FastOfTammuz);
        const DayNumber av = On(9, kAv);
        Add(SaturdayOnOrBefore(av), HolidayCode::ShabbatHazon);
        Add(WeekdayOf(av) == kSaturday ? av + 1 : av, HolidayCode::TishaBAv);
        Add(SaturdayAfter(av), HolidayCode::ShabbatNachamu);
        Add(On(29, kElul), HolidayCode::ErevRoshHashanah);
    }

    void HighHolidays() {
        Add(On(1, kTishrei), HolidayCode::RoshHashanah);
        Add(On(2, kTishrei), HolidayCode::RoshHashanahII);
        const DayNumber gedaliah = On(3, kTishrei);
        Add(WeekdayOf(gedaliah) == kSaturday ? gedaliah + 1 : gedaliah, HolidayCode::FastOfGedaliah);
        // The one Saturday of 3..9 Tishrei.
        Add(SaturdayOnOrBefore(On(9, kTishrei)), HolidayCode::ShabbatShuva);
        Add(On(9, kTishrei), HolidayCode::ErevYomKippur);
        Add(On(10, kTishrei), HolidayCode::YomKippur);
    }

    void Sukkot() {
        Add(On(14, kTishrei), HolidayCode::ErevSukkot);
        for (int i = 0; i < 6; ++i) {
            Add(On(15 + i, kTishrei), DayOfRun(HolidayCode::SukkotI, i));
        }
        Add(On(21, kTishrei), HolidayCode::HoshanaRaba);
        Add(On(22, kTishrei), HolidayCode::ShminiAtzeret);
        // Israel keeps Simchat Torah together with Shmini Atzeret.
        Add(On(diaspora_ ? 23 : 22, kTishrei), HolidayCode::SimchatTorah);
    }

    void Chanukah() {
        Add(On(24, kKislev), HolidayCode::ErevChanukah);
        const DayNumber firstDay = On(25, kKislev);
        for (int i = 0; i < 8; ++i) {
            Add(firstDay + i, DayOfRun(HolidayCode::ChanukahI, i));
        }
        // The fast of 10 Tevet is kept on its day even on a Friday; it is the one fast never moved.
        Add(On(10, kTevet), HolidayCode::FastOfTevet);
    }

    void IsraeliDays() {
        if (year_ >= kFirstYearOfYomHaShoah) {
            Add(On(27, kNisan), HolidayCode::YomHaShoah);
        }
        // Yom Ha-Zikaron is the eve of Yom Ha-Atzmaut, and moves with it even in the years before the
        // independence day itself is listed.
        const DayNumber fifth = On(5, kIyar);
        DayNumber atzmaut = fifth;
        if (WeekdayOf(fifth) == kFriday) {
            atzmaut = fifth - 1;
        } else if (WeekdayOf(fifth) == kSaturday) {
            atzmaut = fifth - 2;
        } else if (WeekdayOf(fifth) == kMonday && year_ >= kFirstYearOfMondayPostponement) {
            atzmaut = fifth + 1;
        }
        if (year_ >= kFirstYearOfYomHaZikaron) {
            Add(atzmaut - 1, HolidayCode::YomHaZikaron);
        }
        if (year_ >= kFirstYearOfYomHaAtzmaut) {
            Add(atzmaut, HolidayCode::YomHaAtzmaut);
        }
        if (year_ >= kFirstYearOfYomYerushalayim) {
            Add(On(28, kIyar), HolidayCode::YomYerushalayim);
        }
    }

    int year_;
    bool diaspora_;
    std::vector<HolidayDay> days_;
};

}  // namespace

std::vector<HolidayDay> HolidayDaysOfHebrewYear(int hebrewYear, Observance observance) {
    return YearRules(hebrewYear, observance).Days();
}
