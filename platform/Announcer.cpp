#include "platform/Announcer.h"

#include <QAccessible>

Announcer::Announcer(QWidget* window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    // Shown, so that it is "showing" to a screen reader; at no size it covers nothing.
    show();
}

Announcer::~Announcer() = default;

void Announcer::announce(QWidget* window, const QString& message)
{
    if (!QAccessible::isActive() || window == nullptr)
        return;
    auto* announcer = window->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    if (announcer == nullptr)
        announcer = new Announcer(window);
    announcer->setAccessibleName(message);
    QAccessibleEvent event(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}
