#include "holidays/parsha.h"

#include <algorithm>

#include "calendar/hebrew.h"
#include "holidays/holiday_text.h"

namespace {

constexpr int kSaturday = 6;

constexpr std::string_view kPortionNames[kPortionCount + 1] = {
    {},
    "Bereshit",
    "Noach",
    "Lech-Lecha",
    "Vayera",
    "Chayei Sara",
    "Toldot",
    "Vayetzei",
    "Vayishlach",
    "Vayeshev",
    "Miketz",
    "Vayigash",
    "Vayechi",
    "Shemot",
    "Vaera",
    "Bo",
    "Beshalach",
    "Yitro",
    "Mishpatim",
    "Terumah",
    "Tetzaveh",
    "Ki Tisa",
    "Vayakhel",
    "Pekudei",
    "Vayikra",
    "Tzav",
    "Shmini",
    "Tazria",
    "Metzora",
    "Achrei Mot",
    "Kedoshim",
    "Emor",
    "Behar",
    "Bechukotai",
    "Bamidbar",
    "Nasso",
    "Beha'alotcha",
    "Sh'lach",
    "Korach",
    "Chukat",
    "Balak",
    "Pinchas",
    "Matot",
    "Masei",
    "Devarim",
    "Vaetchanan",
    "Eikev",
    "Re'eh",
    "Shoftim",
    "Ki Teitzei",
    "Ki Tavo",
    "Nitzavim",
    "Vayeilech",
    "Ha'Azinu",
    "Vezot Haberakhah",
};

constexpr Portion Next(Portion portion, int step = 1) {
    return static_cast<Portion>(PortionNumber(portion) + step);
}

// The Saturday on or after day n: 1 January 1900 (a Monday) gives 6 January 1900.
constexpr DayNumber SaturdayOnOrAfter(DayNumber n) {
    return n + (kSaturday - WeekdayOf(n));
}
static_assert(SaturdayOnOrAfter(kFirstSupportedDay) == kFirstSupportedDay + 5);

// The festival day or day of Chol HaMoed that the Hebrew date is under the observance (the days on which no weekly
// portion is read), or HolidayCode::None. Hoshana Raba (21 Tishrei) is never a Shabbat, nor is Simchat Torah in the
// Diaspora (23 Tishrei).
HolidayCode FestivalDay(int day, int month, Observance observance) {
    const bool diaspora = IsDiaspora(observance);
    switch (month) {
        case kTishrei:
            if (day == 1) {
                return HolidayCode::RoshHashanah;
            }
            if (day == 2) {
                return HolidayCode::RoshHashanahII;
            }
            if (day == 10) {
                return HolidayCode::YomKippur;
            }
            if (day >= 15 && day <= 21) {
                return DayOfRun(HolidayCode::SukkotI, day - 15);
            }
            if (day == 22) {
                return HolidayCode::ShminiAtzeret;
            }
            if (day == 23 && diaspora) {
                return HolidayCode::SimchatTorah;
            }
            break;
        case kNisan:
            if (day >= 15 && day <= 21) {
                return DayOfRun(HolidayCode::PassoverI, day - 15);
            }
            if (day == 22 && diaspora) {
                return HolidayCode::PassoverVIII;
            }
            break;
        case kSivan:
            if (day == 6) {
                return HolidayCode::ShavuotI;
            }
            if (day == 7 && diaspora) {
                return HolidayCode::ShavuotII;
            }
            break;
        default:
            break;
    }
    return HolidayCode::None;
}

// The Shabbatot between Rosh Hashanah and Sukkot that read a portion (3 to 14 Tishrei, Yom Kippur apart): two when
// the New Year is a Monday or a Tuesday, one when it is a Thursday or a Saturday. The year's reading ends on them:
// Ha'Azinu on the last, Vayeilech on the one before when there is one.
struct TishreiShabbatot {
    DayNumber days[2];
    int count;
};

TishreiShabbatot ShabbatotBeforeSukkot(DayNumber newYear, Observance observance) {
    TishreiShabbatot result{};
    for (DayNumber n = SaturdayOnOrAfter(newYear + 2); n <= newYear + 13; n += 7) {
        if (FestivalDay(n - newYear + 1, kTishrei, observance) == HolidayCode::None) {
            result.days[result.count++] = n;
        }
    }
    return result;
}

// One stretch of a year's cycle between two fixed points of the reading: the Shabbatot before Passover, before
// Shavuot, before Shabbat Chazon (the Shabbat before Tisha B'Av, or Tisha B'Av itself, which reads Devarim), and
// before the next New Year (which ends with Nitzavim). The stretch's last Shabbat reads `last` when its Shabbatot
// are enough with the pairs it may join; the pairs, by their first portion, are joined in the order given, as many
// as there are Shabbatot too few. With more Shabbatot than portions the reading goes on into the next stretch.
struct Stretch {
    DayNumber end;  // the day after its last Shabbat can be
    Portion last;
    Portion pairs[3];
    int pairCount;
};

constexpr int kMaxCycleShabbatot = 56;  // a year has at most 55 Saturdays

struct Cycle {
    WeeklyPortion readings[kMaxCycleShabbatot];
    int count;
};

// The festival day a Saturday of a year's cycle is, or HolidayCode::None: between Bereshit and the next New Year
// only the days of Passover and Shavuot are festivals.
HolidayCode FestivalInCycle(DayNumber n, DayNumber pesach, DayNumber shavuot, Observance observance) {
    if (n >= pesach && n - pesach <= 7) {
        return FestivalDay(15 + (n - pesach), kNisan, observance);
    }
    if (n >= shavuot && n - shavuot <= 1) {
        return FestivalDay(6 + (n - shavuot), kSivan, observance);
    }
    return HolidayCode::None;
}

// The readings of the year's cycle from Bereshit to the last Shabbat before the next New Year.
Cycle YearCycle(int year, Observance observance) {
    const DayNumber newYear = HebrewNewYearDayNumber(year);
    const DayNumber nextNewYear = newYear + HebrewYearLength(year);
    // The months from Nisan on have the same lengths every year (Nisan 30, Iyar 29, Sivan 30, Tammuz 29, Av 30, Elul
    // 29 days): 15 Nisan is 163 days before the next New Year, 6 Sivan 50 days after it, 9 Av 112. Counted from the
    // next New Year, they stay right in the last year, whose Passover may lie past kLastDayNumber.
    const DayNumber pesach = nextNewYear - 163;
    const DayNumber shavuot = pesach + 50;
    const DayNumber chazon = SaturdayOnOrAfter(pesach + 112 - 6);
    // Tzav before Passover in a regular year, Metzora in a leap year; Bamidbar before Shavuot; Masei before
    // Shabbat Chazon; before the New Year Nitzavim alone when Vayeilech has a Shabbat of its own after it.
    const bool vayeilechApart = ShabbatotBeforeSukkot(nextNewYear, observance).count == 2;
    const Stretch stretches[] = {
        {pesach, IsHebrewLeapYear(year) ? Portion::Metzora : Portion::Tzav, {Portion::Vayakhel}, 1},
        {shavuot, Portion::Bamidbar, {Portion::Tazria, Portion::AchreiMot, Portion::Behar}, 3},
        {chazon, Portion::Masei, {Portion::Matot, Portion::Chukat}, 2},
        {nextNewYear, vayeilechApart ? Portion::Nitzavim : Portion::Vayeilech, {Portion::Nitzavim}, 1},
    };

    Cycle cycle{};
    // Bereshit: the first Saturday after the festival days of Tishrei (22 Tishrei in Israel, 23 in the Diaspora).
    DayNumber shabbat = SaturdayOnOrAfter(newYear + (IsDiaspora(observance) ? 23 : 22));
    Portion next = Portion::Bereshit;
    for (const Stretch& stretch : stretches) {
        // The stretch's Shabbatot, festival days apart (the Passover and Shavuot days).
        DayNumber days[kMaxCycleShabbatot];
        HolidayCode festivals[kMaxCycleShabbatot];
        int count = 0;
        int reading = 0;
        for (; shabbat < stretch.end; shabbat += 7) {
            days[count] = shabbat;
            festivals[count] = FestivalInCycle(shabbat, pesach, shavuot, observance);
            reading += festivals[count] == HolidayCode::None ? 1 : 0;
            ++count;
        }
        int tooFew = PortionNumber(stretch.last) - PortionNumber(next) + 1 - reading;
        bool joined[kPortionCount + 1] = {};
        for (int i = 0; i < stretch.pairCount && tooFew > 0; ++i) {
            const Portion first = stretch.pairs[i];
            if (first >= next && Next(first) <= stretch.last) {
                joined[PortionNumber(first)] = true;
                --tooFew;
            }
        }
        for (int i = 0; i < count; ++i) {
            WeeklyPortion& entry = cycle.readings[cycle.count++];
            entry = {days[i], Portion::None, Portion::None, festivals[i]};
            if (festivals[i] == HolidayCode::None) {
                entry.first = next;
                entry.second =
                    next < Portion::VezotHaberakhah && joined[PortionNumber(next)] ? Next(next) : Portion::None;
                next = Next(next, entry.second == Portion::None ? 1 : 2);
            }
        }
    }
    return cycle;
}

// The first and last Saturdays whose Hebrew date the calendar has.
constexpr DayNumber kFirstShabbat = SaturdayOnOrAfter(HebrewNewYearDayNumber(kEarliestHebrewYear));
constexpr DayNumber kLastShabbat = SaturdayOnOrAfter(kLastDayNumber - 6);

// The reading of a Saturday that is a festival day, or lies between Rosh Hashanah and Sukkot (where the last year's
// cycle ends); else its festival is None and year is the Hebrew year whose cycle (YearCycle) reads on it.
WeeklyPortion ReadingOutsideCycle(DayNumber shabbat, Observance observance, int& year) {
    int day = 0, month = 0;
    DayNumberToHebrew(shabbat, day, month, year);
    WeeklyPortion result{shabbat, Portion::None, Portion::None, FestivalDay(day, month, observance)};
    if (result.festival == HolidayCode::None && month == kTishrei && day < 15) {
        const TishreiShabbatot last = ShabbatotBeforeSukkot(shabbat - (day - 1), observance);
        result.first = last.count == 2 && shabbat == last.days[0] ? Portion::Vayeilech : Portion::HaAzinu;
    }
    return result;
}

// The cycle's reading of a Saturday between its first and last.
const WeeklyPortion& ReadingInCycle(const Cycle& cycle, DayNumber shabbat) {
    return cycle.readings[(shabbat - cycle.readings[0].shabbat) / 7];
}

bool InCycle(const Cycle& cycle, DayNumber shabbat) {
    return cycle.count > 0 && shabbat >= cycle.readings[0].shabbat &&
           shabbat <= cycle.readings[cycle.count - 1].shabbat;
}

}  // namespace

WeeklyPortion PortionOfShabbat(DayNumber n, Observance observance) {
    const DayNumber shabbat =
        std::clamp(SaturdayOnOrAfter(std::clamp(n, kFirstDayNumber, kLastShabbat)), kFirstShabbat, kLastShabbat);
    int year = 0;
    const WeeklyPortion outside = ReadingOutsideCycle(shabbat, observance, year);
    if (outside.festival != HolidayCode::None || outside.first != Portion::None) {
        return outside;
    }
    const Cycle cycle = YearCycle(year, observance);
    return InCycle(cycle, shabbat) ? ReadingInCycle(cycle, shabbat) : outside;
}

std::vector<WeeklyPortion> PortionsOfShabbatot(DayNumber first, DayNumber last, Observance observance) {
    std::vector<WeeklyPortion> readings;
    last = std::min(last, kLastShabbat);
    // Each year's cycle is worked out once, on the first of its Saturdays that asks for it.
    Cycle cycle{};
    for (DayNumber shabbat = std::max(SaturdayOnOrAfter(first), kFirstShabbat); shabbat <= last; shabbat += 7) {
        if (!InCycle(cycle, shabbat)) {
            int year = 0;
            const WeeklyPortion outside = ReadingOutsideCycle(shabbat, observance, year);
            if (outside.festival != HolidayCode::None || outside.first != Portion::None) {
                readings.push_back(outside);
                continue;
            }
            cycle = YearCycle(year, observance);
        }
        readings.push_back(InCycle(cycle, shabbat)
                               ? ReadingInCycle(cycle, shabbat)
                               : WeeklyPortion{shabbat, Portion::None, Portion::None, HolidayCode::None});
    }
    return readings;
}

std::string_view PortionName(Portion portion) {
    const int number = PortionNumber(portion);
    return number >= 1 && number <= kPortionCount ? kPortionNames[number] : std::string_view();
}

std::size_t WeeklyPortionName(const WeeklyPortion& reading, Observance observance, char* buffer, std::size_t capacity) {
    if (buffer == nullptr || capacity == 0) {
        return 0;
    }
    const std::string_view first =
        reading.first != Portion::None ? PortionName(reading.first) : HolidayName(reading.festival, observance);
    const std::string_view second = PortionName(reading.second);
    // Copied rather than formatted: a listing of every Saturday names a portion thousands of times.
    std::size_t length = 0;
    const auto append = [&](std::string_view part) {
        const std::size_t n = std::min(part.size(), capacity - 1 - length);
        std::copy_n(part.data(), n, buffer + length);
        length += n;
    };
    append(first);
    if (!second.empty()) {
        append("-");
        append(second);
    }
    buffer[length] = '\0';
    return length;
}
