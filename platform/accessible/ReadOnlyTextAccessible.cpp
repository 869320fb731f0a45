#include "platform/accessible/ReadOnlyTextAccessible.h"

#include "platform/accessible/LineEditGeometry.h"

#include <QLineEdit>

#include <algorithm>

ReadOnlyTextAccessible::ReadOnlyTextAccessible(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{
}

ReadOnlyTextAccessible::~ReadOnlyTextAccessible() = default;

QString ReadOnlyTextAccessible::shown() const
{
    return static_cast<const QLineEdit*>(widget())->text();
}

QString ReadOnlyTextAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return shown();
    return QAccessibleWidget::text(t);
}

QAccessible::State ReadOnlyTextAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    return state;
}

void* ReadOnlyTextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void ReadOnlyTextAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int ReadOnlyTextAccessible::selectionCount() const
{
    return 0;
}

void ReadOnlyTextAccessible::addSelection(int, int) {}

void ReadOnlyTextAccessible::removeSelection(int) {}

void ReadOnlyTextAccessible::setSelection(int, int, int) {}

int ReadOnlyTextAccessible::cursorPosition() const
{
    return 0;
}

void ReadOnlyTextAccessible::setCursorPosition(int) {}

QRect ReadOnlyTextAccessible::characterRect(int offset) const
{
    return LineEditCharacterRect(static_cast<const QLineEdit*>(widget()), offset);
}

int ReadOnlyTextAccessible::offsetAtPoint(const QPoint& point) const
{
    return LineEditOffsetAtPoint(static_cast<const QLineEdit*>(widget()), point);
}

void ReadOnlyTextAccessible::scrollToSubstring(int, int) {}

QString ReadOnlyTextAccessible::plainText() const
{
    return shown();
}
