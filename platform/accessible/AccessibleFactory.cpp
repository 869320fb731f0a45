#include "platform/accessible/AccessibleFactory.h"

#include "platform/accessible/GridInplaceEditorAccessible.h"
#include "platform/accessible/ReadOnlyTextAccessible.h"
#include "platform/accessible/SpinEditAccessible.h"
#include "platform/accessible/StringGridAccessible.h"
#include "platform/grid/GridInplaceEditor.h"
#include "platform/grid/StringGrid.h"
#include "platform/widgets/SpinEdit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace {

// Qt asks with each class name of the object in turn, most derived first.
QAccessibleInterface* platformInterface(const QString& className, QObject* object)
{
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    // A plain top-level window is a frame to a screen reader, as a main window would be.
    if (className == QLatin1String("Form") && static_cast<QWidget*>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    // A message that appears for a screen reader to speak wherever the focus is.
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    if (className == QLatin1String("StringGrid"))
        return new StringGridAccessible(static_cast<StringGrid*>(object));
    if (className == QLatin1String("GridInplaceEditor"))
        return new GridInplaceEditorAccessible(static_cast<GridInplaceEditor*>(object));
    if (className == QLatin1String("SpinEdit"))
        return new SpinEditFrameAccessible(static_cast<SpinEdit*>(object));
    if (className == QLatin1String("QLineEdit") && SpinEditAccessible::editorOf(object) != nullptr)
        return new SpinEditAccessible(static_cast<QLineEdit*>(object));
    if (className == QLatin1String("ValueDisplay"))
        return new ReadOnlyTextAccessible(static_cast<QLineEdit*>(object));
    return nullptr;
}

} // namespace

void InstallPlatformAccessibility()
{
    // Qt keeps a factory once however often it is installed.
    QAccessible::installFactory(&platformInterface);
}
