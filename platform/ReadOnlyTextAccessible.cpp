#include "platform/ReadOnlyTextAccessible.h"

#include <QLineEdit>

namespace {
constexpr char MarkProperty[] = "quorlinReadOnlyText";
} // namespace

ReadOnlyTextAccessible::ReadOnlyTextAccessible(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::StaticText)
{
}

ReadOnlyTextAccessible::~ReadOnlyTextAccessible() = default;

QString ReadOnlyTextAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return static_cast<const QLineEdit*>(widget())->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State ReadOnlyTextAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    return state;
}

void ReadOnlyTextAccessible::mark(QLineEdit* edit)
{
    edit->setProperty(MarkProperty, true);
}

bool ReadOnlyTextAccessible::isMarked(const QObject* object)
{
    return object->property(MarkProperty).toBool();
}
