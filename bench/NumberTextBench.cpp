// TryParseNumber against strtold and FormatResult against snprintf("%.6Lf") on typical cell texts.
// Run with --benchmark_repetitions=10 --benchmark_report_aggregates_only=true and compare the medians.
#include "arithmetic/NumberText.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

constexpr std::array<const char*, 5> TypicalTexts = {"12", "-3.25", "1234567.1234567", "2.5e-3", "0.000123"};

std::array<Extended, TypicalTexts.size()> typicalValues()
{
    std::array<Extended, TypicalTexts.size()> values{};
    for (std::size_t i = 0; i < TypicalTexts.size(); ++i)
        values[i] = ParseNumber(TypicalTexts[i]);
    return values;
}

void TryParseNumberOnTypicalTexts(benchmark::State& state)
{
    SetNumberSeparators({});
    std::array<std::string_view, TypicalTexts.size()> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = TypicalTexts[i];
    for (auto _ : state) {
        for (std::string_view text : texts) {
            benchmark::DoNotOptimize(text);
            Extended value = 0;
            const bool accepted = TryParseNumber(text, value);
            benchmark::DoNotOptimize(accepted);
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(texts.size()));
}
BENCHMARK(TryParseNumberOnTypicalTexts);

void StrtoldOnTypicalTexts(benchmark::State& state)
{
    for (auto _ : state) {
        for (const char* text : TypicalTexts) {
            benchmark::DoNotOptimize(text);
            char* end = nullptr;
            const long double value = std::strtold(text, &end);
            benchmark::DoNotOptimize(end);
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(TypicalTexts.size()));
}
BENCHMARK(StrtoldOnTypicalTexts);

void FormatResultOnTypicalValues(benchmark::State& state)
{
    SetNumberSeparators({});
    const auto values = typicalValues();
    for (auto _ : state) {
        for (Extended value : values) {
            benchmark::DoNotOptimize(value);
            std::string text = FormatResult(value);
            benchmark::DoNotOptimize(text.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(values.size()));
}
BENCHMARK(FormatResultOnTypicalValues);

void SnprintfOnTypicalValues(benchmark::State& state)
{
    const auto values = typicalValues();
    char buffer[64];
    for (auto _ : state) {
        for (Extended value : values) {
            benchmark::DoNotOptimize(value);
            const int length = std::snprintf(buffer, sizeof buffer, "%.6Lf", value);
            benchmark::DoNotOptimize(length);
            benchmark::DoNotOptimize(buffer);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(values.size()));
}
BENCHMARK(SnprintfOnTypicalValues);

} // namespace
