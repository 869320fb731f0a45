// The first keystroke in A after Calculate, the one that leaves R out of date, through the window.
#include "calculator/Main.h"
#include "platform/grid/GridInplaceEditor.h"
#include "platform/grid/StringGrid.h"
#include "platform/widgets/Button.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>

namespace {

void key(QWidget* to, int code, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QApplication::sendEvent(to, &release);
}

void BM_FirstKeystrokeAfterCalculate(benchmark::State& state)
{
    TFM_Main window;
    window.show();
    auto* a = window.findChild<StringGrid*>(QStringLiteral("grdMatrixA"));
    auto* b = window.findChild<StringGrid*>(QStringLiteral("grdMatrixB"));
    auto* calculate = window.findChild<Button*>(QStringLiteral("btnCalculate"));
    a->setCell(0, 0, QStringLiteral("1"));
    b->setCell(0, 0, QStringLiteral("2"));
    a->setFocus(Qt::OtherFocusReason);
    key(a, Qt::Key_F2, QString());
    GridInplaceEditor* editor = a->inplaceEditor();
    for (auto _ : state) {
        state.PauseTiming();
        calculate->click();
        state.ResumeTiming();
        key(editor, Qt::Key_5, QStringLiteral("5"));
        key(editor, Qt::Key_Backspace, QString());
    }
    if (!a->editorOpen())
        state.SkipWithError("the editor closed");
}
BENCHMARK(BM_FirstKeystrokeAfterCalculate)->Unit(benchmark::kMicrosecond);

} // namespace
