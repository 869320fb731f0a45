#include "platform/window/Announcer.h"

#include <QAccessible>

Announcer::Announcer(QWidget* window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
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
    // Shown (at no size it covers nothing) it is "showing" to a screen reader; showing it the first
    // time tells of it already.
    if (announcer->isHidden()) {
        announcer->show();
        return;
    }
    QAccessibleEvent event(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}
