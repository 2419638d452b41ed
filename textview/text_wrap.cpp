#include "textview/text_wrap.h"

#include <algorithm>

std::string_view CapText(const char* text) {
    if (text == nullptr) {
        return {};
    }
    // Never looks further than the cap, so an unterminated buffer of at least kTextCap bytes is read safely.
    const char* const end = std::find(text, text + kTextCap, '\0');
    return std::string_view(text, static_cast<std::size_t>(end - text));
}

std::string_view CapText(std::string_view text) {
    return text.substr(0, kTextCap);
}

std::vector<std::string_view> SplitParagraphs(std::string_view text) {
    text = CapText(text);
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find('\n', start);
        const std::size_t end = newline == std::string_view::npos ? text.size() : newline;
        if (end > start) {
            pieces.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return pieces;
}

void WrapParagraph(std::string_view paragraph,
                   TextFont font,
                   int clientWidth,
                   const TextMeasure& measure,
                   std::vector<std::string>& lines) {
    paragraph = CapText(paragraph);
    std::string line;
    std::string candidate;
    std::size_t start = 0;
    while (true) {
        start = paragraph.find_first_not_of(' ', start);
        if (start == std::string_view::npos) {
            break;
        }
        std::size_t end = paragraph.find(' ', start);
        if (end == std::string_view::npos) {
            end = paragraph.size();
        }
        const std::string_view word = paragraph.substr(start, end - start);
        start = end;

        candidate.assign(line).append(word);
        // An empty line takes the word whatever its width: breaking there would only add an empty line.
        if (line.empty() || measure(candidate, font) + kWrapAllowancePx < clientWidth) {
            line.append(word).push_back(' ');
        } else {
            lines.push_back(std::move(line));
            line.assign(word).push_back(' ');
        }
    }
    lines.push_back(std::move(line));
}

std::vector<std::string> WrapText(std::string_view text, int clientWidth, const TextMeasure& measure) {
    std::vector<std::string> lines;
    for (const std::string_view paragraph : SplitParagraphs(text)) {
        WrapParagraph(paragraph, FontOfLine(paragraph), clientWidth, measure, lines);
    }
    return lines;
}
