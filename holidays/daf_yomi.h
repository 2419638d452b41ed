// Daf yomi: the page of the Babylonian Talmud studied on each day, one page a day through the tractates in a fixed
// order; when Niddah ends the next cycle begins again with Berachot.
//
// The first cycle began on 11 September 1923 with Berachot 2. Pages are the leaves of the printed Talmud, each
// tractate beginning on page 2. Kinnim, Tamid and Middot are printed after Me'ilah and carry on its numbering, so
// the cycle studies them as Kinnim 23-25, Tamid 26-33 and Middot 34-37. Shekalim, which the Babylonian Talmud
// lacks, is studied from the Jerusalem Talmud in its place after Pesachim: 12 pages (2-13) in the first seven
// cycles, and from the eighth, which began on 24 June 1975, 21 pages (2-22) in the edition printed with the
// Babylonian Talmud. A cycle is 2702 days, from the eighth on 2711.
//
// Names are written as the program writes its holiday names: "ch" for both chet and the soft kaf (Berachot,
// Bechorot as in "Ta'anit Bechorot"), a final "h" for a final he (Sukkah, Megillah), an apostrophe between two
// vowels that an ayin parts (Ta'anit, Mo'ed Katan, Me'ilah), and "Bava" for the three gates.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "calendar/gregorian.h"

// The tractates in the order of the cycle; the number is the tractate's place in it (Berachot 1 .. Niddah 40).
enum class Tractate : std::uint8_t {
    Berachot = 1,
    Shabbat,
    Eruvin,
    Pesachim,
    Shekalim,
    Yoma,
    Sukkah,
    Beitzah,
    RoshHashanah,
    Taanit,
    Megillah,
    MoedKatan,
    Chagigah,
    Yevamot,
    Ketubot,
    Nedarim,
    Nazir,
    Sotah,
    Gittin,
    Kiddushin,
    BavaKamma,
    BavaMetzia,
    BavaBatra,
    Sanhedrin,
    Makkot,
    Shevuot,
    AvodahZarah,
    Horayot,
    Zevachim,
    Menachot,
    Chullin,
    Bechorot,
    Arachin,
    Temurah,
    Keritot,
    Meilah,
    Kinnim,
    Tamid,
    Middot,
    Niddah,
};
inline constexpr int kTractateCount = 40;

constexpr int TractateNumber(Tractate tractate) {
    return static_cast<int>(tractate);
}

struct DafYomi {
    Tractate tractate;
    int page;
};

// 11 September 1923 is day 2423674, the first day of the first cycle; 24 June 1975 (day 2442588) the first of the
// eighth.
inline constexpr DayNumber kFirstDafYomiDay = GregorianToDayNumber(11, 9, 1923);
inline constexpr int kFirstCycleWithLongShekalim = 8;

namespace daf_yomi_detail {

struct TractateRow {
    std::string_view name;
    int firstPage;
    int lastPage;
};

// The definition of the cycle: each tractate in its order with the first and last page studied.
inline constexpr TractateRow kTractates[kTractateCount] = {
    {"Berachot", 2, 64},      {"Shabbat", 2, 157},     {"Eruvin", 2, 105},      {"Pesachim", 2, 121},
    {"Shekalim", 2, 22},      {"Yoma", 2, 88},         {"Sukkah", 2, 56},       {"Beitzah", 2, 40},
    {"Rosh Hashanah", 2, 35}, {"Ta'anit", 2, 31},      {"Megillah", 2, 32},     {"Mo'ed Katan", 2, 29},
    {"Chagigah", 2, 27},      {"Yevamot", 2, 122},     {"Ketubot", 2, 112},     {"Nedarim", 2, 91},
    {"Nazir", 2, 66},         {"Sotah", 2, 49},        {"Gittin", 2, 90},       {"Kiddushin", 2, 82},
    {"Bava Kamma", 2, 119},   {"Bava Metzia", 2, 119}, {"Bava Batra", 2, 176},  {"Sanhedrin", 2, 113},
    {"Makkot", 2, 24},        {"Shevuot", 2, 49},      {"Avodah Zarah", 2, 76}, {"Horayot", 2, 14},
    {"Zevachim", 2, 120},     {"Menachot", 2, 110},    {"Chullin", 2, 142},     {"Bechorot", 2, 61},
    {"Arachin", 2, 34},       {"Temurah", 2, 34},      {"Keritot", 2, 28},      {"Me'ilah", 2, 22},
    {"Kinnim", 23, 25},       {"Tamid", 26, 33},       {"Middot", 34, 37},      {"Niddah", 2, 73},
};
// Shekalim's last page before the eighth cycle.
inline constexpr int kShortShekalimLastPage = 13;

constexpr int LastPage(int index, bool longShekalim) {
    const bool shortShekalim = index + 1 == TractateNumber(Tractate::Shekalim) && !longShekalim;
    return shortShekalim ? kShortShekalimLastPage : kTractates[index].lastPage;
}

// The days of one cycle: 2702, or 2711 with the long Shekalim.
constexpr int CycleLength(bool longShekalim) {
    int days = 0;
    for (int i = 0; i < kTractateCount; ++i) {
        days += LastPage(i, longShekalim) - kTractates[i].firstPage + 1;
    }
    return days;
}

}  // namespace daf_yomi_detail

// The page of the day; empty before kFirstDafYomiDay. 11 September 1923 is Berachot 2, 5 January 2020 (the first
// day of the fourteenth cycle) Berachot 2 again, 1 January 2023 Nedarim 68.
constexpr std::optional<DafYomi> DafYomiOn(DayNumber day) {
    using namespace daf_yomi_detail;
    if (day < kFirstDafYomiDay) {
        return std::nullopt;
    }
    // At most kLastDayNumber - kFirstDafYomiDay, below 2^29.
    int offset = day - kFirstDafYomiDay;
    const int shortCycles = (kFirstCycleWithLongShekalim - 1) * CycleLength(false);
    const bool longShekalim = offset >= shortCycles;
    offset = longShekalim ? (offset - shortCycles) % CycleLength(true) : offset % CycleLength(false);
    for (int i = 0; i < kTractateCount; ++i) {
        const int pages = LastPage(i, longShekalim) - kTractates[i].firstPage + 1;
        if (offset < pages) {
            return DafYomi{static_cast<Tractate>(i + 1), kTractates[i].firstPage + offset};
        }
        offset -= pages;
    }
    return std::nullopt;  // not reached: offset is less than the cycle's length
}

// "Berachot", "Bava Kamma", "Me'ilah"; empty for a value outside the enumeration.
constexpr std::string_view TractateName(Tractate tractate) {
    const int number = TractateNumber(tractate);
    return number >= 1 && number <= kTractateCount ? daf_yomi_detail::kTractates[number - 1].name : std::string_view();
}

static_assert(daf_yomi_detail::CycleLength(false) == 2702 && daf_yomi_detail::CycleLength(true) == 2711);
static_assert(TractateNumber(Tractate::Niddah) == kTractateCount);
static_assert(kFirstDafYomiDay == 2423674);
