// One press's text work: our direct composition against the same texts made
// with two-stage formatted printing (print the template, then print with it).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "numbering/sequence_text.h"

namespace {

struct PressTexts {
    std::string prefix;
    std::string number;
    std::string suffix;
};

const PressTexts TYPICAL = {"ID-", "007", "-A"};
const PressTexts LONGEST = {std::string(259, 'P'), std::string(259, '4'), std::string(259, 'S')};

void PressDirect(benchmark::State& state, const PressTexts& texts) {
    char paste[PASTE_TEXT_SIZE];
    char next[FIELD_TEXT_SIZE];
    while (state.KeepRunning()) {
        ComposePasteText(texts.prefix.c_str(), texts.number.c_str(), texts.suffix.c_str(), paste);
        NextNumberText(texts.number.c_str(), next);
        benchmark::DoNotOptimize(paste);
        benchmark::DoNotOptimize(next);
    }
}

void PressByTemplates(benchmark::State& state, const PressTexts& texts) {
    char format[32];
    char paste[PASTE_TEXT_SIZE];
    char next[FIELD_TEXT_SIZE];
    while (state.KeepRunning()) {
        const char* number = texts.number.c_str();
        int width = static_cast<int>(texts.number.size());
        int counter = static_cast<int>(ReadCounter(number));
        std::snprintf(format, sizeof format, "%%s%%0%dd%%s", width);
        std::snprintf(paste, sizeof paste, format, texts.prefix.c_str(), counter,
                      texts.suffix.c_str());
        std::snprintf(format, sizeof format, "%%0%dd", width);
        std::snprintf(next, sizeof next, format,
                      static_cast<int>(static_cast<unsigned>(counter) + 1U));
        benchmark::DoNotOptimize(paste);
        benchmark::DoNotOptimize(next);
    }
}

BENCHMARK_CAPTURE(PressDirect, typical, TYPICAL);
BENCHMARK_CAPTURE(PressByTemplates, typical, TYPICAL);
BENCHMARK_CAPTURE(PressDirect, longest, LONGEST);
BENCHMARK_CAPTURE(PressByTemplates, longest, LONGEST);

}  // namespace

BENCHMARK_MAIN();
