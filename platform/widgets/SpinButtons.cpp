#include "platform/widgets/SpinButtons.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {
constexpr int ArrowMargin = 2;
constexpr int MinimumPartHeight = 7;
} // namespace

SpinButtons::SpinButtons(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setFixedWidth(Width);
    // A coarse timer may fire up to 5 % early; the repeat must not come before its time.
    m_repeat.setTimerType(Qt::PreciseTimer);
    connect(&m_repeat, &QTimer::timeout, this, &SpinButtons::repeatStep);
}

SpinButtons::~SpinButtons() = default;

void SpinButtons::stopRepeating()
{
    m_repeat.stop();
    if (m_pressed == Part::None)
        return;
    m_pressed = Part::None;
    update();
}

QRect SpinButtons::partRect(Part part) const
{
    const int upHeight = height() / 2;
    switch (part) {
    case Part::Up:
        return {0, 0, width(), upHeight};
    case Part::Down:
        return {0, upHeight, width(), height() - upHeight};
    case Part::None:
        break;
    }
    return {};
}

QSize SpinButtons::sizeHint() const
{
    return minimumSizeHint();
}

QSize SpinButtons::minimumSizeHint() const
{
    return {Width, 2 * MinimumPartHeight};
}

void SpinButtons::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintPart(painter, Part::Up);
    paintPart(painter, Part::Down);
}

void SpinButtons::paintPart(QPainter& painter, Part part)
{
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = partRect(part);
    option.state |= QStyle::State_Raised;
    if (m_pressed == part) {
        option.state |= QStyle::State_Sunken;
        option.state &= ~QStyle::State_Raised;
    }
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);
    option.rect = option.rect.adjusted(ArrowMargin, ArrowMargin, -ArrowMargin, -ArrowMargin);
    style()->drawPrimitive(part == Part::Up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &option,
                           &painter, this);
}

void SpinButtons::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    const QPoint at = event->position().toPoint();
    const Part part = partRect(Part::Up).contains(at)     ? Part::Up
                      : partRect(Part::Down).contains(at) ? Part::Down
                                                          : Part::None;
    if (part == Part::None)
        return;
    m_pressed = part;
    update();
    m_repeat.start(RepeatDelay);
    // The step may run a handler that shows a modal box and so lets go of the button already.
    emit stepRequested(part == Part::Up ? 1 : -1);
}

void SpinButtons::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    stopRepeating();
}

void SpinButtons::hideEvent(QHideEvent* event)
{
    stopRepeating();
    QWidget::hideEvent(event);
}

void SpinButtons::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        stopRepeating();
    QWidget::changeEvent(event);
}

void SpinButtons::repeatStep()
{
    if (m_pressed == Part::None) {
        m_repeat.stop();
        return;
    }
    if (m_repeat.interval() != RepeatInterval)
        m_repeat.setInterval(RepeatInterval);
    emit stepRequested(m_pressed == Part::Up ? 1 : -1);
}
