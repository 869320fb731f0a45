#include "platform/accessible/TextAroundOffset.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

// A text interface over a plain string that counts the characters it is asked for.
class CountingText : public QAccessibleTextInterface
{
public:
    explicit CountingText(QString text, int caret = 0)
        : m_text(std::move(text))
        , m_caret(caret)
    {
    }

    qsizetype charactersRead = 0;

    QString text(int startOffset, int endOffset) const override
    {
        const QString piece = m_text.mid(startOffset, endOffset - startOffset);
        const_cast<CountingText*>(this)->charactersRead += piece.size();
        return piece;
    }
    int characterCount() const override { return int(m_text.size()); }
    int cursorPosition() const override { return m_caret; }

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
    int m_caret;
};

using Found = std::tuple<QString, int, int>;

Found at(const QAccessibleTextInterface& text, int offset, QAccessible::TextBoundaryType type)
{
    int start = 0;
    int end = 0;
    QString piece = TextAtOffset(text, offset, type, &start, &end);
    return {piece, start, end};
}

Found before(const QAccessibleTextInterface& text, int offset, QAccessible::TextBoundaryType type)
{
    int start = 0;
    int end = 0;
    QString piece = TextBeforeOffset(text, offset, type, &start, &end);
    return {piece, start, end};
}

Found after(const QAccessibleTextInterface& text, int offset, QAccessible::TextBoundaryType type)
{
    int start = 0;
    int end = 0;
    QString piece = TextAfterOffset(text, offset, type, &start, &end);
    return {piece, start, end};
}

TEST(TextAroundOffset, CharactersAreGraphemesAndWordsAndLinesFollowTheirBoundaries)
{
    const CountingText accented(QStringLiteral(u"e\u0301x\U0001F600y"), 3);
    EXPECT_EQ(at(accented, 1, QAccessible::CharBoundary), Found(QStringLiteral(u"e\u0301"), 0, 2));
    EXPECT_EQ(at(accented, 4, QAccessible::CharBoundary), Found(QStringLiteral(u"\U0001F600"), 3, 5));
    EXPECT_EQ(at(accented, -2, QAccessible::CharBoundary), Found(QStringLiteral(u"\U0001F600"), 3, 5)); // the caret
    EXPECT_EQ(after(accented, 0, QAccessible::CharBoundary), Found(QStringLiteral("x"), 2, 3));
    EXPECT_EQ(before(accented, 5, QAccessible::CharBoundary), Found(QStringLiteral(u"\U0001F600"), 3, 5));

    const CountingText words(QStringLiteral("12 345"));
    EXPECT_EQ(at(words, 4, QAccessible::WordBoundary), Found(QStringLiteral("345"), 3, 6));
    EXPECT_EQ(before(words, 4, QAccessible::WordBoundary), Found(QStringLiteral(" "), 2, 3));
    EXPECT_EQ(after(words, 4, QAccessible::WordBoundary), Found(QString(), -1, -1));
    EXPECT_EQ(at(words, 6, QAccessible::WordBoundary), Found(QString(), -1, -1));
    EXPECT_EQ(before(words, 6, QAccessible::WordBoundary), Found(QStringLiteral("345"), 3, 6));

    const CountingText lines(QStringLiteral("ab\ncd"));
    EXPECT_EQ(at(lines, 1, QAccessible::LineBoundary), Found(QStringLiteral("ab\n"), 0, 3));
    EXPECT_EQ(after(lines, 1, QAccessible::LineBoundary), Found(QStringLiteral("cd"), 3, 5));
    EXPECT_EQ(at(lines, 4, QAccessible::NoBoundary), Found(QStringLiteral("ab\ncd"), 0, 5));
}

TEST(TextAroundOffset, AMegabyteTextIsReadOnlyAroundTheOffset)
{
    const QString half(512 * 1024, u'a');
    CountingText huge(half + QStringLiteral(u" word \U0001F469\u200D\U0001F4BB ") + half);
    const int word = int(half.size()) + 1;
    EXPECT_EQ(at(huge, word + 2, QAccessible::WordBoundary), Found(QStringLiteral("word"), word, word + 4));
    EXPECT_EQ(after(huge, word, QAccessible::CharBoundary), Found(QStringLiteral("o"), word + 1, word + 2));
    // The emoji joined by a zero-width joiner is one character.
    EXPECT_EQ(at(huge, word + 6, QAccessible::CharBoundary),
              Found(QStringLiteral(u"\U0001F469\u200D\U0001F4BB"), word + 5, word + 10));
    // A word longer than the window comes in pieces, none of them the whole megabyte.
    const auto [piece, start, end] = at(huge, 1000, QAccessible::WordBoundary);
    EXPECT_LE(start, 1000);
    EXPECT_GT(end, 1000);
    EXPECT_LT(piece.size(), 4096);
    EXPECT_LT(huge.charactersRead, 16 * 1024);
}

} // namespace
