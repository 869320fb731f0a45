#pragma once

#include <QMenu>

#include <functional>

// A context menu whose items act only while they can be meant: while the menu shows (or is closing
// because one of them was chosen), and while no modal box stands over the window it pops up from. A screen
// reader can still press an item of a menu that has closed, or press one while a box asks something; such
// presses do nothing. Handlers run guarded: an exception goes to the default error report.
class PopupMenu : public QMenu
{
    Q_OBJECT
public:
    explicit PopupMenu(QWidget* parent);

    QAction* addItem(const QString& text, bool enabled, std::function<void()> handler);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool itemsLive() const;

    // Choosing an item hides the menu before the item acts.
    bool m_choosing = false;
};
