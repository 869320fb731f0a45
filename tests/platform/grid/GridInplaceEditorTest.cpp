#include "tests/platform/grid/StringGridTestSupport.h"

#include "tests/support/FakeClipboard.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTextCharFormat>

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

    // Shows the editor's menu as a right click would; the menu is a popup, so this returns at once.
    QMenu* openMenu()
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3), editor()->mapToGlobal(QPoint(3, 3)));
        QCoreApplication::sendEvent(editor(), &event);
        if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }))
            return nullptr;
        QCoreApplication::processEvents(); // the clipboard's answer, which enables Paste
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    // Each item's text without its shortcut, and whether it is enabled; separators left out.
    static std::vector<std::pair<QString, bool>> itemsOf(const QMenu* menu)
    {
        std::vector<std::pair<QString, bool>> items;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                items.emplace_back(action->text().section(QLatin1Char('\t'), 0, 0), action->isEnabled());
        return items;
    }

    static QAction* itemOf(const QMenu* menu, const QString& text)
    {
        for (QAction* action : menu->actions())
            if (action->text().section(QLatin1Char('\t'), 0, 0) == text)
                return action;
        return nullptr;
    }

    // Triggers an item as a click on it does, and waits for the menu to go and the editor to have the
    // focus back.
    void choose(QMenu* menu, const QString& text)
    {
        QAction* action = itemOf(menu, text);
        ASSERT_NE(action, nullptr) << text.toStdString();
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
        ASSERT_TRUE(QTest::qWaitFor([this] { return editor()->hasFocus(); }));
    }

    void TearDown() override
    {
        QGuiApplication::clipboard()->clear();
        StringGridFixture::TearDown();
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

// An action on the open editor: keys pressed, then text typed, then what the editor and the cell hold.
struct EditAction
{
    const char* name;
    std::vector<Key> keys;
    const char16_t* typed;
    const char16_t* expected;
};

void RunActions(const StringGrid* grid, const std::vector<EditAction>& actions)
{
    for (const EditAction& action : actions) {
        for (const Key& key : action.keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key.key), key.modifiers);
        QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf16(action.typed));
        EXPECT_EQ(grid->inplaceEditor()->text(), QString::fromUtf16(action.expected)) << action.name;
        EXPECT_EQ(grid->cell(0, 0), QString::fromUtf16(action.expected)) << action.name;
    }
}

constexpr Qt::KeyboardModifiers CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

TEST_F(GridInplaceEditorTest, UndoAndRedoKeysStepThroughTheEditsAndTheCellFollows)
{
    openWith(QStringLiteral("12"));
    RunActions(m_grid,
               {
                   {"typed characters", {}, u"345", u"12345"},
                   {"Ctrl+Z undoes the typed characters as one step", {{Qt::Key_Z, Qt::ControlModifier}}, u"", u"12"},
                   {"nothing more to undo", {{Qt::Key_Z, Qt::ControlModifier}}, u"", u"12"},
                   {"Ctrl+Shift+Z redoes", {{Qt::Key_Z, CtrlShift}}, u"", u"12345"},
                   {"nothing more to redo", {{Qt::Key_Z, CtrlShift}}, u"", u"12345"},
                   {"Ctrl+Z again", {{Qt::Key_Z, Qt::ControlModifier}}, u"", u"12"},
                   {"Ctrl+Y redoes too", {{Qt::Key_Y, Qt::ControlModifier}}, u"", u"12345"},
                   {"two deletions", {{Qt::Key_Backspace}, {Qt::Key_Backspace}}, u"", u"123"},
                   {"each deletion is a step", {{Qt::Key_Z, Qt::ControlModifier}}, u"", u"1234"},
                   {"a caret move ends a group", {{Qt::Key_Home}}, u"a", u"a1234"},
                   {"more typing at the end", {{Qt::Key_End}}, u"bc", u"a1234bc"},
                   {"undo takes back only the last group", {{Qt::Key_Z, Qt::ControlModifier}}, u"", u"a1234"},
                   {"and then the one before", {{Qt::Key_Z, Qt::ControlModifier}}, u"", u"1234"},
                   {"a new edit ends what could be redone",
                    {{Qt::Key_End}, {Qt::Key_Backspace}, {Qt::Key_Y, Qt::ControlModifier}},
                    u"",
                    u"123"},
                   {"Escape never undoes", {{Qt::Key_Escape}}, u"", u"123"},
               });
    EXPECT_TRUE(m_grid->editorOpen());
}

TEST_F(GridInplaceEditorTest, UndoRestoresTheCaretAndTheSelection)
{
    openWith(QStringLiteral("1234"));
    press(Qt::Key_Left);
    press(Qt::Key_Left, Qt::ShiftModifier);
    press(Qt::Key_Left, Qt::ShiftModifier);
    type(QStringLiteral("x"));
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("1x4"));
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("1234"));
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("23"));
    EXPECT_EQ(editor()->cursorPosition(), 1);
    press(Qt::Key_Z, CtrlShift);
    EXPECT_FALSE(editor()->hasSelectedText());
    EXPECT_EQ(editor()->cursorPosition(), 2);
    type(QStringLiteral("y")); // a redo ends the group too: this is a step of its own
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("1x4"));
}

// The character that opens the editor replaces the text; that replacement and the characters typed after
// it are one step, which brings the old text back, all of it selected as it was.
TEST_F(GridInplaceEditorTest, TheHistoryStartsWithEachOpeningOfTheEditor)
{
    m_grid->setCell(0, 0, QStringLiteral("123"));
    type(QStringLiteral("56"));
    ASSERT_TRUE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("56"));
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("123"));
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("123"));
    press(Qt::Key_Z, CtrlShift);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("56"));
    press(Qt::Key_Return);
    ASSERT_FALSE(m_grid->editorOpen());

    press(Qt::Key_F2);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("56")) << "the last opening's edits are not undone";
    press(Qt::Key_Return);

    press(Qt::Key_Backspace); // opens the editor and empties the cell
    ASSERT_TRUE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->cell(0, 0), QString());
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("56"));
}

TEST_F(GridInplaceEditorTest, APasteAndACutAreStepsOfTheirOwn)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("xy"));
    openWith(QStringLiteral("ab"));
    RunActions(m_grid,
               {
                   {"typed", {}, u"c", u"abc"},
                   {"pasted", {{Qt::Key_V, Qt::ControlModifier}}, u"", u"abcxy"},
                   {"typed after the paste", {}, u"z", u"abcxyz"},
                   {"undo takes back what followed the paste", {{Qt::Key_Z, Qt::ControlModifier}}, u"", u"abcxy"},
                   {"then the paste", {{Qt::Key_Z, Qt::ControlModifier}}, u"", u"abc"},
                   {"then the typing before it", {{Qt::Key_Z, Qt::ControlModifier}}, u"", u"ab"},
                   {"cut", {{Qt::Key_Home, Qt::ShiftModifier}, {Qt::Key_X, Qt::ControlModifier}}, u"", u""},
                   {"undo of the cut", {{Qt::Key_Z, Qt::ControlModifier}}, u"", u"ab"},
               });
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("ab"));
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("ab"));
}

TEST_F(GridInplaceEditorTest, UndoAndRedoRestoreAMegabyteTextExactly)
{
    QString big(1 << 20, Qt::Uninitialized);
    for (qsizetype i = 0; i < big.size(); ++i)
        big[i] = QLatin1Char(char('0' + i % 10));
    openWith(big);
    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("x"));
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("x"));
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(m_grid->cell(0, 0) == big);
    EXPECT_TRUE(editor()->text() == big);
    EXPECT_EQ(editor()->selectedText().size(), big.size());

    press(Qt::Key_Home);
    for (int i = 0; i < 20; ++i)
        press(Qt::Key_Right);
    type(QStringLiteral("ab"));
    press(Qt::Key_Delete);
    EXPECT_TRUE(m_grid->cell(0, 0) == big.left(20) + QStringLiteral("ab") + big.mid(21));
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(m_grid->cell(0, 0) == big);
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(m_grid->cell(0, 0) == big.left(20) + QStringLiteral("ab") + big.mid(20));
}

TEST_F(GridInplaceEditorTest, TheContextMenuOffersWhatAppliesAndKeepsTheEditorOpen)
{
    QGuiApplication::clipboard()->clear();
    resize(3, 3);
    m_grid->setCurrentCell(1, 1);
    m_grid->setCell(1, 1, QStringLiteral("abc"));
    press(Qt::Key_F2);
    ASSERT_TRUE(m_grid->editorOpen());
    using Items = std::vector<std::pair<QString, bool>>;
    const auto item = [](const char* text, bool enabled) { return std::pair(QString::fromLatin1(text), enabled); };

    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(itemsOf(menu),
              (Items{item("&Undo", false), item("&Redo", false), item("Cu&t", false), item("&Copy", false),
                     item("&Paste", false), item("Delete", false), item("Select All", true)}));
    const QString undoKeys = QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText);
    EXPECT_TRUE(itemOf(menu, QStringLiteral("&Undo"))->text().endsWith(QLatin1Char('\t') + undoKeys));
    // The menu took the focus (a PopupFocusReason focus-out); the grid keeps its cell and its open editor.
    EXPECT_TRUE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->col(), 1);
    EXPECT_EQ(m_grid->row(), 1);
    choose(menu, QStringLiteral("Select All"));
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("abc"));

    menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(itemsOf(menu), (Items{item("&Undo", false), item("&Redo", false), item("Cu&t", true), item("&Copy", true),
                                    item("&Paste", false), item("Delete", true), item("Select All", false)}));
    choose(menu, QStringLiteral("Cu&t"));
    EXPECT_EQ(m_grid->cell(1, 1), QString());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("abc"));

    menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(itemsOf(menu),
              (Items{item("&Undo", true), item("&Redo", false), item("Cu&t", false), item("&Copy", false),
                     item("&Paste", true), item("Delete", false), item("Select All", false)}));
    choose(menu, QStringLiteral("&Undo"));
    EXPECT_EQ(m_grid->cell(1, 1), QStringLiteral("abc"));

    menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(itemOf(menu, QStringLiteral("&Redo"))->isEnabled());
    choose(menu, QStringLiteral("Delete"));
    EXPECT_EQ(m_grid->cell(1, 1), QString());

    menu = openMenu();
    ASSERT_NE(menu, nullptr);
    choose(menu, QStringLiteral("&Paste"));
    EXPECT_EQ(m_grid->cell(1, 1), QStringLiteral("abc"));
    EXPECT_TRUE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->col(), 1);
    EXPECT_EQ(m_grid->row(), 1);
}

// Through the window, as the platform delivers it: the right press becomes a context-menu event.
TEST_F(GridInplaceEditorTest, ARightClickOnTheEditorShowsItsMenuAndChangesNothing)
{
    openWith(QStringLiteral("12 34"));
    press(Qt::Key_Left, Qt::ShiftModifier);
    const QPoint at = editor()->mapTo(m_window.get(), QPoint(3, editor()->height() / 2));
    QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, Qt::NoModifier, at);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->parentWidget(), editor());
    EXPECT_TRUE(m_grid->editorOpen());
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("4"));
    QTest::keyClick(menu, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    ASSERT_TRUE(QTest::qWaitFor([this] { return editor()->hasFocus(); }));
    EXPECT_TRUE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("12 34"));
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("4"));
}

TEST_F(GridInplaceEditorTest, ClosingTheEditorClosesItsMenu)
{
    openWith(QStringLiteral("abc"));
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_FALSE(m_grid->editorOpen());
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
}

TEST_F(GridInplaceEditorTest, SelectingOffersThePrimarySelectionAndAMiddleClickPastesIt)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        GTEST_SKIP() << "this platform has no primary selection";
    openWith(QStringLiteral("12 34"));
    QTest::mouseDClick(editor(), Qt::LeftButton, Qt::NoModifier, QPoint(editor()->width() - 3, editor()->height() / 2));
    EXPECT_EQ(clipboard->text(QClipboard::Selection), QStringLiteral("34"));
    press(Qt::Key_End);
    press(Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(clipboard->text(QClipboard::Selection), QStringLiteral("12 34"));
    press(Qt::Key_End);
    QTest::mouseClick(editor(), Qt::MiddleButton, Qt::NoModifier, QPoint(1, editor()->height() / 2));
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("12 3412 34"));
    EXPECT_EQ(editor()->cursorPosition(), 5);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("12 34"));
    clipboard->clear(QClipboard::Selection);
}

TEST_F(GridInplaceEditorTest, CharacterKeysGoOverWholeGraphemes)
{
    // An e with a combining accent, then a thumbs-up with a skin tone: two characters to a reader.
    const QString accented = QString::fromUtf16(u"e\u0301");
    const QString thumbsUp = QString::fromUtf16(u"\U0001F44D\U0001F3FD");
    openWith(QStringLiteral("1") + accented + thumbsUp);
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    EXPECT_EQ(editor()->cursorPosition(), 1);
    press(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(editor()->selectedText(), accented);
    press(Qt::Key_Home);
    press(Qt::Key_Right);
    press(Qt::Key_Delete);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("1") + thumbsUp);
    press(Qt::Key_End);
    press(Qt::Key_Backspace);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("1"));
}

TEST_F(GridInplaceEditorTest, APasteTakesTheClipboardTextUpToItsFirstLineBreak)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    openWith(QString());
    for (const QString& copied : {QStringLiteral("5\n"), QStringLiteral("5\r\n"), QStringLiteral("5\r6")}) {
        clipboard->setText(copied);
        press(Qt::Key_A, Qt::ControlModifier);
        press(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("5")) << copied.toStdString();
    }
    if (clipboard->supportsSelection()) {
        clipboard->setText(QStringLiteral("7\r\n8"), QClipboard::Selection);
        QTest::mouseClick(editor(), Qt::MiddleButton, Qt::NoModifier, QPoint(editor()->width() - 2, 4));
        EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("57"));
        clipboard->clear(QClipboard::Selection);
    }
}

// What an input method composes shows at the caret, underlined, before it becomes part of the text.
TEST_F(GridInplaceEditorTest, TextBeingComposedIsDrawnAtTheCaretUnderlined)
{
    openWith(QStringLiteral("1"));
    const int baseline = 2 + editor()->fontMetrics().ascent();
    // Ink above the baseline, and lines of ink below it, between the caret before the composed text and
    // the caret after it: where the composed text shows, and nowhere else.
    const auto ink = [this, baseline](bool below) {
        const QImage image = editor()->grab().toImage();
        const QColor base = editor()->palette().color(QPalette::Base);
        const QFontMetrics metrics = editor()->fontMetrics();
        const int left = 2 + metrics.horizontalAdvance(QStringLiteral("1")) + 1;
        const int right = 2 + metrics.horizontalAdvance(QStringLiteral("188")) - 1;
        int pixels = 0;
        for (int y = below ? baseline + 1 : 0; y < (below ? image.height() : baseline - 1); ++y) {
            int row = 0;
            for (int x = left; x < right; ++x)
                row += image.pixelColor(x, y) != base;
            // Below the baseline only a line under (nearly) all of the stretch counts.
            pixels += !below || row >= right - left - 2 ? row : 0;
        }
        return pixels;
    };
    ASSERT_EQ(ink(false), 0);
    ASSERT_EQ(ink(true), 0);

    QTextCharFormat underline;
    underline.setFontUnderline(true);
    QInputMethodEvent composing(QStringLiteral("88"), {{QInputMethodEvent::TextFormat, 0, 2, underline},
                                                       {QInputMethodEvent::Cursor, 2, 1, {}}});
    QCoreApplication::sendEvent(editor(), &composing);
    EXPECT_EQ(editor()->preeditText(), QStringLiteral("88"));
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("1")) << "composed text is not yet typed";
    EXPECT_GT(ink(false), 0) << "the composed digits are drawn";
    EXPECT_GT(ink(true), 0) << "and underlined";

    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("88"));
    QCoreApplication::sendEvent(editor(), &commit);
    EXPECT_EQ(editor()->preeditText(), QString());
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("188"));
    EXPECT_EQ(ink(true), 0) << "typed text is not underlined";
}

} // namespace

// Every way in reads the clipboard through the door, never Qt's clipboard beside it ("99" here): an owner
// that never answers pastes nothing and leaves the menu's Paste disabled. Copy writes through it too.
TEST_F(GridInplaceEditorTest, EveryPasteAsksTheClipboardDoorAndANeverAnsweringOwnerPastesNothing)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));
    FakeClipboard clipboard;
    clipboard.silent = true;
    openWith(QStringLiteral("1"));
    press(Qt::Key_V, Qt::ControlModifier);
    press(Qt::Key_Insert, Qt::ShiftModifier);
    QTest::mouseClick(editor(), Qt::MiddleButton, Qt::NoModifier, QPoint(1, 4));
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(itemOf(menu, QStringLiteral("&Paste"))->isEnabled());
    menu->close();
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("1"));
    EXPECT_EQ(clipboard.reads, 4);
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.content.text, "1");
}
