// A keystroke in the grid's in-place editor costs what the change and the box's few characters cost,
// whatever the length and the scripts of the text it edits.
#include "platform/grid/GridInplaceEditor.h"
#include "platform/grid/StringGrid.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int Megabyte = 1 << 20;

// Half a megabyte of "a", right-to-left words and emoji (one with a skin tone), and the same again. The
// caret in the middle stands in the first Hebrew word.
constexpr int MiddleCaret = Megabyte / 2 + 3;

QString mixedScriptMegabyte()
{
    const QString mix = QString::fromUtf16(u" \u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 "
                                           u"\U0001F600\U0001F44D\U0001F3FD");
    const QString half(Megabyte / 2, QLatin1Char('a'));
    return half + mix + half + mix;
}

enum class Caret { End, Middle };

// An editor open on a cell of a shown grid, holding the text with the caret where asked.
struct OpenEditor
{
    OpenEditor(const QString& text, Caret caret)
        : image(41, 21, QImage::Format_RGB32)
    {
        grid.resize(400, 300);
        grid.setEditable(true);
        grid.setCell(0, 0, text);
        grid.show();
        grid.activateWindow();
        grid.setFocus();
        QCoreApplication::processEvents();
        QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
        QCoreApplication::sendEvent(&grid, &f2);
        editor = grid.inplaceEditor();
        if (caret == Caret::Middle)
            editor->setCursorPosition(MiddleCaret);
    }

    void key(int key, const QString& text = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(editor, &event);
    }

    // The box as the next paint shows it.
    void render()
    {
        editor->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }

    StringGrid grid;
    GridInplaceEditor* editor = nullptr;
    QImage image;
};

// A typed letter and a Backspace as key events, the cell following each, with the box painted after
// each when asked (range(1)); the caret at the end (range(0) == 0) or in the middle.
void BM_KeystrokesInMixedScriptMegabyte(benchmark::State& state)
{
    const QString text = mixedScriptMegabyte();
    OpenEditor open(text, state.range(0) == 0 ? Caret::End : Caret::Middle);
    const bool paint = state.range(1) != 0;
    for (auto _ : state) {
        open.key(Qt::Key_B, QStringLiteral("b"));
        if (paint)
            open.render();
        open.key(Qt::Key_Backspace);
        if (paint)
            open.render();
    }
    state.SetLabel(std::to_string(open.grid.cell(0, 0).size()) + " characters, 2 keystrokes");
}
BENCHMARK(BM_KeystrokesInMixedScriptMegabyte)
    ->ArgNames({"middle", "paint"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);

// Left and Right over graphemes, and Ctrl+Left and Ctrl+Right over words, among the right-to-left words
// in the middle of the text.
void BM_CaretStepsInMixedScriptMegabyte(benchmark::State& state)
{
    OpenEditor open(mixedScriptMegabyte(), Caret::Middle);
    const Qt::KeyboardModifiers modifiers = state.range(0) != 0 ? Qt::ControlModifier : Qt::NoModifier;
    for (auto _ : state) {
        QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, modifiers);
        QCoreApplication::sendEvent(open.editor, &left);
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, modifiers);
        QCoreApplication::sendEvent(open.editor, &right);
    }
}
BENCHMARK(BM_CaretStepsInMixedScriptMegabyte)->ArgName("word")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The least a change in the middle of the text costs: the text copied once, as the cell's copy is when
// the editor changes its own.
void BM_CopyMixedScriptMegabyte(benchmark::State& state)
{
    const QString text = mixedScriptMegabyte();
    for (auto _ : state) {
        QString copy = text;
        copy.detach();
        benchmark::DoNotOptimize(copy.constData());
    }
}
BENCHMARK(BM_CopyMixedScriptMegabyte)->Unit(benchmark::kMicrosecond);

} // namespace
