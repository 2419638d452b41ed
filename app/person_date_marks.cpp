#include "app/person_date_marks.h"

#include "calendar/anniversary.h"

namespace {

constexpr int kMarkedDays = 31;  // the mask has a bit for each day 1..31

}  // namespace

std::uint32_t PersonDateMarks(const std::vector<PersonDate>& dates, DayNumber firstDay, int daysInMonth) {
    if (daysInMonth < 1) {
        return 0;
    }
    const int days = daysInMonth < kMarkedDays ? daysInMonth : kMarkedDays;
    const auto lastDay = static_cast<DayNumber>(firstDay + days - 1);
    std::uint32_t marks = 0;
    for (const PersonDate& date : dates) {
        for (const YearlyOccurrence& occurrence :
             YearlyOccurrencesIn(HebrewDateOf(date), date.kind, date.adar, firstDay, lastDay)) {
            marks |= 1u << static_cast<unsigned>(occurrence.day - firstDay + 1);
        }
    }
    return marks;
}

std::uint32_t PersonDateMarkCache::MarksOf(const std::vector<PersonDate>& dates,
                                           unsigned datesRevision,
                                           DayNumber firstDay,
                                           int daysInMonth) {
    if (!filled_ || revision_ != datesRevision || firstDay_ != firstDay || daysInMonth_ != daysInMonth) {
        marks_ = PersonDateMarks(dates, firstDay, daysInMonth);
        filled_ = true;
        revision_ = datesRevision;
        firstDay_ = firstDay;
        daysInMonth_ = daysInMonth;
    }
    return marks_;
}
