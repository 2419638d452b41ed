#include "zmanim/zmanim_text.h"

#include "calendar/month_names.h"
#include "calendar/text_buffer.h"

namespace {

constexpr std::size_t kTimeSize = 80;
constexpr std::size_t kDateSize = 80;
constexpr const char* kMissingTime = "--:--";
constexpr const char* kMissingMinutes = "--";
constexpr const char* kPageLabels = "Sunrise:\nSunset:\nNightfall:\nProp. hour:\n";

}  // namespace

// 0 shows as 12 AM, 12 as 12 PM.
int hour12(int hour) {
    const int h = hour % 12;
    return h == 0 ? 12 : h;
}

const char* amPm(int hour) {
    return hour < 12 ? "AM" : "PM";
}

std::size_t FormatPlaceLabel(const Location& location, LabelStyle style, char* buffer, std::size_t size) {
    char name[kPlaceLabelSize];
    location.cityName(name, sizeof name);
    if (!location.isZipCode()) {
        return CopyText(buffer, size, name);
    }
    const char* format = style == LabelStyle::Page ? "%s  %5.5d" : "%s %5.5d";
    return FormatText(buffer, size, format, name, static_cast<int>(location.city()));
}

std::size_t FormatZmanTime(bool has, int hour, int minute, char* buffer, std::size_t size) {
    if (!has) {
        return CopyText(buffer, size, kMissingTime);
    }
    return FormatText(buffer, size, "%d:%2.2d %s", hour12(hour), minute, amPm(hour));
}

std::size_t FormatProportionalHour(const DayZmanim& zmanim, char* buffer, std::size_t size) {
    if (!zmanim.hasProportionalHour) {
        return CopyText(buffer, size, kMissingMinutes);
    }
    return FormatText(buffer, size, "%.1f", zmanim.proportionalHour);
}

namespace {

struct ZmanTexts {
    char sunrise[kTimeSize];
    char sunset[kTimeSize];
    char nightfall[kTimeSize];
    char proportionalHour[kTimeSize];
};

ZmanTexts FormatZmanTexts(const DayZmanim& z) {
    ZmanTexts texts{};
    FormatZmanTime(z.hasSunrise, z.sunriseHour, z.sunriseMinute, texts.sunrise, sizeof texts.sunrise);
    FormatZmanTime(z.hasSunset, z.sunsetHour, z.sunsetMinute, texts.sunset, sizeof texts.sunset);
    FormatZmanTime(z.hasNightfall, z.nightfallHour, z.nightfallMinute, texts.nightfall, sizeof texts.nightfall);
    FormatProportionalHour(z, texts.proportionalHour, sizeof texts.proportionalHour);
    return texts;
}

// "December 6, 2026"
void FormatToday(const LocalDateTime& today, char* buffer, std::size_t size) {
    FormatDateLine(GregorianMonthName(today.month), today.day, today.year, buffer, size);
}

}  // namespace

void ZmanimPageColumnsOf(const DayZmanim& zmanim,
                         const char* currentTime,
                         const LocalDateTime& today,
                         const char* placeLabel,
                         std::vector<std::string>& columns) {
    const ZmanTexts texts = FormatZmanTexts(zmanim);
    char date[kDateSize];
    FormatToday(today, date, sizeof date);

    char times[kColumnSize];
    FormatText(times, sizeof times, "%s\n%s\n%s\n%s min\n", texts.sunrise, texts.sunset, texts.nightfall,
               texts.proportionalHour);
    char where[kColumnSize];
    FormatText(where, sizeof where, "%s\n%s\n%s\n", currentTime, date, placeLabel);

    columns.clear();
    columns.emplace_back(kPageLabels);
    columns.emplace_back(times);
    columns.emplace_back(where);
}

std::size_t ZmanimClipboardTextOf(const DayZmanim& zmanim,
                                  const LocalDateTime& today,
                                  const char* placeLabel,
                                  char* buffer,
                                  std::size_t size) {
    const ZmanTexts texts = FormatZmanTexts(zmanim);
    char date[kDateSize];
    FormatToday(today, date, sizeof date);
    return FormatText(buffer, size, "%s %s\n%s %s\n%s %s\n%s %s min\n\n%s\n%s\n", "Sunrise:", texts.sunrise,
                      "Sunset:", texts.sunset, "Nightfall:", texts.nightfall,
                      "Proportional Hour:", texts.proportionalHour, date, placeLabel);
}
