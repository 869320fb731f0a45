// The explanation of one result cell of a 20-term sum, beside formatting its value alone.
#include "arithmetic/NumberText.h"
#include "arithmetic/ResultExplanation.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> Row(20, "-1,234,567.1234567");
const std::vector<std::string> Column(20, "0.000012345678901234");
constexpr Extended Value = -304.8780487804878L;

void BM_ExplainTwentyTerms(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ExplainResultCell(Row, Column, Value, true));
}
BENCHMARK(BM_ExplainTwentyTerms)->Unit(benchmark::kMicrosecond);

void BM_FormatResultAlone(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatResult(Value));
}
BENCHMARK(BM_FormatResultAlone)->Unit(benchmark::kMicrosecond);

} // namespace
