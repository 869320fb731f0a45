#include "controls/accessible/ZelLinkLabelAccessible.h"

#include "controls/ZelLinkLabel.h"
#include "platform/window/ErrorReport.h"

#include <QAccessible>

namespace {

QAccessibleInterface* controlsInterface(const QString& className, QObject* object)
{
    if (object != nullptr && object->isWidgetType() && className == QLatin1String("TZelLinkLabel"))
        return new ZelLinkLabelAccessible(static_cast<TZelLinkLabel*>(object));
    return nullptr;
}

} // namespace

ZelLinkLabelAccessible::ZelLinkLabelAccessible(TZelLinkLabel* label)
    : QAccessibleWidget(label, QAccessible::Link)
{
}

ZelLinkLabelAccessible::~ZelLinkLabelAccessible() = default;

QString ZelLinkLabelAccessible::text(QAccessible::Text t) const
{
    const auto* label = static_cast<const TZelLinkLabel*>(widget());
    if (t == QAccessible::Name && label->accessibleName().isEmpty())
        return label->text();
    if (t == QAccessible::Value)
        return label->URL();
    return QAccessibleWidget::text(t);
}

QStringList ZelLinkLabelAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void ZelLinkLabelAccessible::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    auto* label = static_cast<TZelLinkLabel*>(widget());
    if (label->isEnabled())
        RunGuarded([label] { label->Click(); });
}

QStringList ZelLinkLabelAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction())
        return {};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void InstallControlsAccessibility()
{
    QAccessible::installFactory(&controlsInterface);
}
