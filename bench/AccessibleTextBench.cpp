// A screen reader's questions about a long text (the character, word or line at an offset) cost what
// the window around the offset costs, not what the text does. Qt's own answers, which walk the whole
// text, are measured beside ours in the same run.
#include "platform/accessible/TextAroundOffset.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Megabyte = 1 << 20;

// A text interface over a plain string, as the editor's and the displays' interfaces read theirs.
class PlainText : public QAccessibleTextInterface
{
public:
    explicit PlainText(QString text)
        : m_text(std::move(text))
    {
    }

    QString text(int startOffset, int endOffset) const override
    {
        return m_text.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(m_text.size()); }
    int cursorPosition() const override { return 0; }
    void selection(int, int*, int*) const override {}
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int*, int*) const override { return {}; }

private:
    QString m_text;
};

// 1 MB of words of mixed scripts with an emoji in each, asked about in the middle.
const PlainText& megabyte()
{
    static const PlainText text = [] {
        const QString word = QStringLiteral(u"1,5 \u05E9\u05DC\u05D5\u05DD abc\U0001F600 ");
        QString all;
        while (all.size() < Megabyte)
            all += word;
        return PlainText(all);
    }();
    return text;
}

void BM_Ours(benchmark::State& state)
{
    const auto type = QAccessible::TextBoundaryType(state.range(0));
    const PlainText& text = megabyte();
    int start = 0;
    int end = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(TextAtOffset(text, Megabyte / 2, type, &start, &end));
}

void BM_QtDefault(benchmark::State& state)
{
    const auto type = QAccessible::TextBoundaryType(state.range(0));
    const PlainText& text = megabyte();
    int start = 0;
    int end = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(text.QAccessibleTextInterface::textAtOffset(Megabyte / 2, type, &start, &end));
}

} // namespace

BENCHMARK(BM_Ours)->Arg(QAccessible::CharBoundary)->Arg(QAccessible::WordBoundary)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtDefault)->Arg(QAccessible::CharBoundary)->Arg(QAccessible::WordBoundary)->Unit(benchmark::kMicrosecond);
