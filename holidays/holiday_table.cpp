#include "holidays/holiday_table.h"

#include <algorithm>

#include "calendar/hebrew.h"
#include "holidays/holiday_rows.h"

namespace {

const HolidayRow* FirstRowOnOrAfter(const HolidayTable& table, DayNumber n) {
    return std::lower_bound(table.rows, table.rows + table.count, n,
                            [](const HolidayRow& row, DayNumber wanted) { return row.dayNumber < wanted; });
}

}  // namespace

HolidayTable HolidayTableFor(Observance observance) {
    if (IsDiaspora(observance)) {
        return {holiday_rows::diaspora, holiday_rows::diasporaCount};
    }
    return {holiday_rows::israel, holiday_rows::israelCount};
}

// The rows are sorted by day number, so a binary search finds the first row of a day; the answers are those of a
// scan from the first row that stops at the first row past the day.
bool HasHoliday(DayNumber n, Observance observance) {
    const HolidayTable table = HolidayTableFor(observance);
    const HolidayRow* row = FirstRowOnOrAfter(table, n);
    return row != table.rows + table.count && row->dayNumber == n;
}

HolidayCodes HolidaysOn(DayNumber n, Observance observance) {
    const HolidayTable table = HolidayTableFor(observance);
    const HolidayRow* const end = table.rows + table.count;
    HolidayCodes result{};
    for (const HolidayRow* row = FirstRowOnOrAfter(table, n); row != end && row->dayNumber == n; ++row) {
        if (result.count == kMaxHolidaysPerDay) {
            break;
        }
        result.codes[result.count++] = row->code;
    }
    return result;
}

DayNumber FindHolidayInHebrewYear(int hebrewYear, Observance observance, HolidayCode code) {
    const DayNumber lower = HebrewToDayNumber(1, kTishrei, hebrewYear);
    const DayNumber upper = HebrewToDayNumber(1, kElul, hebrewYear);
    const HolidayTable table = HolidayTableFor(observance);
    const HolidayRow* const end = table.rows + table.count;
    for (const HolidayRow* row = FirstRowOnOrAfter(table, lower); row != end && row->dayNumber <= upper; ++row) {
        if (row->code == code) {
            return row->dayNumber;
        }
    }
    return 0;
}

DayNumber FindHolidayInCursorHebrewYear(const CalendarCursor& cursor, Observance observance, HolidayCode code) {
    return FindHolidayInHebrewYear(cursor.HebrewYear(), observance, code);
}
