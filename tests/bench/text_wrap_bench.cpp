// Wrapping happens once per new text; these show what the longest text the view accepts costs.
#include <benchmark/benchmark.h>

#include <string>

#include "textview/scroll_text_view.h"

namespace {

int FakeWidth(std::string_view text, TextFont font) {
    return static_cast<int>(text.size()) * (font == TextFont::kBold ? 7 : 6);
}

// Paragraphs of five-letter words, each paragraph `paragraphLength` characters, up to the 19 999-character cap.
std::string LongText(std::size_t paragraphLength) {
    std::string text;
    while (text.size() < kTextCap) {
        std::string paragraph = text.size() % 3 == 0 ? "@" : "#";
        while (paragraph.size() < paragraphLength) {
            paragraph += "abcde ";
        }
        text += paragraph + "\n";
    }
    text.resize(kTextCap);
    return text;
}

void BM_WrapLongestText(benchmark::State& state) {
    const std::string text = LongText(static_cast<std::size_t>(state.range(0)));
    std::size_t lines = 0;
    for (auto _ : state) {
        ScrollTextView view;
        view.SetText(text, static_cast<int>(state.range(1)), FakeWidth);
        lines = view.Lines().size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
// {paragraph length, client width}: the holiday view's width, and one line as wide as the longest paragraph.
BENCHMARK(BM_WrapLongestText)->Args({400, 279})->Args({19999, 279})->Args({19999, 200000});

void BM_TextsToDraw(benchmark::State& state) {
    ScrollTextView view;
    view.SetText(LongText(400), 279, FakeWidth);
    int position = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(view.TextsToDraw(position));
        position = (position + kLineHeightPx) % 20000;
    }
}
BENCHMARK(BM_TextsToDraw);

}  // namespace
