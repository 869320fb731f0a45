// Painting a grid costs what its visible cells cost, whatever its counts or the length of its texts.
#include "platform/Drawing.h"
#include "platform/grid/GridInplaceEditor.h"
#include "platform/grid/StringGrid.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <limits>

namespace {

constexpr int MaxCount = std::numeric_limits<int>::max();
constexpr int GridWidth = 400;
constexpr int GridHeight = 300;
constexpr int Megabyte = 1 << 20;

// What the calculator window's cell handler does.
void paintRightAligned(StringGrid* sender, int col, int row, const QRect& rect, StringGrid::DrawState)
{
    QRect box = rect;
    QPainter& canvas = *sender->canvas();
    FillRect(canvas, box);
    InflateRect(box, -2, -2);
    DrawTextA(canvas, sender->cell(col, row), box, Dt::SingleLine | Dt::VCenter | Dt::Right);
}

struct ShownGrid
{
    explicit ShownGrid(bool withHandler)
        : image(GridWidth, GridHeight, QImage::Format_RGB32)
    {
        grid.resize(GridWidth, GridHeight);
        if (withHandler)
            QObject::connect(&grid, &StringGrid::drawCell, &paintRightAligned);
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

// The window's handler painting one 40 x 20 cell that holds 1 MB, straight into an image.
void BM_PaintMegabyteCellLikeTheHandler(benchmark::State& state)
{
    QImage image(41, 21, QImage::Format_RGB32);
    const QString text(Megabyte, QLatin1Char('7'));
    for (auto _ : state) {
        QPainter canvas(&image);
        canvas.setBrush(Qt::white);
        QRect box(0, 0, 40, 20);
        FillRect(canvas, box);
        InflateRect(box, -2, -2);
        DrawTextA(canvas, text, box, Dt::SingleLine | Dt::VCenter | Dt::Right);
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

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
