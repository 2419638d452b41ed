#include "calendar/anniversary.h"

#include "calendar/hebrew.h"

// The yearly day of a date whose month and day every year has (1 Tishrei, 29 Elul, 15 Shevat, 30 Nisan, ...) is
// that day, for every kind: a death on 7 Av 5740 (20 July 1980) has its yahrzeit on 7 Av 5785 (1 August 2025).
// The rules below are for the days some years lack.
//
// Yahrzeit (the custom of the Shulchan Aruch with the Rema's glosses, as most communities keep it):
//  - 30 Cheshvan and 30 Kislev, the first day of a two-day Rosh Chodesh, follow the first yahrzeit. When the year
//    after the death has the 30th, the yahrzeit is the 30th in every year that has it and the next month's 1st in
//    a year that lacks it. When the first year lacks it, the yahrzeit is kept on the month's last day, the 29th
//    that year, and from then on on the month's last day: the 30th in a year that has it, else the 29th. A death on
//    30 Cheshvan 5743 (16 November 1982; 5744 has a 30th) is kept on 30 Cheshvan 5744 (6 November 1983) and on
//    1 Kislev 5745, a year of 29-day Cheshvan (25 November 1984). A death on 30 Cheshvan 5744 (5745 has no 30th)
//    is kept on 29 Cheshvan 5745 (24 November 1984) and on 30 Cheshvan 5747 (2 December 1986).
//  - A death in the Adar of a common year is kept in a leap year in Adar I by default: the Rema's ruling, which
//    Ashkenazi communities (the larger part) follow, and the first yahrzeit in Adar I ends the twelve months of
//    mourning by every custom. Sephardim keep it in Adar II (the Mechaber), and some keep both; AdarChoice lets an
//    entry choose. A death on 7 Adar 5783 (28 February 2023) is kept on 7 Adar I 5784 (16 February 2024).
//  - A death in Adar I or Adar II of a leap year is kept in that month in a leap year and in Adar in a common year;
//    30 Adar I, the first day of Rosh Chodesh Adar II, is kept on 30 Shevat, the first day of Rosh Chodesh Adar, in
//    a common year. A death on 30 Adar I 5784 (10 March 2024) is kept on 30 Shevat 5785 (28 February 2025).
//
// Birthday, and an anniversary or another date (a missing 30th gives the next month's 1st, as a bar mitzvah waits
// for the full thirteen years):
//  - 30 Cheshvan and 30 Kislev are kept on that day when the year has it, else on the next month's 1st: a birth on
//    30 Kislev 5771 (7 December 2010) is kept on 1 Tevet 5784, a year of 29-day Kislev (13 December 2023).
//  - A birth in the Adar of a common year is kept in Adar II of a leap year by default (the Rema: one born in Adar
//    becomes bar mitzvah in Adar II): 7 Adar 5783 on 7 Adar II 5784 (17 March 2024). AdarChoice lets an entry
//    choose.
//  - A birth in Adar I or Adar II is kept in that month in a leap year and in Adar in a common year; 30 Adar I in a
//    common year on 1 Nisan, the day after Adar's last: 30 Adar I 5784 (10 March 2024) on 1 Nisan 5785 (30 March
//    2025).
//
// Bar and bat mitzvah are the birthday of the 13th or 12th year by the birthday rules.

namespace {

// The day of a month of the year, a day past the month's end counting on into the next month: 30 Cheshvan of a
// year of 29-day Cheshvan is 1 Kislev.
DayNumber CountedDay(int day, int month, int year) {
    return static_cast<DayNumber>(HebrewToDayNumber(1, month, year) + day - 1);
}

// The last day of Cheshvan or Kislev, the day before the next month's 1st (Kislev and Tevet follow them in every
// year).
DayNumber LastDayOf(int month, int year) {
    return static_cast<DayNumber>(HebrewToDayNumber(1, month + 1, year) - 1);
}

// The event's own day, its month as the year has it (an Adar given for a leap year taken as Adar II, an Adar I or
// II given for a common year as Adar).
DayNumber OwnDay(const HebrewDate& event) {
    int month = event.month;
    const bool leap = IsHebrewLeapYear(event.year);
    if (leap && month == kAdar) {
        month = kAdarII;
    } else if (!leap && (month == kAdarI || month == kAdarII)) {
        month = kAdar;
    }
    return CountedDay(event.day, month, event.year);
}

// The Adar of a common year in a leap year, as chosen.
YearlyDays InLeapAdar(int day, AdarChoice adar, AdarChoice usual, int year) {
    const AdarChoice choice = adar == AdarChoice::Usual ? usual : adar;
    const DayNumber first = CountedDay(day, kAdarI, year);
    const DayNumber second = CountedDay(day, kAdarII, year);
    switch (choice) {
        case AdarChoice::AdarII:
            return {second, std::nullopt};
        case AdarChoice::Both:
            return {first, second};
        case AdarChoice::Usual:
        case AdarChoice::AdarI:
            break;
    }
    return {first, std::nullopt};
}

YearlyDays YahrzeitIn(const HebrewDate& death, AdarChoice adar, int year) {
    const bool leap = IsHebrewLeapYear(year);
    const int day = death.day;
    switch (death.month) {
        case kCheshvan:
        case kKislev:
            if (day == 30 && DaysInHebrewMonth(death.month, death.year + 1) == 29) {
                return {LastDayOf(death.month, year), std::nullopt};
            }
            break;
        case kAdar:
            if (leap) {
                return InLeapAdar(day, adar, AdarChoice::AdarI, year);
            }
            break;
        case kAdarI:
            if (!leap) {
                return {day == 30 ? CountedDay(30, kShevat, year) : CountedDay(day, kAdar, year), std::nullopt};
            }
            break;
        case kAdarII:
            if (!leap) {
                return {CountedDay(day, kAdar, year), std::nullopt};
            }
            break;
        default:
            break;
    }
    return {CountedDay(day, death.month, year), std::nullopt};
}

YearlyDays BirthdayIn(const HebrewDate& birth, AdarChoice adar, int year) {
    const bool leap = IsHebrewLeapYear(year);
    const int day = birth.day;
    switch (birth.month) {
        case kAdar:
            if (leap) {
                return InLeapAdar(day, adar, AdarChoice::AdarII, year);
            }
            break;
        case kAdarI:
        case kAdarII:
            if (!leap) {
                return {CountedDay(day, kAdar, year), std::nullopt};
            }
            break;
        default:
            break;
    }
    return {CountedDay(day, birth.month, year), std::nullopt};
}

}  // namespace

HebrewDate EventHebrewDate(DayNumber civilDay, bool afterSunset) {
    HebrewDate date{};
    DayNumberToHebrew(afterSunset ? static_cast<DayNumber>(civilDay + 1) : civilDay, date.day, date.month, date.year);
    return date;
}

std::optional<YearlyDays> YearlyDaysIn(const HebrewDate& event, PersonDateKind kind, AdarChoice adar, int hebrewYear) {
    if (hebrewYear < event.year || hebrewYear < kEarliestHebrewYear || hebrewYear > kLatestHebrewYear) {
        return std::nullopt;
    }
    if (hebrewYear == event.year) {
        return YearlyDays{OwnDay(event), std::nullopt};
    }
    if (kind == PersonDateKind::Yahrzeit) {
        return YahrzeitIn(event, adar, hebrewYear);
    }
    return BirthdayIn(event, adar, hebrewYear);
}

std::vector<YearlyOccurrence> YearlyOccurrencesIn(const HebrewDate& event,
                                                  PersonDateKind kind,
                                                  AdarChoice adar,
                                                  DayNumber first,
                                                  DayNumber last) {
    int day = 0, month = 0, firstYear = 0, lastYear = 0;
    DayNumberToHebrew(first, day, month, firstYear);
    DayNumberToHebrew(last, day, month, lastYear);
    std::vector<YearlyOccurrence> found;
    for (int year = firstYear > event.year ? firstYear : event.year + 1; year <= lastYear; ++year) {
        const std::optional<YearlyDays> days = YearlyDaysIn(event, kind, adar, year);
        if (!days) {
            continue;
        }
        for (const std::optional<DayNumber> d : {std::optional<DayNumber>(days->first), days->second}) {
            if (d && *d >= first && *d <= last) {
                found.push_back({*d, year});
            }
        }
    }
    return found;
}

DayNumber ComingOfAgeDay(const HebrewDate& birth, int years) {
    const int year = ClampHebrewYear(birth.year + years);
    if (const std::optional<YearlyDays> days = YearlyDaysIn(birth, PersonDateKind::Birthday, AdarChoice::Usual, year)) {
        return days->first;
    }
    return OwnDay(birth);
}
