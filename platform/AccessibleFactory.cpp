#include "platform/AccessibleFactory.h"

#include "platform/ReadOnlyTextAccessible.h"
#include "platform/SpinEditAccessible.h"
#include "platform/StringGrid.h"
#include "platform/StringGridAccessible.h"
#include "platform/SpinEdit.h"

#include <QAccessible>
#include <QLineEdit>

namespace {

// Qt asks with each class name of the object in turn, most derived first.
QAccessibleInterface* platformInterface(const QString& className, QObject* object)
{
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("StringGrid"))
        return new StringGridAccessible(static_cast<StringGrid*>(object));
    if (className == QLatin1String("SpinEdit"))
        return new SpinEditAccessible(static_cast<SpinEdit*>(object));
    if (className == QLatin1String("QLineEdit") && ReadOnlyTextAccessible::isMarked(object))
        return new ReadOnlyTextAccessible(static_cast<QLineEdit*>(object));
    return nullptr;
}

} // namespace

void InstallPlatformAccessibility()
{
    // Qt keeps a factory once however often it is installed.
    QAccessible::installFactory(&platformInterface);
}
