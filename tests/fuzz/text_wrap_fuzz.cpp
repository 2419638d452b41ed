// Wrapping any text to any width: the display lines hold exactly the words of the paragraphs in order, each line
// that holds more than one word fits the width, and no line could have taken the next line's first word.
//
// Input: the client width (32 bits), then the text (the rest of the input).
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "textview/text_wrap.h"

namespace {

// A font whose characters differ in width, a pixel wider in bold.
int FakeWidth(std::string_view text, TextFont font) {
    int width = 0;
    for (const char c : text) {
        width += 3 + static_cast<unsigned char>(c) % 7 + (font == TextFont::kBold ? 1 : 0);
    }
    return width;
}

std::vector<std::string_view> WordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while ((start = text.find_first_not_of(' ', start)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end;
    }
    return words;
}

void CheckParagraph(std::string_view paragraph, int width, const std::vector<std::string>& lines) {
    const TextFont font = FontOfLine(paragraph);
    const std::string label = "width " + std::to_string(width) + ", paragraph \"" + std::string(paragraph) + "\"";
    FUZZ_CHECK(!lines.empty(), label);
    std::vector<std::string_view> words;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::vector<std::string_view> lineWords = WordsOf(line);
        if (lineWords.empty()) {
            // Only a paragraph without words gives an empty line, and then only that one.
            FUZZ_CHECK(line.empty() && lines.size() == 1 && WordsOf(paragraph).empty(), label);
            continue;
        }
        // "word word ... ": single blanks, one at the end.
        std::string rebuilt;
        for (const std::string_view word : lineWords) {
            rebuilt.append(word).push_back(' ');
        }
        FUZZ_CHECK(rebuilt == line, label + ", line \"" + line + "\"");
        if (lineWords.size() > 1) {
            FUZZ_CHECK(FakeWidth(std::string_view(line).substr(0, line.size() - 1), font) + kWrapAllowancePx < width,
                       label + ", line \"" + line + "\" is too wide");
        }
        if (i + 1 < lines.size()) {
            const std::string candidate = line + std::string(WordsOf(lines[i + 1]).front());
            FUZZ_CHECK(FakeWidth(candidate, font) + kWrapAllowancePx >= width,
                       label + ", line \"" + line + "\" could take the next word");
        }
        words.insert(words.end(), lineWords.begin(), lineWords.end());
    }
    FUZZ_CHECK(words == WordsOf(paragraph), label + ": the words changed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const int width = input.Int32();
    const std::string_view text = input.Rest();

    const std::string_view capped = CapText(text);
    FUZZ_CHECK(capped.size() == std::min(text.size(), kTextCap), "CapText");
    const std::string terminated(text);
    FUZZ_CHECK(CapText(terminated.c_str()) == CapText(std::string_view(terminated.c_str())), "CapText of a C string");

    const std::vector<std::string_view> paragraphs = SplitParagraphs(text);
    std::size_t characters = 0;
    for (const std::string_view paragraph : paragraphs) {
        FUZZ_CHECK(!paragraph.empty() && paragraph.find('\n') == std::string_view::npos, "SplitParagraphs");
        FUZZ_CHECK(
            paragraph.data() >= capped.data() && paragraph.data() + paragraph.size() <= capped.data() + capped.size(),
            "a paragraph outside the text");
        characters += paragraph.size();
    }
    std::size_t notNewlines = 0;
    for (const char c : capped) {
        notNewlines += c != '\n' ? 1 : 0;
    }
    FUZZ_CHECK(characters == notNewlines, "SplitParagraphs lost characters");

    std::vector<std::string> all;
    for (const std::string_view paragraph : paragraphs) {
        std::vector<std::string> lines;
        WrapParagraph(paragraph, FontOfLine(paragraph), width, FakeWidth, lines);
        CheckParagraph(paragraph, width, lines);
        all.insert(all.end(), lines.begin(), lines.end());
    }
    FUZZ_CHECK(WrapText(text, width, FakeWidth) == all, "WrapText is not its paragraphs wrapped one by one");
    return 0;
}
