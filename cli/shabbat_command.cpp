// shabbat: candle lighting, havdalah and the fasts' times of a week or of a span of years, as readable lines or CSV.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/shabbat_times.h"
#include "calendar/clock.h"
#include "calendar/gregorian.h"
#include "calendar/month_names.h"
#include "calendar/text_buffer.h"
#include "cli/arguments.h"
#include "cli/binary_stdout.h"
#include "cli/commands.h"
#include "cli/date_options.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/place_options.h"
#include "cli/reading_text.h"
#include "cli/saved_settings.h"
#include "holidays/holiday_text.h"
#include "holidays/parsha.h"
#include "location/place_rules.h"
#include "zmanim/host_zone.h"
#include "zmanim/local_time.h"
#include "zmanim/zmanim_text.h"

namespace {

constexpr int kSaturday = 6;
constexpr std::size_t kBlockSize = 64 * 1024;
constexpr std::size_t kLongestLine = 64;  // "2099-12-31,fast-begins,-1234.5678\n" is 34
constexpr std::size_t kTimeSize = 16;
constexpr std::size_t kDateColumns = 17;  // "Wed, Sep 25, 2024"
constexpr std::size_t kClockColumns = 8;  // "12:05 AM"
constexpr std::string_view kBlanks = "          ";

// What the command was asked for.
struct ShabbatRequest {
    DayNumber first = 0;  // a span of years, or the week of one day
    DayNumber last = 0;
    bool week = true;
    bool csv = false;
    bool ut = false;
    Observance observance = Observance::Diaspora;
    Location location;
    ShabbatRules rules;
};

// The local clock time of a time on the place's clock: a ZIP place's own zone, any other the computer's.
std::optional<LocalClock> LocalClockOf(const ShabbatTime& time, const SpanClock& clock) {
    if (!time.instant) {
        return std::nullopt;
    }
    return clock.ClockOf(*time.instant);
}

char* AppendDigits(char* out, int value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return out + width;
}

// YYYY-MM-DD,KIND,TIME lines, TIME HH:MM on the place's clock, the minutes of UT with ut, or none; formatted into one
// block and written a block at a time.
void WriteCsv(const std::vector<ShabbatTime>& times, const SpanClock& clock, bool ut, std::vector<char>& block) {
    block.resize(kBlockSize);
    char* const start = block.data();
    char* out = start;
    for (const ShabbatTime& time : times) {
        if (static_cast<std::size_t>(out - start) > kBlockSize - kLongestLine) {
            std::fwrite(start, 1, static_cast<std::size_t>(out - start), stdout);
            out = start;
        }
        int day = 0, month = 0, year = 0;
        DayNumberToGregorian(time.date, day, month, year);
        out = AppendDigits(out, year, 4);
        *out++ = '-';
        out = AppendDigits(out, month, 2);
        *out++ = '-';
        out = AppendDigits(out, day, 2);
        *out++ = ',';
        for (const char* kind = ShabbatTimeKey(time.kind); *kind != '\0'; ++kind) {
            *out++ = *kind;
        }
        *out++ = ',';
        const std::optional<LocalClock> local = ut ? std::nullopt : LocalClockOf(time, clock);
        if (ut && time.minutesUt) {
            out += FormatText(out, kLongestLine / 2, "%.4f", *time.minutesUt);
        } else if (local) {
            out = AppendDigits(out, local->hour, 2);
            *out++ = ':';
            out = AppendDigits(out, local->minute, 2);
        } else {
            for (const char c : {'n', 'o', 'n', 'e'}) {
                *out++ = c;
            }
        }
        *out++ = '\n';
    }
    std::fwrite(start, 1, static_cast<std::size_t>(out - start), stdout);
}

// Text gathered into a block and written to standard output (WriteText) a block at a time: each piece is copied in
// whole, and one that would not fit sends the block out first.
class TextBlock {
  public:
    TextBlock() : chars_(kBlockSize) {}

    void Add(std::string_view piece) {
        if (piece.size() > kBlockSize - used_) {
            Write();
            if (piece.size() > kBlockSize) {
                WriteText(stdout, piece);
                return;
            }
        }
        if (!piece.empty()) {  // an empty view may hold no pointer at all
            std::memcpy(chars_.data() + used_, piece.data(), piece.size());
            used_ += piece.size();
        }
    }

    void Write() {
        if (used_ > 0) {
            WriteText(stdout, {chars_.data(), used_});
            used_ = 0;
        }
    }

  private:
    std::vector<char> chars_;
    std::size_t used_ = 0;
};

// "Fri, Oct 18, 2024" into shown, which holds kDateColumns characters; returns the characters written.
std::size_t FormatShortDate(DayNumber n, char* shown) {
    static constexpr char kWeekdays[] = "SunMonTueWedThuFriSat";
    int day = 0, month = 0, year = 0;
    DayNumberToGregorian(n, day, month, year);
    char* out = std::copy_n(kWeekdays + 3 * WeekdayOf(n), 3, shown);
    *out++ = ',';
    *out++ = ' ';
    out = std::copy_n(GregorianMonthName(month), 3, out);
    *out++ = ' ';
    out = day >= 10 ? AppendDigits(out, day, 2) : AppendDigits(out, day, 1);
    *out++ = ',';
    *out++ = ' ';
    out = AppendDigits(out, year, 4);
    return static_cast<std::size_t>(out - shown);
}

// The clock as the zmanim text shows it ("5:52 PM", "--:--"), set right in 8 columns.
void AddClock(TextBlock& block, const std::optional<LocalClock>& local) {
    char shown[kTimeSize];
    std::size_t length = 0;
    if (!local) {
        for (const char c : {'-', '-', ':', '-', '-'}) {
            shown[length++] = c;
        }
    } else {
        const int hour = hour12(local->hour);
        if (hour >= 10) {
            shown[length++] = static_cast<char>('0' + hour / 10);
        }
        shown[length++] = static_cast<char>('0' + hour % 10);
        shown[length++] = ':';
        shown[length++] = static_cast<char>('0' + local->minute / 10);
        shown[length++] = static_cast<char>('0' + local->minute % 10);
        shown[length++] = ' ';
        for (const char* c = amPm(local->hour); *c != '\0' && length < sizeof shown; ++c) {
            shown[length++] = *c;
        }
    }
    block.Add(kBlanks.substr(0, length < kClockColumns ? kClockColumns - length : 0));
    block.Add({shown, length});
}

// What a time is for: "Candle lighting: Shabbat", "Havdalah: Yom Kippur ends", "Fast begins: Tisha B'Av".
void AddDescription(TextBlock& block, const ShabbatTime& time, Observance observance) {
    block.Add(time.moment == DayMoment::NightfallCandles ? "Candle lighting, not before"
                                                         : ShabbatTimeKindName(time.kind));
    block.Add(": ");
    const ShabbatTimeOccasion occasion = OccasionOf(time, observance);
    block.Add(occasion.shabbatToo);
    block.Add(occasion.name);
    block.Add(occasion.ends);
}

// A heading with the place and the span.
void WriteHeading(const ShabbatRequest& request) {
    char label[kPlaceLabelSize];
    FormatPlaceLabel(request.location, LabelStyle::Clipboard, label, sizeof label);
    const std::string place = label[0] != '\0'
                                  ? std::string(label)
                                  : PositionText({request.location.latitude(), request.location.longitude()});
    std::string text = "Shabbat and festival times at " + place + " (" +
                       (IsDiaspora(request.observance) ? "Diaspora" : "Israel") + ")\n";
    if (request.week) {
        char date[kDateColumns];
        text.append("Week of ").append(date, FormatShortDate(request.first, date)) += "\n";
    }
    text += "\n";
    WriteText(stdout, text);
}

// The date set in its column, "Fri, Oct 18, 2024 ", kept for the lines of the same date that follow it.
class DateColumn {
  public:
    void AddTo(TextBlock& block, DayNumber n) {
        if (n != date_ || !set_) {
            date_ = n;
            set_ = true;
            std::fill(std::begin(shown_) + FormatShortDate(n, shown_), std::end(shown_), ' ');
        }
        block.Add({shown_, sizeof shown_});
    }

  private:
    DayNumber date_ = 0;
    bool set_ = false;
    char shown_[kDateColumns + 1];  // the date, then blanks to the end of its column and one more
};

// The Saturday's reading, in the clock's place left blank: "Torah portion: Vayakhel-Pekudei", or on a festival day
// what parsha names instead, "Festival reading: CHM Passover V".
void AddReading(TextBlock& block, DateColumn& date, const WeeklyPortion& reading, Observance observance) {
    char name[kWeeklyPortionNameSize];
    const std::size_t length = WeeklyPortionName(reading, observance, name, sizeof name);
    date.AddTo(block, reading.shabbat);
    block.Add(kBlanks.substr(0, kClockColumns + 2));
    block.Add(ReadingLabel(reading));
    block.Add({name, length});
    block.Add("\n");
}

// Adds a line for each time (its date, its clock, what it is for) and for the reading of each Saturday of
// first..last, which comes before the Saturday's times.
void AddReadable(TextBlock& block,
                 const std::vector<ShabbatTime>& times,
                 DayNumber first,
                 DayNumber last,
                 const SpanClock& clock,
                 const ShabbatRequest& request) {
    const std::vector<WeeklyPortion> readings = PortionsOfShabbatot(first, last, request.observance);
    auto reading = readings.begin();
    DateColumn date;
    for (const ShabbatTime& time : times) {
        for (; reading != readings.end() && reading->shabbat <= time.date; ++reading) {
            AddReading(block, date, *reading, request.observance);
        }
        date.AddTo(block, time.date);
        AddClock(block, LocalClockOf(time, clock));
        block.Add("  ");
        AddDescription(block, time, request.observance);
        block.Add("\n");
    }
    for (; reading != readings.end(); ++reading) {
        AddReading(block, date, *reading, request.observance);
    }
}

// The span: the years of --from and --to (either alone is one year), else the week of --date or of today.
int ResolveSpan(const GivenOptions& given, ShabbatRequest& request) {
    if (given.Has("--from") || given.Has("--to")) {
        YearSpan years{};
        if (const int status = TakeYearSpan(given, "shabbat", kFirstSupportedYear, true, years); status != 0) {
            return status;
        }
        request.week = false;
        request.first = GregorianToDayNumber(1, 1, years.from);
        request.last = GregorianToDayNumber(31, 12, years.to);
        return 0;
    }
    Date date{};
    if (const int status = TakeDateOrToday(given, "shabbat", ReadLocalClock(), date); status != 0) {
        return status;
    }
    request.first = GregorianToDayNumber(date.day, date.month, date.year);
    request.first -= WeekdayOf(request.first);
    request.last = request.first + kSaturday;
    return 0;
}

}  // namespace

int RunShabbatCommand(const Arguments& args) {
    static constexpr Option kOptions[] = {
        {"--date", Takes::Value, {}, {}},  {"--from", Takes::Value, {}, {}}, {"--to", Takes::Value, {}, {}},
        {"--csv", Takes::Nothing, {}, {}}, {"--ut", Takes::Nothing, {}, {}},
    };
    GivenOptions given;
    if (const int status = ReadOptions(
            args, {"shabbat", {kOptions, kPlaceOptions, kObservanceOption, kShabbatOptions}, 0, {}, {kDateOrYears}},
            given);
        status != 0) {
        return status;
    }
    ShabbatRequest request;
    request.csv = given.Has("--csv");
    request.ut = given.Has("--ut");
    if (request.ut && !request.csv) {
        return UsageError("shabbat: --ut goes only with --csv");
    }
    if (const int status = ResolveSpan(given, request); status != 0) {
        return status;
    }
    SavedSettings saved;
    if (const int status = ResolveObservance(given.Value("--observance"), saved, request.observance); status != 0) {
        return status;
    }
    if (const int status = ResolvePlace(PlaceOptionsOf(given), PlaceUse::Show, "shabbat", saved, request.location);
        status != 0) {
        return status;
    }
    ShabbatSettings settings = saved.Shabbat();
    if (const int status = SetShabbatOptions(given, "shabbat", settings); status != 0) {
        return status;
    }
    request.rules = settings.RulesAt(request.location.city());

    const ZmanimPlace place = ZmanimPlaceOf(request.location);
    UseBinaryStdout();
    if (!request.csv) {
        WriteHeading(request);
    }
    // A span of years a year at a time: the times of consecutive years follow each other as those of the whole span.
    bool any = false;
    std::vector<char> block;  // the CSV lines
    TextBlock text;           // the readable lines
    for (DayNumber first = request.first; first <= request.last;) {
        int day = 0, month = 0, year = 0;
        DayNumberToGregorian(first, day, month, year);
        const DayNumber last = request.week ? request.last : GregorianToDayNumber(31, 12, year);
        const std::vector<ShabbatTime> times =
            request.week ? ShabbatWeekTimes(first, request.observance, place, request.rules)
                         : ShabbatTimes(first, last, request.observance, place, request.rules);
        any = any || !times.empty();
        int lastDay = 0, lastMonth = 0, lastYear = 0;
        DayNumberToGregorian(times.empty() ? last : times.back().date, lastDay, lastMonth, lastYear);
        const SpanClock clock(request.location.zoneRule(), HostUtcToLocal, year, lastYear);
        if (request.csv) {
            WriteCsv(times, clock, request.ut, block);
        } else {
            AddReadable(text, times, first, last, clock, request);
        }
        first = last + 1;
    }
    if (!request.csv) {
        text.Add((any ? "" : "No candle lighting, havdalah or fast in this span.\n") + std::string("\n") +
                 ShabbatRulesText(request.rules) + "\n");
        text.Write();
    }
    return FinishOutput();
}
