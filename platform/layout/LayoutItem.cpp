#include "platform/layout/LayoutItem.h"

#include "platform/paint/ColorValue.h"
#include "platform/paint/Drawing.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace {
constexpr int CaptionGap = 6;
constexpr QRgb ControlBorderColor = qRgb(128, 128, 128);
// Disabled text keeps its grey look but stays readable (at least 4.5:1, with a margin for the blending of
// glyph edges). A caption sits on its group's colour, which may be a shade darker than the window's: it
// aims a little higher.
constexpr double ReadableContrast = 4.8;
constexpr double CaptionContrast = 5.2;

// Sets the disabled colour of `role` readable against the disabled `background` role of the same palette.
void makeDisabledReadable(QWidget* widget, QPalette::ColorRole role, QPalette::ColorRole background, double ratio)
{
    QPalette palette = widget->palette();
    const QColor readable =
        ReadableOn(palette.color(QPalette::Disabled, role), palette.color(QPalette::Disabled, background), ratio);
    if (readable == palette.color(QPalette::Disabled, role))
        return;
    palette.setColor(QPalette::Disabled, role, readable);
    widget->setPalette(palette);
}
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
    makeDisabledReadable(m_control, QPalette::Text, QPalette::Base, ReadableContrast);
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
        makeDisabledReadable(m_caption, QPalette::WindowText, QPalette::Window, CaptionContrast);
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
