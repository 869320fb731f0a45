// How long the grid's menu and the cell editor's menu take to open. Both ask the clipboard as they open;
// run on a display (QT_QPA_PLATFORM=xcb) whose clipboard owner never answers to see that neither waits.
#include "calculator/Main.h"
#include "platform/grid/GridInplaceEditor.h"
#include "platform/grid/StringGrid.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace {

// Opens the menu with `open`, waits until it shows, and closes it; the time until it shows is the figure.
template <class Open>
void measureMenu(benchmark::State& state, Open open)
{
    for (auto _ : state) {
        open();
        while (!QApplication::activePopupWidget())
            QCoreApplication::processEvents();
        state.PauseTiming();
        QApplication::activePopupWidget()->close();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_GridMenuOpens(benchmark::State& state)
{
    TFM_Main window;
    window.show();
    auto* grid = window.findChild<StringGrid*>(QStringLiteral("grdMatrixA"));
    grid->setFocus(Qt::OtherFocusReason);
    measureMenu(state, [grid] {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Menu, Qt::NoModifier);
        QCoreApplication::sendEvent(grid, &key);
    });
}
BENCHMARK(BM_GridMenuOpens)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_CellEditorMenuOpens(benchmark::State& state)
{
    TFM_Main window;
    window.show();
    auto* grid = window.findChild<StringGrid*>(QStringLiteral("grdMatrixA"));
    grid->setFocus(Qt::OtherFocusReason);
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QCoreApplication::sendEvent(grid, &f2);
    GridInplaceEditor* editor = grid->inplaceEditor();
    measureMenu(state, [editor] {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2), editor->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(editor, &event);
    });
}
BENCHMARK(BM_CellEditorMenuOpens)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
