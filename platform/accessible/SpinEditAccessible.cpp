#include "platform/accessible/SpinEditAccessible.h"

#include "platform/SpinEdit.h"
#include "platform/accessible/AccessibleFactory.h"

#include <QLineEdit>

#include <algorithm>

SpinEditAccessible::SpinEditAccessible(SpinEdit* edit)
    : QAccessibleWidget(edit, QAccessible::SpinBox)
{
    // The interface lives exactly as long as the editor, so the editor is the connection's context.
    QObject::connect(edit, &SpinEdit::propertiesChanged, edit, [edit] {
        QAccessibleValueChangeEvent event(edit, edit->value());
        SendAccessibilityEvent(&event);
    });
}

SpinEditAccessible::~SpinEditAccessible() = default;

SpinEdit* SpinEditAccessible::spinEdit() const
{
    return static_cast<SpinEdit*>(widget());
}

QString SpinEditAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return spinEdit()->text();
    return QAccessibleWidget::text(t);
}

void* SpinEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
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
    if (!ok || !spinEdit()->isEnabled())
        return;
    SpinEdit* edit = spinEdit();
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
