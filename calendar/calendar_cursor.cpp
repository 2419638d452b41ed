#include "calendar/calendar_cursor.h"

#include "calendar/hebrew.h"

namespace {

// Adar of the target year: Adar II in a leap year, plain Adar otherwise.
int MapAdar(int month, int year) {
    const bool leap = IsHebrewLeapYear(year);
    if (leap && month == kAdar) {
        return kAdarII;
    }
    if (!leap && (month == kAdarI || month == kAdarII)) {
        return kAdar;
    }
    return month;
}

bool CacheHolds(const MonthMarkCache& cache, int month, int year, Observance observance) {
    return cache.month != 0 && cache.month == month && cache.year == year && cache.observance == observance;
}

}  // namespace

void CalendarCursor::SetToToday(const LocalDateTime& today) {
    SetGregorianDate(today.day, today.month, today.year);
}

void CalendarCursor::SetGregorianDate(int day, int month, int year) {
    year_ = year;
    month_ = month;
    const int length = DaysInGregorianMonth(month, year);
    day_ = day <= length ? day : length;
}

void CalendarCursor::SetGregorianDay(int day) {
    SetGregorianDate(day, month_, year_);
}

void CalendarCursor::SetGregorianMonth(int month) {
    SetGregorianDate(day_, month, year_);
}

void CalendarCursor::SetGregorianYear(int year) {
    SetGregorianDate(day_, month_, year);
}

void CalendarCursor::SetFromDayNumber(DayNumber n) {
    DayNumberToGregorian(n, day_, month_, year_);
}

void CalendarCursor::SetHebrewDate(int day, int month, int year) {
    const int mapped = MapAdar(month, year);
    const int length = DaysInHebrewMonth(mapped, year);
    SetFromDayNumber(HebrewToDayNumber(day <= length ? day : length, mapped, year));
}

void CalendarCursor::SetHebrewDay(int day) {
    SetHebrewDate(day, HebrewMonth(), HebrewYear());
}

void CalendarCursor::SetHebrewMonth(int month) {
    SetHebrewDate(HebrewDay(), month, HebrewYear());
}

void CalendarCursor::SetHebrewYear(int year) {
    SetHebrewDate(HebrewDay(), HebrewMonth(), year);
}

void CalendarCursor::GetGregorianDate(int* day, int* month, int* year, int* weekday) const {
    if (day == nullptr || month == nullptr || year == nullptr || weekday == nullptr) {
        return;
    }
    *day = day_;
    *month = month_;
    *year = year_;
    *weekday = WeekdayOf(CursorDayNumber());
}

void CalendarCursor::GetHebrewDate(int* day, int* month, int* year, int* weekday) const {
    if (day == nullptr || month == nullptr || year == nullptr || weekday == nullptr) {
        return;
    }
    const DayNumber n = CursorDayNumber();
    DayNumberToHebrew(n, *day, *month, *year);
    *weekday = WeekdayOf(n);
}

DayNumber CalendarCursor::CursorDayNumber() const {
    return GregorianToDayNumber(day_, month_, year_);
}

int CalendarCursor::GregorianMonthLength() const {
    return DaysInGregorianMonth(month_, year_);
}

int CalendarCursor::GregorianMonthFirstWeekday() const {
    return FirstWeekdayOfGregorianMonth(month_, year_);
}

int CalendarCursor::HebrewDay() const {
    int day = 0, month = 0, year = 0, weekday = 0;
    GetHebrewDate(&day, &month, &year, &weekday);
    return day;
}

int CalendarCursor::HebrewMonth() const {
    int day = 0, month = 0, year = 0, weekday = 0;
    GetHebrewDate(&day, &month, &year, &weekday);
    return month;
}

int CalendarCursor::HebrewYear() const {
    int day = 0, month = 0, year = 0, weekday = 0;
    GetHebrewDate(&day, &month, &year, &weekday);
    return year;
}

bool CalendarCursor::IsHebrewLeap() const {
    return IsHebrewLeapYear(HebrewYear());
}

int CalendarCursor::HebrewMonthLength() const {
    return DaysInHebrewMonth(HebrewMonth(), HebrewYear());
}

int CalendarCursor::HebrewMonthFirstWeekday() const {
    return FirstWeekdayOfHebrewMonth(HebrewMonth(), HebrewYear());
}

std::uint32_t CalendarCursor::GregorianMonthMarks(Observance observance) {
    if (CacheHolds(gregorianMarks_, month_, year_, observance)) {
        return gregorianMarks_.mask;
    }
    std::uint32_t mask = 0;
    const int length = GregorianMonthLength();
    for (int i = 1; i <= length; ++i) {
        if (hasHoliday_(GregorianToDayNumber(i, month_, year_), observance)) {
            mask |= 1u << i;
        }
    }
    gregorianMarks_ = {mask, month_, year_, observance};
    return mask;
}

std::uint32_t CalendarCursor::HebrewMonthMarks(Observance observance) {
    int day = 0, month = 0, year = 0, weekday = 0;
    GetHebrewDate(&day, &month, &year, &weekday);
    if (CacheHolds(hebrewMarks_, month, year, observance)) {
        return hebrewMarks_.mask;
    }
    std::uint32_t mask = 0;
    const DayNumber first = HebrewToDayNumber(1, month, year);
    const int length = DaysInHebrewMonth(month, year);
    for (int i = 1; i <= length; ++i) {
        if (hasHoliday_(first + i - 1, observance)) {
            mask |= 1u << i;
        }
    }
    hebrewMarks_ = {mask, month, year, observance};
    return mask;
}
