#pragma once

#include <QWidget>

// A resizable top-level window: a client size at creation, a smallest client size, centring on the
// primary screen at its first show (after its show handler ran), and snapping to the work area's
// edges when the user moves it.
class Form : public QWidget
{
    Q_OBJECT
public:
    static constexpr int SnapDistance = 10;

    explicit Form(QWidget* parent = nullptr);

signals:
    // Emitted while the window is still invisible, each time it is shown. An exception from a directly
    // connected slot goes to the default error report and the window is shown all the same.
    void aboutToShow();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void centreOnPrimaryScreen();
    void snapToWorkArea();

    bool m_shownOnce = false;
    bool m_resizedSinceMove = false;
    bool m_snapPending = false;
};

// Where a window whose outer rectangle is `frame` goes when it snaps to `workArea`: each edge, in the
// order left, top, right, bottom, moves onto the work area's edge when it is closer than `distance`.
QPoint SnapToWorkArea(const QRect& frame, const QRect& workArea, int distance);

// The top-left corner that centres `outer` on `area` in whole pixels (rounded toward zero), never left
// of or above `desktop`'s top-left corner.
QPoint CentredPosition(const QSize& outer, const QRect& area, const QPoint& desktopTopLeft);

// Whether a modal box other than `widget`'s own window is open (for a popup menu, the window it pops up
// from), so that nothing of `widget`'s window may act.
bool ModalBoxOver(const QWidget* widget);
