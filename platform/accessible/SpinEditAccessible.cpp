#include "platform/accessible/SpinEditAccessible.h"

#include "platform/accessible/LineEditGeometry.h"
#include "platform/widgets/SpinEdit.h"

#include <QLineEdit>

#include <algorithm>

SpinEditAccessible::SpinEditAccessible(QLineEdit* innerEdit)
    : QAccessibleWidget(innerEdit, QAccessible::SpinBox)
{
}

SpinEditAccessible::~SpinEditAccessible() = default;

SpinEdit* SpinEditAccessible::editorOf(QObject* object)
{
    auto* edit = object ? qobject_cast<SpinEdit*>(object->parent()) : nullptr;
    return edit != nullptr && edit->lineEdit() == object ? edit : nullptr;
}

SpinEdit* SpinEditAccessible::spinEdit() const
{
    return editorOf(widget());
}

QLineEdit* SpinEditAccessible::lineEdit() const
{
    return static_cast<QLineEdit*>(widget());
}

bool SpinEditAccessible::isValid() const
{
    // Qt passes on no event whose object is invalid; a screen reader hears the focus itself, with the
    // name, role and value, and no "selected" or "unselected" around it.
    const SpinEdit* edit = spinEdit();
    return QAccessibleWidget::isValid() && edit != nullptr && !edit->selectionUnheard();
}

QString SpinEditAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        if (const QString own = spinEdit()->accessibleName(); !own.isEmpty())
            return own;
        break;
    case QAccessible::Description:
        if (const QString own = spinEdit()->accessibleDescription(); !own.isEmpty())
            return own;
        break;
    case QAccessible::Value:
        return lineEdit()->text();
    default:
        break;
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State SpinEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    return state;
}

void* SpinEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant SpinEditAccessible::currentValue() const
{
    return spinEdit()->value();
}

void SpinEditAccessible::setCurrentValue(const QVariant& value)
{
    bool ok = false;
    qint64 wanted = value.toLongLong(&ok);
    SpinEdit* edit = spinEdit();
    if (!ok || !edit->isEnabled())
        return;
    if (edit->maxValue() > edit->minValue())
        wanted = std::clamp(wanted, qint64(edit->minValue()), qint64(edit->maxValue()));
    if (wanted == edit->value())
        return;
    // Set from outside as a step of the buttons would be: the window hears of it as of any change.
    edit->setValue(wanted);
    emit edit->propertiesChanged();
}

QVariant SpinEditAccessible::maximumValue() const
{
    return spinEdit()->maxValue();
}

QVariant SpinEditAccessible::minimumValue() const
{
    return spinEdit()->minValue();
}

QVariant SpinEditAccessible::minimumStepSize() const
{
    return SpinEdit::SmallStep;
}

std::pair<int, int> SpinEditAccessible::selectedRange() const
{
    if (!lineEdit()->hasSelectedText())
        return {0, 0};
    return {lineEdit()->selectionStart(), lineEdit()->selectionEnd()};
}

void SpinEditAccessible::select(int start, int end)
{
    lineEdit()->setSelection(start, end - start);
}

void SpinEditAccessible::deselect()
{
    lineEdit()->deselect();
}

int SpinEditAccessible::cursorPosition() const
{
    return lineEdit()->cursorPosition();
}

void SpinEditAccessible::setCursorPosition(int position)
{
    lineEdit()->setCursorPosition(position);
}

QRect SpinEditAccessible::characterRect(int offset) const
{
    return LineEditCharacterRect(lineEdit(), offset);
}

int SpinEditAccessible::offsetAtPoint(const QPoint& point) const
{
    return LineEditOffsetAtPoint(lineEdit(), point);
}

void SpinEditAccessible::scrollToSubstring(int, int) {}

SpinEditFrameAccessible::SpinEditFrameAccessible(SpinEdit* edit)
    : QAccessibleWidget(edit, QAccessible::Client)
{
}

SpinEditFrameAccessible::~SpinEditFrameAccessible() = default;

QString SpinEditFrameAccessible::text(QAccessible::Text t) const
{
    // The name belongs to the spin button inside; said twice it would be noise.
    if (t == QAccessible::Name || t == QAccessible::Description)
        return {};
    return QAccessibleWidget::text(t);
}

QAccessible::State SpinEditFrameAccessible::state() const
{
    // The focus is the spin button's alone.
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = false;
    state.focused = false;
    return state;
}

QString SpinEditAccessible::plainText() const
{
    return lineEdit()->text();
}
