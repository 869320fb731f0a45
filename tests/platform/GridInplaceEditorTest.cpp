#include "tests/platform/StringGridTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethodEvent>

#include <vector>

namespace {

class GridInplaceEditorTest : public StringGridFixture
{
protected:
    GridInplaceEditor* editor() const { return m_grid->inplaceEditor(); }

    // Opens the editor on cell (0, 0) holding `text`, the caret after its last character.
    void openWith(const QString& text)
    {
        m_grid->setCell(0, 0, text);
        press(Qt::Key_F2);
        ASSERT_TRUE(m_grid->editorOpen());
        ASSERT_TRUE(editor()->hasFocus());
    }
};

struct Key
{
    int key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

TEST_F(GridInplaceEditorTest, CaretSelectionAndDeletionKeysFollowTheTable)
{
    struct Case
    {
        const char* name;
        const char16_t* text;
        std::vector<Key> keys;
        const char16_t* typedAfter;
        const char16_t* expected;
    };
    const Case cases[] = {
        {"Ctrl+Left goes to the start of the word",
         u"12 34 56",
         {{Qt::Key_Left, Qt::ControlModifier}},
         u"x",
         u"12 34 x56"},
        {"Ctrl+Right goes to the start of the next word",
         u"ab cd",
         {{Qt::Key_Home}, {Qt::Key_Right, Qt::ControlModifier}},
         u"x",
         u"ab xcd"},
        {"Ctrl+Shift+Left selects a word that typing replaces",
         u"12 34",
         {{Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier}},
         u"9",
         u"12 9"},
        {"Right collapses a selection to its end",
         u"abc",
         {{Qt::Key_A, Qt::ControlModifier}, {Qt::Key_Right}},
         u"x",
         u"abcx"},
        {"Left collapses a selection to its start",
         u"abc",
         {{Qt::Key_A, Qt::ControlModifier}, {Qt::Key_Left}},
         u"x",
         u"xabc"},
        {"Shift+Home selects back to the start",
         u"abc",
         {{Qt::Key_Left}, {Qt::Key_Home, Qt::ShiftModifier}, {Qt::Key_Delete}},
         u"",
         u"c"},
        {"Delete removes the character after the caret", u"abc", {{Qt::Key_Home}, {Qt::Key_Delete}}, u"", u"bc"},
        {"Ctrl+Backspace deletes the word before the caret",
         u"12 34",
         {{Qt::Key_Backspace, Qt::ControlModifier}},
         u"",
         u"12 "},
        {"Ctrl+Delete deletes the word after the caret",
         u"12 34",
         {{Qt::Key_Home}, {Qt::Key_Delete, Qt::ControlModifier}},
         u"",
         u"34"},
        {"Backspace removes a character beyond the basic plane whole",
         u"a\U0001F600",
         {{Qt::Key_Backspace}},
         u"",
         u"a"},
        {"Left steps over a character beyond the basic plane", u"\U0001F600", {{Qt::Key_Left}}, u"x", u"x\U0001F600"},
        {"Insert alone and Escape change nothing", u"ab", {{Qt::Key_Insert}, {Qt::Key_Escape}}, u"c", u"abc"},
        {"Ctrl with a letter types nothing", u"ab", {{Qt::Key_B, Qt::ControlModifier}}, u"", u"ab"},
    };
    for (const Case& c : cases) {
        openWith(QString::fromUtf16(c.text));
        for (const Key& key : c.keys)
            press(key.key, key.modifiers);
        type(QString::fromUtf16(c.typedAfter));
        EXPECT_EQ(m_grid->cell(0, 0), QString::fromUtf16(c.expected)) << c.name;
        EXPECT_EQ(editor()->text(), QString::fromUtf16(c.expected)) << c.name;
        press(Qt::Key_Return);
    }
}

TEST_F(GridInplaceEditorTest, TheOtherClipboardKeysCutCopyAndPasteToo)
{
    openWith(QStringLiteral("abc"));
    press(Qt::Key_Left, Qt::ShiftModifier);
    press(Qt::Key_Delete, Qt::ShiftModifier); // cut "c"
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("c"));
    press(Qt::Key_Home);
    press(Qt::Key_Insert, Qt::ShiftModifier); // paste
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("cab"));
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_Insert, Qt::ControlModifier); // copy
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("cab"));
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("cab"));
}

TEST_F(GridInplaceEditorTest, CaretKeysCrossAMegabyteTextAndEveryChangeReachesTheCell)
{
    const QString big(1 << 20, QLatin1Char('5'));
    openWith(big);
    press(Qt::Key_Home);
    type(QStringLiteral("x"));
    EXPECT_EQ(m_grid->cell(0, 0).size(), big.size() + 1);
    EXPECT_TRUE(m_grid->cell(0, 0).startsWith(QStringLiteral("x5")));
    press(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(editor()->selectedText(), big);
    press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("x"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), big);
}

TEST_F(GridInplaceEditorTest, AClickPlacesTheCaretAndADoubleClickSelectsAWord)
{
    openWith(QStringLiteral("12 34"));
    QTest::mouseClick(editor(), Qt::LeftButton, Qt::NoModifier, QPoint(1, editor()->height() / 2));
    type(QStringLiteral("x"));
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("x12 34"));
    QTest::mouseDClick(editor(), Qt::LeftButton, Qt::NoModifier, QPoint(editor()->width() - 3, editor()->height() / 2));
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("34"));
    // Clicks on the editor stay with it: the grid underneath would take a right click for one on its cell.
    QTest::mouseClick(editor(), Qt::RightButton, Qt::NoModifier, QPoint(3, editor()->height() / 2));
    EXPECT_TRUE(m_grid->editorOpen());
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("34"));
}

TEST_F(GridInplaceEditorTest, AnInputMethodCommitReplacesWhatItNames)
{
    openWith(QStringLiteral("ab"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("\u00e9"), -1, 1); // replaces the "b" before the caret
    QCoreApplication::sendEvent(editor(), &commit);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("a\u00e9"));
    const QWidget* asWidget = editor();
    EXPECT_EQ(asWidget->inputMethodQuery(Qt::ImSurroundingText).toString(), QStringLiteral("a\u00e9"));
    EXPECT_EQ(asWidget->inputMethodQuery(Qt::ImCursorPosition).toInt(), 2);
}

// Underscores stay below the baseline and the digit rises above it: whether ink shows above the baseline
// tells which end of the text the box shows.
TEST_F(GridInplaceEditorTest, ALongTextScrollsSoThatTheCaretStaysInTheBox)
{
    openWith(QString(40, QLatin1Char('_')) + QStringLiteral("8"));
    const auto inkAboveBaseline = [this] {
        const QImage image = editor()->grab().toImage();
        const QColor base = editor()->palette().color(QPalette::Base);
        const int baseline = 2 + editor()->fontMetrics().ascent() - 2;
        int pixels = 0;
        // Columns clear of a caret at either edge.
        for (int y = 0; y < baseline; ++y)
            for (int x = 5; x < image.width() - 4; ++x)
                pixels += image.pixelColor(x, y) != base;
        return pixels;
    };
    EXPECT_GT(inkAboveBaseline(), 0);
    press(Qt::Key_Home);
    EXPECT_EQ(inkAboveBaseline(), 0);
    press(Qt::Key_End);
    EXPECT_GT(inkAboveBaseline(), 0);
}

} // namespace
