#include "cli/arguments.h"

#include "calendar/gregorian.h"
#include "calendar/month_names.h"

namespace {

// The bytes as a message shows them: a control character (a line end, a tab) as an escape, "\n" or "\x1B", so that
// an error stays one line.
std::string Shown(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xF];
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace

std::string Quote(const std::string& argument) {
    if (argument.size() <= kQuotedLength) {
        return "'" + Shown(argument) + "'";
    }
    std::size_t length = kQuotedLength;
    // Back to the first byte of the character that would be cut (UTF-8 continuation bytes are 10xxxxxx).
    while (length > 0 && (static_cast<unsigned char>(argument[length]) & 0xC0) == 0x80) {
        --length;
    }
    return "'" + Shown(argument.substr(0, length)) + "...'";
}

std::optional<int> ParseCount(const std::string& text) {
    constexpr std::size_t kMaxDigits = 9;
    if (text.empty() || text.size() > kMaxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<Date> ParseDate(const std::string& text, std::string& reason) {
    const std::optional<int> year =
        text.size() == 10 && text[4] == '-' && text[7] == '-' ? ParseCount(text.substr(0, 4)) : std::nullopt;
    const std::optional<int> month = year ? ParseCount(text.substr(5, 2)) : std::nullopt;
    const std::optional<int> day = month ? ParseCount(text.substr(8, 2)) : std::nullopt;
    if (!day) {
        reason = "is not a date of the form YYYY-MM-DD";
        return std::nullopt;
    }
    if (*month < 1 || *month > 12) {
        reason = "is of the form YYYY-MM-DD, but no such day exists: there is no month " + std::to_string(*month);
        return std::nullopt;
    }
    const int days = DaysInGregorianMonth(*month, *year);
    if (*day < 1 || *day > days) {
        reason = "is of the form YYYY-MM-DD, but no such day exists: " + std::string(GregorianMonthName(*month)) + " " +
                 std::to_string(*year) + " has days 1 to " + std::to_string(days);
        return std::nullopt;
    }
    return Date{*day, *month, *year};
}

bool InSupportedYears(const Date& date) {
    return date.year >= kFirstSupportedYear && date.year <= kLastSupportedYear;
}

std::optional<Observance> ParseObservance(const std::string& text) {
    if (text == "israel") {
        return Observance::Israel;
    }
    if (text == "diaspora") {
        return Observance::Diaspora;
    }
    return std::nullopt;
}

const char* ObservanceName(Observance observance) {
    return IsDiaspora(observance) ? "diaspora" : "israel";
}
