#include "platform/LayoutItem.h"

#include "platform/ColorValue.h"
#include "platform/Drawing.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace {
constexpr int CaptionGap = 6;
constexpr QRgb ControlBorderColor = qRgb(128, 128, 128);
} // namespace

LayoutItem::LayoutItem(QWidget* control, QWidget* parent)
    : QWidget(parent)
    , m_control(control)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(CaptionGap);
    row->addWidget(m_control);
    setSizePolicy(m_control->sizePolicy());
    m_control->installEventFilter(this);
    takeOverEnabledState();
}

QString LayoutItem::caption() const
{
    return m_caption ? m_caption->text() : QString();
}

void LayoutItem::setCaption(const QString& caption)
{
    if (!m_caption) {
        m_caption = new QLabel(this);
        m_caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        static_cast<QHBoxLayout*>(layout())->insertWidget(0, m_caption);
        takeOverEnabledState();
    }
    m_caption->setText(caption);
}

void LayoutItem::setCaptionWidth(int width)
{
    if (m_caption)
        m_caption->setFixedWidth(width);
}

int LayoutItem::captionHintWidth() const
{
    return m_caption ? m_caption->sizeHint().width() : 0;
}

void LayoutItem::setControlBorder(bool on)
{
    if (m_controlBorder == on)
        return;
    m_controlBorder = on;
    const int margin = on ? 1 : 0;
    layout()->setContentsMargins(margin, margin, margin, margin);
    update();
}

bool LayoutItem::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_control && event->type() == QEvent::EnabledChange)
        takeOverEnabledState();
    return QWidget::eventFilter(watched, event);
}

void LayoutItem::takeOverEnabledState()
{
    // The caption follows the control; disabling the item itself would disable the control, which the
    // layout never does on its own.
    if (m_caption)
        m_caption->setEnabled(m_control->isEnabled());
}

void LayoutItem::paintEvent(QPaintEvent*)
{
    if (!m_controlBorder)
        return;
    QPainter painter(this);
    DrawOutline(painter, m_control->geometry().adjusted(-1, -1, 0, 0), QColor(ControlBorderColor));
}
