// Painting a grid costs what its visible cells cost, whatever its counts or the length of its texts.
#include "calculator/Main.h"
#include "platform/grid/GridInplaceEditor.h"
#include "platform/grid/StringGrid.h"
#include "platform/paint/Drawing.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <functional>
#include <limits>

namespace {

constexpr int MaxCount = std::numeric_limits<int>::max();
constexpr int GridWidth = 400;
constexpr int GridHeight = 300;
constexpr int Megabyte = 1 << 20;

// The calculator window's cell handler itself.
TFM_Main& calculatorWindow()
{
    static TFM_Main window;
    return window;
}

struct ShownGrid
{
    explicit ShownGrid(bool withHandler)
        : image(GridWidth, GridHeight, QImage::Format_RGB32)
    {
        grid.resize(GridWidth, GridHeight);
        if (withHandler)
            grid.setCellPainter(std::bind_front(&TFM_Main::grdMatrixDrawCell, &calculatorWindow()));
        grid.show();
        QCoreApplication::processEvents();
    }

    void render()
    {
        grid.viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }

    StringGrid grid;
    QImage image;
};

void fillNumbers(StringGrid& grid, int cols, int rows)
{
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col)
            grid.setCell(col, row, QString::number(1234.5 * (row + 1) * (col + 1), 'f', 2));
}

// Typing a tenth digit into a dimension editor takes the counts to the limit and back.
void BM_SetHugeCountsAndRepaint(benchmark::State& state)
{
    ShownGrid shown(true);
    fillNumbers(shown.grid, 20, 20);
    for (auto _ : state) {
        shown.grid.setRowCount(MaxCount);
        shown.grid.setColCount(MaxCount);
        shown.grid.setCurrentCell(MaxCount, MaxCount);
        shown.render();
        shown.grid.setRowCount(20);
        shown.grid.setColCount(20);
    }
}
BENCHMARK(BM_SetHugeCountsAndRepaint)->Unit(benchmark::kMicrosecond);

// Numbers in the cells at the view origin, painted by the grid alone or with the window's handler.
void BM_RepaintGrid(benchmark::State& state)
{
    const int count = int(state.range(0));
    ShownGrid shown(state.range(1) != 0);
    shown.grid.setRowCount(count);
    shown.grid.setColCount(count);
    fillNumbers(shown.grid, 20, 20);
    for (auto _ : state)
        shown.render();
}
BENCHMARK(BM_RepaintGrid)->Args({20, 0})->Args({20, 1})->Args({MaxCount, 1})->Unit(benchmark::kMicrosecond);

// One cell holding 1 MB among numbers, painted by the grid's own output alone or with the window's
// right-aligned handler.
void BM_RepaintWithMegabyteCell(benchmark::State& state)
{
    ShownGrid shown(state.range(0) != 0);
    shown.grid.setRowCount(20);
    shown.grid.setColCount(20);
    fillNumbers(shown.grid, 20, 20);
    shown.grid.setCell(1, 1, QString(Megabyte, QLatin1Char('7')));
    for (auto _ : state)
        shown.render();
}
BENCHMARK(BM_RepaintWithMegabyteCell)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Every cell of a 20 x 20 grid holds 1 MB of mixed scripts: right-to-left runs with numbers, emoji with
// modifiers, combining accents.
void BM_RepaintMegabyteMixedScriptCells(benchmark::State& state)
{
    const QString pattern = QString::fromUtf8("ab 12 \u05d0\u05d1\u05d2 345 \u0661\u0662 \U0001F44D\U0001F3FD "
                                              "e\u0301 \u0627\u0644\u0639 x\U0001F1E9\U0001F1EA ");
    QString text;
    while (text.size() < Megabyte)
        text += pattern;
    const auto fill = [&](StringGrid& grid) {
        grid.setRowCount(20);
        grid.setColCount(20);
        for (int row = 0; row < 20; ++row)
            for (int col = 0; col < 20; ++col)
                grid.setCell(col, row, text.left(text.size() - (row * 20 + col) % pattern.size()));
    };
    if (state.range(0) == 0) {
        // Matrix A as the calculator window shows it.
        TFM_Main& window = calculatorWindow();
        window.show();
        auto* grid = window.findChild<StringGrid*>(QStringLiteral("grdMatrixA"));
        fill(*grid);
        QImage image(grid->viewport()->size(), QImage::Format_RGB32);
        for (auto _ : state) {
            grid->viewport()->render(&image);
            benchmark::DoNotOptimize(image.constBits());
        }
        state.SetLabel(std::to_string(grid->viewport()->width()) + " x " + std::to_string(grid->viewport()->height()));
        window.hide();
        return;
    }
    ShownGrid shown(true);
    fill(shown.grid);
    for (auto _ : state)
        shown.render();
    state.SetLabel("400 x 300");
}
BENCHMARK(BM_RepaintMegabyteMixedScriptCells)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The window's handler painting one 40 x 20 cell that holds 1 MB, straight into an image.
void BM_PaintMegabyteCellLikeTheHandler(benchmark::State& state)
{
    QImage image(41, 21, QImage::Format_RGB32);
    StringGrid grid;
    grid.setCell(0, 0, QString(Megabyte, QLatin1Char('7')));
    for (auto _ : state) {
        QPainter canvas(&image);
        canvas.setBrush(Qt::white);
        calculatorWindow().grdMatrixDrawCell(canvas, &grid, 0, 0, QRect(0, 0, 40, 20), {});
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_PaintMegabyteCellLikeTheHandler)->Unit(benchmark::kMillisecond);

// A typed character and a Backspace, as key events, in an editor holding 1 MB over a grid with the
// window's handler, the grid's repaint included.
void BM_KeyEventsIntoMegabyteEditor(benchmark::State& state)
{
    ShownGrid shown(true);
    shown.grid.setEditable(true);
    shown.grid.setCell(0, 0, QString(Megabyte, QLatin1Char('7')));
    shown.grid.activateWindow();
    shown.grid.setFocus();
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QCoreApplication::sendEvent(&shown.grid, &f2);
    QWidget* editor = shown.grid.inplaceEditor();
    for (auto _ : state) {
        QKeyEvent digit(QEvent::KeyPress, Qt::Key_8, Qt::NoModifier, QStringLiteral("8"));
        QCoreApplication::sendEvent(editor, &digit);
        QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QCoreApplication::sendEvent(editor, &back);
        shown.render();
    }
    state.SetLabel(std::to_string(shown.grid.cell(0, 0).size()) + " characters");
}
BENCHMARK(BM_KeyEventsIntoMegabyteEditor)->Unit(benchmark::kMillisecond);

// One keystroke into an editor that holds 1 MB.
void BM_KeystrokeIntoMegabyteEditor(benchmark::State& state)
{
    ShownGrid shown(false);
    shown.grid.setEditable(true);
    shown.grid.setCell(0, 0, QString(Megabyte, QLatin1Char('7')));
    shown.grid.activateWindow();
    shown.grid.setFocus();
    GridInplaceEditor* editor = shown.grid.inplaceEditor();
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QCoreApplication::sendEvent(&shown.grid, &f2);
    for (auto _ : state) {
        editor->insert(QStringLiteral("8"));
        editor->backspace();
    }
    state.SetLabel(std::to_string(shown.grid.cell(0, 0).size()) + " characters");
}
BENCHMARK(BM_KeystrokeIntoMegabyteEditor)->Unit(benchmark::kMillisecond);

} // namespace
