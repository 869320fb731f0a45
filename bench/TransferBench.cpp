// Copy Matrix of a full R in both formats (against snprintf("%.21Lg") of the same 400 values), and pastes of
// 30 MB blocks: refused ones, which must stop early, and fitting ones made of huge cells. peak_MiB is the
// resident high-water mark during the run above the resident size at its start (the input included there).
// Run with --benchmark_repetitions=5 --benchmark_report_aggregates_only=true and compare the medians.
#include "arithmetic/NumberText.h"
#include "arithmetic/Product.h"
#include "calculator/MatrixTransfer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr std::size_t ThirtyMiB = 30u << 20;

// A /proc/self/status field in KiB.
long statusKiB(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    }
    return 0;
}

// Starts a new high-water mark at the current resident size.
void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

ExtendedMatrix fullResult()
{
    ExtendedMatrix r(MatrixCountLimit, MatrixCountLimit);
    for (int row = 0; row < r.rows; ++row) {
        for (int col = 0; col < r.cols; ++col)
            r.at(row, col) = (row * 37 + col * 11 + 1) / 7.0L * 1000.123456789L;
    }
    return r;
}

void CopyMatrixBothFormats(benchmark::State& state)
{
    SetNumberSeparators({});
    const ExtendedMatrix r = fullResult();
    const std::vector<std::string> texts = ResultTexts(r);
    const GridCells grid{r.rows, r.cols,
                         [&texts, &r](int col, int row) { return texts[std::size_t(row * r.cols + col)]; }};
    const CellValues values = [&r](int col, int row) -> std::optional<Extended> { return r.at(row, col); };
    for (auto _ : state) {
        const CopiedBlock block = CopyMatrixBlock(grid, values);
        benchmark::DoNotOptimize(block.html.data());
    }
}
BENCHMARK(CopyMatrixBothFormats)->Unit(benchmark::kMicrosecond);

void SnprintfOfTheSameValues(benchmark::State& state)
{
    const ExtendedMatrix r = fullResult();
    for (auto _ : state) {
        std::string out;
        char buffer[64];
        for (const Extended value : r.values) {
            const int length = std::snprintf(buffer, sizeof buffer, "%.21Lg", value);
            out.append(buffer, std::size_t(length));
        }
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(SnprintfOfTheSameValues)->Unit(benchmark::kMicrosecond);

std::string repeatedTo(const std::string& piece, std::size_t size)
{
    std::string out;
    out.reserve(size + piece.size());
    while (out.size() < size)
        out += piece;
    return out;
}

// Pastes `text` (or `html`) at the first cell of a 1 x 1 grid, expecting `outcome`.
void pasteBlock(benchmark::State& state, const std::string& text, const std::string& html,
                MatrixTransfer::PasteOutcome outcome)
{
    SetNumberSeparators({});
    const GridCells grid{1, 1, [](int, int) { return std::string(); }};
    const long startKiB = statusKiB("VmRSS");
    resetPeak();
    for (auto _ : state) {
        MatrixTransfer transfer;
        GridChange change;
        if (transfer.paste(text, html, grid, 0, 0, change) != outcome)
            state.SkipWithError("unexpected outcome");
        benchmark::DoNotOptimize(change.cells.data());
    }
    state.counters["peak_MiB"] = double(statusKiB("VmHWM") - startKiB) / 1024.0;
}

void OversizedRowsRefused(benchmark::State& state)
{
    pasteBlock(state, repeatedTo("1\t2\t3\n", ThirtyMiB), "", MatrixTransfer::PasteOutcome::TooLarge);
}
BENCHMARK(OversizedRowsRefused)->Unit(benchmark::kMillisecond);

void OversizedLineRefused(benchmark::State& state)
{
    pasteBlock(state, repeatedTo("1\t", ThirtyMiB), "", MatrixTransfer::PasteOutcome::TooLarge);
}
BENCHMARK(OversizedLineRefused)->Unit(benchmark::kMillisecond);

// The worst case for the scan: 20 lines of huge cells, then a 21st line.
void OversizedAtTheLastLineRefused(benchmark::State& state)
{
    const std::string line = std::string(ThirtyMiB / 20, '7') + "\n";
    pasteBlock(state, repeatedTo(line, 20 * line.size()) + "7", "", MatrixTransfer::PasteOutcome::TooLarge);
}
BENCHMARK(OversizedAtTheLastLineRefused)->Unit(benchmark::kMillisecond);

void OversizedHtmlRefused(benchmark::State& state)
{
    pasteBlock(state, "1", "<table>" + repeatedTo("<tr><td>1</td><td>2</td></tr>\n", ThirtyMiB),
               MatrixTransfer::PasteOutcome::TooLarge);
}
BENCHMARK(OversizedHtmlRefused)->Unit(benchmark::kMillisecond);

void HugeSingleCellPasted(benchmark::State& state)
{
    pasteBlock(state, std::string(ThirtyMiB, '7'), "", MatrixTransfer::PasteOutcome::Changed);
}
BENCHMARK(HugeSingleCellPasted)->Unit(benchmark::kMillisecond);

void HugeCellsTwentyByTwentyPasted(benchmark::State& state)
{
    const std::string cell(ThirtyMiB / 400, '7');
    std::string line = cell;
    for (int col = 1; col < 20; ++col)
        line += "\t" + cell;
    pasteBlock(state, repeatedTo(line + "\n", 20 * (line.size() + 1)), "", MatrixTransfer::PasteOutcome::Changed);
}
BENCHMARK(HugeCellsTwentyByTwentyPasted)->Unit(benchmark::kMillisecond);

void HugeCellsTwentyByTwentyHtmlPasted(benchmark::State& state)
{
    std::string rowOfTwenty = "<tr>";
    for (int col = 0; col < 20; ++col)
        rowOfTwenty += "<td>" + std::string(ThirtyMiB / 400, '7') + "</td>";
    rowOfTwenty += "</tr>";
    pasteBlock(state, "1", "<table>" + repeatedTo(rowOfTwenty, 20 * rowOfTwenty.size()) + "</table>",
               MatrixTransfer::PasteOutcome::Changed);
}
BENCHMARK(HugeCellsTwentyByTwentyHtmlPasted)->Unit(benchmark::kMillisecond);

} // namespace
