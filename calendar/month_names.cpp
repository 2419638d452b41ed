#include "calendar/month_names.h"

#include "calendar/text_buffer.h"

namespace {

constexpr const char* kGregorianNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};

constexpr const char* kHebrewNames[14] = {"Tishrei", "Cheshvan", "Kislev", "Tevet", "Shevat", "Adar",   "Nisan",
                                          "Iyar",    "Sivan",    "Tammuz", "Av",    "Elul",   "Adar I", "Adar II"};

constexpr MonthChoice kRegularChoices[12] = {{"Tishrei", 1}, {"Cheshvan", 2}, {"Kislev", 3}, {"Tevet", 4},
                                             {"Shevat", 5},  {"Adar", 6},     {"Nisan", 7},  {"Iyar", 8},
                                             {"Sivan", 9},   {"Tammuz", 10},  {"Av", 11},    {"Elul", 12}};

constexpr MonthChoice kLeapChoices[13] = {{"Tishrei", 1}, {"Cheshvan", 2}, {"Kislev", 3}, {"Tevet", 4}, {"Shevat", 5},
                                          {"Adar I", 13}, {"Adar II", 14}, {"Nisan", 7},  {"Iyar", 8},  {"Sivan", 9},
                                          {"Tammuz", 10}, {"Av", 11},      {"Elul", 12}};

}  // namespace

const char* GregorianMonthName(int month) {
    return (month >= 1 && month <= 12) ? kGregorianNames[month - 1] : nullptr;
}

const char* HebrewMonthName(int month) {
    return (month >= 1 && month <= 14) ? kHebrewNames[month - 1] : nullptr;
}

std::size_t FormatDateLine(const char* monthName, int day, int year, char* buffer, std::size_t capacity) {
    return FormatText(buffer, capacity, "%s %d, %d", monthName != nullptr ? monthName : "", day, year);
}

MonthChoiceList HebrewMonthChoices(bool leapYear) {
    if (leapYear) {
        return {kLeapChoices, 13};
    }
    return {kRegularChoices, 12};
}
