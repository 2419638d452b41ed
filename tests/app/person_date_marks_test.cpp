#include "app/person_date_marks.h"

#include <gtest/gtest.h>

#include <vector>

#include "calendar/hebrew.h"

namespace {

// A death on 7 Adar 5783 (28 February 2023), a common year, and one on 30 Cheshvan 5743 (16 November 1982), whose
// next year has a 30th: the worked cases of calendar/anniversary.cpp.
PersonDate AdarDeath(AdarChoice adar) {
    PersonDate date;
    date.name = "A";
    date.kind = PersonDateKind::Yahrzeit;
    date.civilDay = GregorianToDayNumber(28, 2, 2023);
    date.adar = adar;
    return date;
}

PersonDate CheshvanDeath() {
    PersonDate date;
    date.name = "B";
    date.kind = PersonDateKind::Yahrzeit;
    date.hebrew = {30, kCheshvan, 5743};
    return date;
}

TEST(PersonDateMarks, MarksTheYearlyDaysThatFallInTheShownMonth) {
    PersonDate birthday = AdarDeath(AdarChoice::Usual);
    birthday.kind = PersonDateKind::Birthday;
    const struct {
        const char* label;
        std::vector<PersonDate> dates;
        DayNumber first;
        int days;
        std::uint32_t marks;
    } cases[] = {
        {"a yahrzeit of Adar kept in Adar I: 7 Adar I 5784 is 16 February 2024",
         {AdarDeath(AdarChoice::Usual), CheshvanDeath()},
         GregorianToDayNumber(1, 2, 2024),
         29,
         1u << 16},
        {"nothing in Adar II", {AdarDeath(AdarChoice::Usual)}, HebrewToDayNumber(1, kAdarII, 5784), 29, 0},
        {"both Adars: 7 Adar II too", {AdarDeath(AdarChoice::Both)}, HebrewToDayNumber(1, kAdarII, 5784), 29, 1u << 7},
        {"a birthday of Adar kept in Adar II: 17 March 2024",
         {birthday},
         GregorianToDayNumber(1, 3, 2024),
         31,
         1u << 17},
        {"the event's own month is no yearly day",
         {AdarDeath(AdarChoice::Usual)},
         GregorianToDayNumber(1, 2, 2023),
         28,
         0},
        {"the month's last day: 30 Cheshvan 5744",
         {CheshvanDeath()},
         HebrewToDayNumber(1, kCheshvan, 5744),
         30,
         1u << 30},
        {"a year of 29-day Cheshvan keeps it on 1 Kislev 5745",
         {CheshvanDeath()},
         HebrewToDayNumber(1, kKislev, 5745),
         30,
         1u << 1},
        {"the 31st: 7 Adar I 5784 seen from 17 January 2024",
         {AdarDeath(AdarChoice::Usual)},
         GregorianToDayNumber(17, 1, 2024),
         31,
         1u << 31},
        {"no dates", {}, GregorianToDayNumber(1, 2, 2024), 29, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PersonDateMarks(c.dates, c.first, c.days), c.marks) << c.label;
    }
}

TEST(PersonDateMarks, CacheWorksTheMarksOutAgainForANewMonthOrNewDates) {
    PersonDateMarkCache cache;
    const DayNumber february = GregorianToDayNumber(1, 2, 2024);
    const DayNumber march = GregorianToDayNumber(1, 3, 2024);
    const std::vector<PersonDate> usual = {AdarDeath(AdarChoice::Usual)};
    EXPECT_EQ(cache.MarksOf(usual, 1, february, 29), 1u << 16);
    EXPECT_EQ(cache.MarksOf(usual, 1, march, 31), 0u);
    EXPECT_EQ(cache.MarksOf({AdarDeath(AdarChoice::AdarII)}, 2, march, 31), 1u << 17);
    EXPECT_EQ(cache.MarksOf({}, 3, march, 31), 0u);
}

}  // namespace
