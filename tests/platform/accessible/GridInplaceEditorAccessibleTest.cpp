#include "platform/accessible/GridInplaceEditorAccessible.h"

#include "platform/accessible/AccessibleFactory.h"

#include "tests/platform/grid/StringGridTestSupport.h"
#include "tests/support/AccessibilityUpdates.h"
#include "tests/support/QtPrinters.h"

#include <QAccessible>

#include <optional>
#include <utility>
#include <vector>

namespace {

// What the editor told assistive technology: the kind of event, where, and the text it carried.
struct TextEvent
{
    QAccessible::Event type = QAccessible::InvalidEvent;
    QAccessible::Role role = QAccessible::NoRole;
    int position = -1;
    QString removed;
    QString inserted;
    int cursor = -1;
    int selectionStart = -1;
    int selectionEnd = -1;
};

class GridInplaceEditorAccessibleTest : public StringGridFixture
{
protected:
    void SetUp() override
    {
        m_updates.emplace([this](QAccessibleEvent* event) { record(event); });
        StringGridFixture::SetUp();
        m_grid->setAccessibleName(QStringLiteral("Matrix A"));
    }

    void TearDown() override
    {
        StringGridFixture::TearDown();
        m_updates.reset();
    }

    GridInplaceEditor* editor() const { return m_grid->inplaceEditor(); }

    QAccessibleInterface* editorInterface() const { return QAccessible::queryAccessibleInterface(editor()); }

    QAccessibleTextInterface* textOf() const
    {
        QAccessibleInterface* iface = editorInterface();
        return iface != nullptr ? iface->textInterface() : nullptr;
    }

    // Opens the editor on the cell in column 0 of `row`, holding `text`.
    void openWith(const QString& text, int row = 0)
    {
        m_grid->setCell(0, row, text);
        for (int i = 0; i < row; ++i)
            press(Qt::Key_Down);
        press(Qt::Key_F2);
        ASSERT_TRUE(m_grid->editorOpen());
        ASSERT_TRUE(editor()->hasFocus());
        m_events.clear();
    }

    // The text events only, in order, leaving out the grid's own cell events.
    std::vector<TextEvent> textEvents() const
    {
        std::vector<TextEvent> seen;
        for (const TextEvent& e : m_events)
            if (e.role == QAccessible::EditableText)
                seen.push_back(e);
        return seen;
    }

    static std::pair<int, int> selectionOf(QAccessibleTextInterface* text)
    {
        int start = -1;
        int end = -1;
        text->selection(0, &start, &end);
        return {start, end};
    }

    std::vector<TextEvent> m_events;

private:
    void record(QAccessibleEvent* event)
    {
        TextEvent seen;
        seen.type = event->type();
        if (QAccessibleInterface* iface = event->accessibleInterface())
            seen.role = iface->role();
        switch (event->type()) {
        case QAccessible::TextInserted: {
            const auto* e = static_cast<QAccessibleTextInsertEvent*>(event);
            seen.position = e->changePosition();
            seen.inserted = e->textInserted();
            seen.cursor = e->cursorPosition();
            break;
        }
        case QAccessible::TextRemoved: {
            const auto* e = static_cast<QAccessibleTextRemoveEvent*>(event);
            seen.position = e->changePosition();
            seen.removed = e->textRemoved();
            seen.cursor = e->cursorPosition();
            break;
        }
        case QAccessible::TextUpdated: {
            const auto* e = static_cast<QAccessibleTextUpdateEvent*>(event);
            seen.position = e->changePosition();
            seen.removed = e->textRemoved();
            seen.inserted = e->textInserted();
            seen.cursor = e->cursorPosition();
            break;
        }
        case QAccessible::TextSelectionChanged: {
            const auto* e = static_cast<QAccessibleTextSelectionEvent*>(event);
            seen.selectionStart = e->selectionStart();
            seen.selectionEnd = e->selectionEnd();
            seen.cursor = e->cursorPosition();
            break;
        }
        case QAccessible::TextCaretMoved:
            seen.cursor = static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition();
            break;
        default:
            break;
        }
        m_events.push_back(seen);
    }

    std::optional<AccessibilityUpdates> m_updates;
};

TEST_F(GridInplaceEditorAccessibleTest, OpenEditorIsAnEditableTextWithTheCellsTextCaretAndSelection)
{
    resize(2, 2);
    openWith(QStringLiteral("12"), 1);
    type(QStringLiteral("34"));
    ASSERT_EQ(m_grid->cell(0, 1), QStringLiteral("1234"));

    QAccessibleInterface* iface = editorInterface();
    ASSERT_NE(iface, nullptr);
    EXPECT_NE(dynamic_cast<GridInplaceEditorAccessible*>(iface), nullptr);
    EXPECT_EQ(iface->role(), QAccessible::EditableText);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Matrix A row 2 column 1"));
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("1234"));
    EXPECT_TRUE(iface->state().editable);
    EXPECT_FALSE(iface->state().readOnly);
    EXPECT_TRUE(iface->state().focusable);
    EXPECT_TRUE(iface->state().focused);
    ASSERT_NE(iface->editableTextInterface(), nullptr);

    QAccessibleTextInterface* text = iface->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 4);
    EXPECT_EQ(text->text(0, -1), QStringLiteral("1234"));
    EXPECT_EQ(text->text(1, 3), QStringLiteral("23"));
    EXPECT_EQ(text->text(3, 99), QStringLiteral("4"));
    EXPECT_EQ(text->cursorPosition(), 4);
    EXPECT_EQ(text->selectionCount(), 0);
    int start = -1;
    int end = -1;
    EXPECT_EQ(text->textAtOffset(1, QAccessible::CharBoundary, &start, &end), QStringLiteral("2"));
    EXPECT_EQ(std::pair(start, end), std::pair(1, 2));

    press(Qt::Key_Left, Qt::ShiftModifier);
    press(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(text->cursorPosition(), 2);
    EXPECT_EQ(text->selectionCount(), 1);
    EXPECT_EQ(selectionOf(text), std::pair(2, 4));

    // Set from outside, in either order of the ends.
    text->setSelection(0, 3, 1);
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("23"));
    EXPECT_EQ(selectionOf(text), std::pair(1, 3));
    text->removeSelection(0);
    EXPECT_FALSE(editor()->hasSelectedText());
    text->addSelection(0, -1);
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("1234"));
    text->setCursorPosition(1);
    EXPECT_EQ(editor()->cursorPosition(), 1);
    EXPECT_EQ(text->selectionCount(), 0);

    m_after->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !editor()->hasFocus(); }));
    EXPECT_FALSE(iface->state().focused);
}

TEST_F(GridInplaceEditorAccessibleTest, TypingDeletingAndUndoAreAnnouncedAsThePiecesThatChanged)
{
    openWith(QStringLiteral("12"));
    type(QStringLiteral("3"));
    press(Qt::Key_Backspace);
    press(Qt::Key_Left);
    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("9"));
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Delete); // the whole text selected again by undo

    const std::vector<TextEvent> seen = textEvents();
    ASSERT_EQ(seen.size(), 16u);
    const auto expectEvent = [&seen](std::size_t i, QAccessible::Event type, int position, const QString& removed,
                                     const QString& inserted, int cursor) {
        SCOPED_TRACE(i);
        EXPECT_EQ(seen[i].type, type);
        EXPECT_EQ(seen[i].position, position);
        EXPECT_EQ(seen[i].removed, removed);
        EXPECT_EQ(seen[i].inserted, inserted);
        EXPECT_EQ(seen[i].cursor, cursor);
    };
    const QString none;
    expectEvent(0, QAccessible::TextInserted, 2, none, QStringLiteral("3"), 3);
    expectEvent(1, QAccessible::TextCaretMoved, -1, none, none, 3);
    expectEvent(2, QAccessible::TextRemoved, 2, QStringLiteral("3"), none, 2);
    expectEvent(3, QAccessible::TextCaretMoved, -1, none, none, 2);
    expectEvent(4, QAccessible::TextCaretMoved, -1, none, none, 1);
    // Ctrl+A: the selection, then the caret at its end.
    EXPECT_EQ(seen[5].type, QAccessible::TextSelectionChanged);
    EXPECT_EQ(std::pair(seen[5].selectionStart, seen[5].selectionEnd), std::pair(0, 2));
    expectEvent(6, QAccessible::TextCaretMoved, -1, none, none, 2);
    // Typing over the selection replaces it; the selection is gone.
    expectEvent(7, QAccessible::TextUpdated, 0, QStringLiteral("12"), QStringLiteral("9"), 1);
    EXPECT_EQ(seen[8].type, QAccessible::TextSelectionChanged);
    EXPECT_EQ(seen[8].selectionStart, -1);
    expectEvent(9, QAccessible::TextCaretMoved, -1, none, none, 1);
    // Undo brings the text back and selects it as it was.
    expectEvent(10, QAccessible::TextUpdated, 0, QStringLiteral("9"), QStringLiteral("12"), 2);
    EXPECT_EQ(seen[11].type, QAccessible::TextSelectionChanged);
    EXPECT_EQ(std::pair(seen[11].selectionStart, seen[11].selectionEnd), std::pair(0, 2));
    expectEvent(12, QAccessible::TextCaretMoved, -1, none, none, 2);
    expectEvent(13, QAccessible::TextRemoved, 0, QStringLiteral("12"), none, 0);
    EXPECT_EQ(seen[14].type, QAccessible::TextSelectionChanged);
    expectEvent(15, QAccessible::TextCaretMoved, -1, none, none, 0);
}

TEST_F(GridInplaceEditorAccessibleTest, AMegabyteTextIsAnnouncedOneCharacterAtATime)
{
    const QString megabyte(1 << 20, QLatin1Char('7'));
    openWith(megabyte);
    type(QStringLiteral("8"));
    press(Qt::Key_Backspace);
    const std::vector<TextEvent> seen = textEvents();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].type, QAccessible::TextInserted);
    EXPECT_EQ(seen[0].inserted, QStringLiteral("8"));
    EXPECT_EQ(seen[0].position, megabyte.size());
    EXPECT_EQ(seen[2].type, QAccessible::TextRemoved);
    EXPECT_EQ(seen[2].removed, QStringLiteral("8"));

    // Only what the box lays out has a place on screen; the rest answers with nothing.
    QAccessibleTextInterface* text = textOf();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), megabyte.size());
    EXPECT_TRUE(text->characterRect(0).isEmpty());
    const int last = int(megabyte.size()) - 1;
    const QRect shown = text->characterRect(last);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(text->offsetAtPoint(shown.center()), last);
    EXPECT_EQ(text->offsetAtPoint(editor()->mapToGlobal(QPoint(-5, -5))), -1);
}

TEST_F(GridInplaceEditorAccessibleTest, EditsThroughTheInterfaceReachTheCellAndCanBeUndone)
{
    openWith(QStringLiteral("15"));
    QAccessibleInterface* iface = editorInterface();
    ASSERT_NE(iface, nullptr);
    QAccessibleEditableTextInterface* edit = iface->editableTextInterface();
    ASSERT_NE(edit, nullptr);

    edit->insertText(1, QStringLiteral(","));
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("1,5"));
    EXPECT_EQ(editor()->cursorPosition(), 2);
    const std::vector<TextEvent> seen = textEvents();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front().type, QAccessible::TextInserted);
    EXPECT_EQ(seen.front().position, 1);

    edit->deleteText(0, 1);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral(",5"));
    edit->replaceText(2, 0, QStringLiteral("7"));
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("7"));
    // Offsets beyond the text land at its end.
    edit->insertText(99, QStringLiteral("0"));
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("70"));

    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("7"));
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral(",5"));
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("15"));
}

} // namespace
