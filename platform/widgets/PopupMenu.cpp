#include "platform/widgets/PopupMenu.h"

#include "platform/window/ErrorReport.h"
#include "platform/window/Form.h"

#include <QAction>

#include <utility>

PopupMenu::PopupMenu(QWidget* parent)
    : QMenu(parent)
{
}

QAction* PopupMenu::addItem(const QString& text, bool enabled, std::function<void()> handler)
{
    QAction* action = addAction(text);
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] {
        if (itemsLive())
            RunGuarded(handler);
    });
    return action;
}

bool PopupMenu::itemsLive() const
{
    return (isVisible() || m_choosing) && !ModalBoxOver(this);
}

void PopupMenu::keyPressEvent(QKeyEvent* event)
{
    const bool wasChoosing = std::exchange(m_choosing, true);
    QMenu::keyPressEvent(event);
    m_choosing = wasChoosing;
}

void PopupMenu::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasChoosing = std::exchange(m_choosing, true);
    QMenu::mouseReleaseEvent(event);
    m_choosing = wasChoosing;
}
