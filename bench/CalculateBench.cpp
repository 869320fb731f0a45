// Calculate through the window's grids on the largest matrices, beside the arithmetic it is made of.
#include "arithmetic/NumberText.h"
#include "arithmetic/Product.h"
#include "calculator/Main.h"
#include "platform/grid/StringGrid.h"
#include "platform/widgets/Button.h"
#include "platform/widgets/SpinEdit.h"

#include <benchmark/benchmark.h>

#include <QLocale>

#include <string>
#include <vector>

namespace {

constexpr int Size = 20;
const char* const TypicalTexts[] = {"12", "-3.25", "1234567.1234567", "2.5e-3", "0.000123"};

std::string typical(int i)
{
    return TypicalTexts[i % std::size(TypicalTexts)];
}

void setDimension(SpinEdit* editor, int value)
{
    editor->setValue(value);
    emit editor->propertiesChanged();
}

template <class T>
T* part(const TFM_Main& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}

void BM_CalculateThroughTheWindow(benchmark::State& state)
{
    TFM_Main window;
    window.show();
    setDimension(part<SpinEdit>(window, "edtARow"), Size);
    setDimension(part<SpinEdit>(window, "edtACol"), Size);
    setDimension(part<SpinEdit>(window, "edtBCol"), Size);
    StringGrid* a = part<StringGrid>(window, "grdMatrixA");
    StringGrid* b = part<StringGrid>(window, "grdMatrixB");
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            a->setCell(col, row, QString::fromStdString(typical(row * Size + col)));
            b->setCell(col, row, QString::fromStdString(typical(row * Size + col + 3)));
        }
    }
    Button* calculate = part<Button>(window, "btnCalculate");
    for (auto _ : state)
        calculate->click();
    if (part<StringGrid>(window, "grdMatrixR")->cell(Size - 1, Size - 1).isEmpty())
        state.SkipWithError("no result");
}
BENCHMARK(BM_CalculateThroughTheWindow)->Unit(benchmark::kMicrosecond);

// The arithmetic of one Calculate done directly: 400 dot products of 20 terms.
void BM_CalculateArithmeticAlone(benchmark::State& state)
{
    std::vector<std::vector<std::string>> rows(Size), columns(Size);
    for (int i = 0; i < Size; ++i) {
        for (int k = 0; k < Size; ++k) {
            rows[i].push_back(typical(i * Size + k));
            columns[i].push_back(typical(k * Size + i + 3));
        }
    }
    for (auto _ : state) {
        for (int i = 0; i < Size; ++i) {
            for (int j = 0; j < Size; ++j)
                benchmark::DoNotOptimize(DotProductText(rows[i], columns[j]));
        }
    }
}
BENCHMARK(BM_CalculateArithmeticAlone)->Unit(benchmark::kMicrosecond);

// Its parts, each as often as one Calculate needs it: 800 parses, 8,000 multiply-adds, 400 formats.
void BM_CalculatePartsParse(benchmark::State& state)
{
    std::vector<std::string> texts;
    for (int i = 0; i < 2 * Size * Size; ++i)
        texts.push_back(typical(i));
    Extended value = 0;
    for (auto _ : state) {
        for (const std::string& text : texts) {
            TryParseNumber(text, value);
            benchmark::DoNotOptimize(value);
        }
    }
}
BENCHMARK(BM_CalculatePartsParse)->Unit(benchmark::kMicrosecond);

void BM_CalculatePartsMultiplyAdd(benchmark::State& state)
{
    std::vector<Extended> values;
    for (int i = 0; i < 40; ++i)
        values.push_back(ParseNumber(typical(i)));
    for (auto _ : state) {
        // The sum stays in a register, as in a dot product; only the result leaves the loop.
        Extended sum = 0;
        for (int i = 0; i < 8000; ++i)
            sum = values[(i + 7) % 40] * values[i % 40] + sum;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_CalculatePartsMultiplyAdd)->Unit(benchmark::kMicrosecond);

void BM_CalculatePartsFormat(benchmark::State& state)
{
    std::vector<Extended> values;
    for (int i = 0; i < 400; ++i)
        values.push_back(ParseNumber(typical(i)) * (i + 1));
    for (auto _ : state) {
        for (const Extended v : values)
            benchmark::DoNotOptimize(FormatResult(v));
    }
}
BENCHMARK(BM_CalculatePartsFormat)->Unit(benchmark::kMicrosecond);

} // namespace
