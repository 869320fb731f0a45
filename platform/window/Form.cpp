#include "platform/window/Form.h"

#include "platform/window/ErrorReport.h"

#include <QApplication>
#include <QMoveEvent>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>
#include <cstdlib>
#include <utility>

QPoint SnapToWorkArea(const QRect& frame, const QRect& workArea, int distance)
{
    QRect r = frame;
    if (std::abs(r.left() - workArea.left()) < distance)
        r.moveLeft(workArea.left());
    if (std::abs(r.top() - workArea.top()) < distance)
        r.moveTop(workArea.top());
    // Right and bottom edges are exclusive on both sides, so compare them as such.
    if (std::abs((r.x() + r.width()) - (workArea.x() + workArea.width())) < distance)
        r.moveLeft(workArea.x() + workArea.width() - r.width());
    if (std::abs((r.y() + r.height()) - (workArea.y() + workArea.height())) < distance)
        r.moveTop(workArea.y() + workArea.height() - r.height());
    return r.topLeft();
}

QPoint CentredPosition(const QSize& outer, const QRect& area, const QPoint& desktopTopLeft)
{
    const int left = area.x() + (area.width() - outer.width()) / 2;
    const int top = area.y() + (area.height() - outer.height()) / 2;
    return {std::max(left, desktopTopLeft.x()), std::max(top, desktopTopLeft.y())};
}

Form::Form(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
}

void Form::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    RunGuarded([this] { emit aboutToShow(); });
    if (!std::exchange(m_shownOnce, true))
        centreOnPrimaryScreen();
}

void Form::centreOnPrimaryScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame is not known before the window manager has decorated the window: use the client size
    // plus whatever frame it already reports.
    const QSize outer = frameGeometry().size().expandedTo(size());
    const QRect whole = screen->geometry();
    const QPoint corner = CentredPosition(outer, whole, screen->virtualGeometry().topLeft());
    move(corner);
}

void Form::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_resizedSinceMove = true;
}

void Form::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (!isVisible() || m_snapPending)
        return;
    // A move and a resize of one geometry change arrive as two events in a row; decide once both have
    // arrived, since dragging an edge moves and resizes at once and only a move of the whole window
    // snaps.
    m_resizedSinceMove = false;
    m_snapPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_snapPending = false;
            if (!std::exchange(m_resizedSinceMove, false))
                snapToWorkArea();
        },
        Qt::QueuedConnection);
}

void Form::snapToWorkArea()
{
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
        return;
    const QScreen* holder = screen();
    if (!holder)
        return;
    const QRect frame = frameGeometry();
    const QPoint snapped = SnapToWorkArea(frame, holder->availableGeometry(), SnapDistance);
    if (snapped != frame.topLeft())
        move(snapped);
}

bool ModalBoxOver(const QWidget* widget)
{
    const QWidget* modal = QApplication::activeModalWidget();
    const QWidget* owner = widget->windowType() == Qt::Popup && widget->parentWidget()
                               ? widget->parentWidget()->window()
                               : widget->window();
    return modal && modal != owner;
}
