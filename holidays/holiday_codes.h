// The holidays by code: a code is what a table row holds, and the index of the holiday's name and description.
#pragma once

#include <cstdint>

enum class HolidayCode : std::int32_t {
    None = 0,
    RoshChodesh = 1,
    TuBShvat = 2,
    PurimKatan = 3,
    ShabbatShekalim = 4,
    ShabbatZachor = 5,
    FastOfEsther = 6,
    Purim = 7,
    ShushanPurim = 8,
    ShabbatParah = 9,
    ShabbatHaChodesh = 10,
    ShabbatHaGadol = 11,
    TaanitBechorot = 12,
    ErevPassover = 13,
    PassoverI = 14,
    PassoverII = 15,
    PassoverIII = 16,
    PassoverIV = 17,
    PassoverV = 18,
    PassoverVI = 19,
    PassoverVII = 20,
    PassoverVIII = 21,
    LagBOmer = 22,
    ErevShavuot = 23,
    ShavuotI = 24,
    ShavuotII = 25,
    FastOfTammuz = 26,
    ShabbatHazon = 27,
    TishaBAv = 28,
    ShabbatNachamu = 29,
    ErevRoshHashanah = 30,
    RoshHashanah = 31,
    RoshHashanahII = 32,
    FastOfGedaliah = 33,
    ShabbatShuva = 34,
    ErevYomKippur = 35,
    YomKippur = 36,
    ErevSukkot = 37,
    SukkotI = 38,
    SukkotII = 39,
    SukkotIII = 40,
    SukkotIV = 41,
    SukkotV = 42,
    SukkotVI = 43,
    HoshanaRaba = 44,
    ShminiAtzeret = 45,
    SimchatTorah = 46,
    ErevChanukah = 47,
    ChanukahI = 48,
    ChanukahII = 49,
    ChanukahIII = 50,
    ChanukahIV = 51,
    ChanukahV = 52,
    ChanukahVI = 53,
    ChanukahVII = 54,
    ChanukahVIII = 55,
    FastOfTevet = 56,
    YomHaShoah = 57,
    YomHaZikaron = 58,
    YomHaAtzmaut = 59,
    YomYerushalayim = 60,
};

// Codes run from 0 (none) to 60 without gaps.
inline constexpr int kHolidayCodeCount = 61;

constexpr int CodeNumber(HolidayCode code) {
    return static_cast<int>(code);
}

// The code of day n (from 0) of a run of holiday days with consecutive codes: DayOfRun(HolidayCode::ChanukahI, 2)
// is ChanukahIII.
constexpr HolidayCode DayOfRun(HolidayCode first, int n) {
    return static_cast<HolidayCode>(CodeNumber(first) + n);
}

// A number read from outside (a list's item data): its code, or None when it is not one.
constexpr HolidayCode HolidayCodeOf(long long number) {
    return number > 0 && number < kHolidayCodeCount ? static_cast<HolidayCode>(number) : HolidayCode::None;
}
