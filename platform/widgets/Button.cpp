#include "platform/widgets/Button.h"

#include "platform/paint/Drawing.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

struct FaceColors
{
    QColor top;
    QColor bottom;
};

// The faces of the calculator's buttons: resting, under the pointer, held down, and unusable.
constexpr QRgb BorderColor = qRgb(0, 0, 128);
constexpr QRgb DisabledBorderColor = qRgb(172, 168, 153);
const FaceColors RestingFace{QColor(255, 255, 255), QColor(200, 212, 240)};
const FaceColors HoverFace{QColor(255, 244, 204), QColor(255, 208, 145)};
const FaceColors PressedFace{QColor(254, 145, 78), QColor(255, 211, 142)};
const FaceColors DisabledFace{QColor(246, 246, 246), QColor(226, 226, 226)};

} // namespace

Button::Button(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    setFixedHeight(Height);
    setAutoDefault(false);
    setDefault(false);
    setAttribute(Qt::WA_Hover);
}

void Button::setLook(Look look)
{
    if (m_look == look)
        return;
    m_look = look;
    update();
}

void Button::setHoverColor(const QColor& color)
{
    if (m_hoverColor == color)
        return;
    m_hoverColor = color;
    update();
}

QSize Button::sizeHint() const
{
    return {QPushButton::sizeHint().width(), Height};
}

void Button::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && isEnabled()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void Button::enterEvent(QEnterEvent* event)
{
    QPushButton::enterEvent(event);
    m_hovered = true;
    update();
}

void Button::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    m_hovered = false;
    update();
}

void Button::paintEvent(QPaintEvent*)
{
    if (m_look == Look::Native)
        paintNative();
    else
        paintOffice2003();
}

void Button::paintOffice2003()
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    const FaceColors& face = !isEnabled() ? DisabledFace : isDown() ? PressedFace : m_hovered ? HoverFace : RestingFace;
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, face.top);
    gradient.setColorAt(1, face.bottom);
    painter.fillRect(rect(), gradient);
    DrawOutline(painter, frame, QColor(isEnabled() ? BorderColor : DisabledBorderColor));

    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void Button::paintNative()
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (m_hovered && m_hoverColor.isValid() && isEnabled())
        option.palette.setColor(QPalette::Button, m_hoverColor);
    painter.drawControl(QStyle::CE_PushButton, option);
}
