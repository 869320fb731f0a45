#pragma once

#include <QAccessible>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <functional>
#include <utility>

// Receives every event the program hands to QAccessible::updateAccessibility for as long as it lives,
// through Qt's own update handler. Qt passes nothing on while no bridge listens (as on the offscreen
// platform), so it also switches the platform's accessibility on, as a screen reader's bridge would, and
// back off when it goes.
class AccessibilityUpdates
{
public:
    using Handler = std::function<void(QAccessibleEvent* event)>;

    explicit AccessibilityUpdates(Handler handler)
        : m_handler(std::move(handler))
        , m_outer(std::exchange(current(), this))
        , m_previousHandler(QAccessible::installUpdateHandler(&dispatch))
        , m_wasActive(QAccessible::isActive())
    {
        setPlatformActive(true);
    }
    ~AccessibilityUpdates()
    {
        setPlatformActive(m_wasActive);
        QAccessible::installUpdateHandler(m_previousHandler);
        current() = m_outer;
    }
    AccessibilityUpdates(const AccessibilityUpdates&) = delete;
    AccessibilityUpdates& operator=(const AccessibilityUpdates&) = delete;

private:
    static AccessibilityUpdates*& current()
    {
        static AccessibilityUpdates* innermost = nullptr;
        return innermost;
    }

    static void dispatch(QAccessibleEvent* event)
    {
        if (AccessibilityUpdates* updates = current())
            updates->m_handler(event);
    }

    static void setPlatformActive(bool on)
    {
        if (QPlatformIntegration* integration = QGuiApplicationPrivate::platformIntegration())
            if (QPlatformAccessibility* accessibility = integration->accessibility())
                accessibility->setActive(on);
        QAccessible::setActive(on);
    }

    Handler m_handler;
    AccessibilityUpdates* m_outer;
    QAccessible::UpdateHandler m_previousHandler;
    bool m_wasActive;
};
