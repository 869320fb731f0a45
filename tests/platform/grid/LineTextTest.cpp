#include "platform/grid/LineText.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A letter with a combining accent, an emoji with a skin-tone modifier, a flag, and plain letters.
const QString Mixed = QString::fromUtf16(u"ae\u0301\U0001F44D\U0001F3FD\U0001F1E9\U0001F1EAb");
using Range = std::pair<qsizetype, qsizetype>;
const std::vector<qsizetype> MixedGraphemes = {0, 1, 3, 7, 11, 12};

LineText withText(const QString& text)
{
    LineText line;
    line.setText(text);
    return line;
}

TEST(LineTextTest, StepsGoOverWholeGraphemes)
{
    const LineText line = withText(Mixed);
    std::vector<qsizetype> forward{0};
    for (qsizetype at = 0; at < line.size();)
        forward.push_back(at = line.nextGrapheme(at));
    EXPECT_EQ(forward, MixedGraphemes);
    std::vector<qsizetype> backward{line.size()};
    for (qsizetype at = line.size(); at > 0;)
        backward.insert(backward.begin(), at = line.previousGrapheme(at));
    EXPECT_EQ(backward, MixedGraphemes);
    const QList<qsizetype> stretch = line.graphemeBoundaries(1, 11);
    EXPECT_EQ(std::vector<qsizetype>(stretch.begin(), stretch.end()), (std::vector<qsizetype>{1, 3, 7, 11}));
}

// The stretch looked at around the caret must not cut a grapheme at the end of a megabyte, nor stop a word
// step at the stretch's edge.
TEST(LineTextTest, StepsInAMegabyteFindTheSameBoundaries)
{
    const QString megabyte(1 << 20, QLatin1Char('a'));
    LineText line = withText(megabyte + Mixed);
    const qsizetype base = megabyte.size();
    EXPECT_EQ(line.previousGrapheme(line.size()), base + 11);
    EXPECT_EQ(line.previousGrapheme(base + 7), base + 3);
    EXPECT_EQ(line.nextGrapheme(base + 1), base + 3);
    EXPECT_EQ(line.previousWord(base), 0);
    EXPECT_EQ(line.nextWord(0), base + 3) << "the accented e ends the word of a's";
    line.setText(megabyte);
    EXPECT_EQ(line.wordAt(megabyte.size() / 2), Range(0, megabyte.size()));
}

TEST(LineTextTest, WordStepsStopAtTheStartOfEachWordOrSign)
{
    struct Case
    {
        const char16_t* text;
        qsizetype from;
        qsizetype next;
        qsizetype previous;
    };
    const Case cases[] = {
        {u"12 34 56", 0, 3, 0}, {u"12 34 56", 8, 8, 6}, {u"12 34 56", 4, 6, 3},
        {u"a+b", 0, 1, 0},      {u"a+b", 3, 3, 2},      {u"1,234.5 x", 0, 8, 0}, // a grouped number is one word
        {u"ab   cd", 2, 5, 0},
    };
    for (const Case& c : cases) {
        const LineText line = withText(QString::fromUtf16(c.text));
        EXPECT_EQ(line.nextWord(c.from), c.next) << QString::fromUtf16(c.text).toStdString() << " from " << c.from;
        EXPECT_EQ(line.previousWord(c.from), c.previous)
            << QString::fromUtf16(c.text).toStdString() << " from " << c.from;
    }
    const LineText line = withText(QStringLiteral("12 34"));
    EXPECT_EQ(line.wordAt(4), Range(3, 5));
    EXPECT_EQ(line.wordAt(2), Range(2, 3));
}

TEST(LineTextTest, UndoTakesBackGroupedTypingAndEachOtherStepWithItsSelection)
{
    LineText line = withText(QStringLiteral("12"));
    line.setSelection(0, 2);
    line.replace(0, 2, QStringLiteral("3"), LineText::EditKind::Typing);
    line.replace(1, 1, QStringLiteral("4"), LineText::EditKind::Typing);
    const LineText::Change paste = line.replace(2, 2, QStringLiteral("xy"), LineText::EditKind::Other);
    EXPECT_EQ(paste.position, 2);
    line.replace(4, 4, QStringLiteral("5"), LineText::EditKind::Typing);
    line.setSelection(5, 5); // a caret move ends the group
    line.replace(5, 5, QStringLiteral("6"), LineText::EditKind::Typing);
    EXPECT_EQ(line.text(), QStringLiteral("34xy56"));

    const std::vector<QString> undone = {QStringLiteral("34xy5"), QStringLiteral("34xy"), QStringLiteral("34"),
                                         QStringLiteral("12")};
    for (const QString& expected : undone) {
        ASSERT_TRUE(line.undo().has_value());
        EXPECT_EQ(line.text(), expected);
    }
    EXPECT_FALSE(line.undo().has_value());
    EXPECT_EQ(line.selectedText(), QStringLiteral("12")) << "the selection typed over comes back";

    const std::optional<LineText::Change> redone = line.redo();
    ASSERT_TRUE(redone.has_value());
    EXPECT_EQ(redone->removed, QStringLiteral("12"));
    EXPECT_EQ(redone->inserted, QStringLiteral("34"));
    EXPECT_EQ(line.cursor(), 2);
    line.replace(0, 1, QString(), LineText::EditKind::Other);
    EXPECT_FALSE(line.isRedoAvailable()) << "a new edit ends what could be redone";
    line.setText(QStringLiteral("9"));
    EXPECT_FALSE(line.isUndoAvailable());
    EXPECT_EQ(line.cursor(), 1);
}

} // namespace
