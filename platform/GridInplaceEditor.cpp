#include "platform/GridInplaceEditor.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <limits>

namespace {
// The frameless line edit already keeps 2 px clear on the left and right and 1 px at the top; one more
// at the top sets the text 2 px in from the cell's edge there too.
constexpr int ExtraTopMargin = 1;
} // namespace

GridInplaceEditor::GridInplaceEditor(QWidget* parent)
    : QLineEdit(parent)
{
    setFrame(false);
    setMaxLength(std::numeric_limits<int>::max());
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextMargins(0, ExtraTopMargin, 0, 0);
    // Reached by the grid itself, never by Tab.
    setFocusPolicy(Qt::ClickFocus);
}

GridInplaceEditor::~GridInplaceEditor() = default;

bool GridInplaceEditor::event(QEvent* event)
{
    // Tab is taken before keyPressEvent would see it; it must move the focus on from the grid, not from
    // this child of the grid.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool noCtrlAlt = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (noCtrlAlt && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
            emit tabPressed(forward);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void GridInplaceEditor::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit gridKeyPressed(event->key(), event->modifiers());
        break;
    case Qt::Key_Escape:
        // An edit is never undone.
        break;
    case Qt::Key_Insert:
        if (event->modifiers() == Qt::NoModifier)
            break;
        QLineEdit::keyPressEvent(event);
        break;
    default:
        QLineEdit::keyPressEvent(event);
        break;
    }
    // Whatever the editor does not use must not reach the grid underneath as a key of its own.
    event->accept();
}

void GridInplaceEditor::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Another window in front, or the editor's own context menu, leaves the editing where it is.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    emit focusLeft();
}
