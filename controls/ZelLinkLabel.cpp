#include "controls/ZelLinkLabel.h"

#include "platform/desktop/OpenUrl.h"
#include "platform/window/ErrorReport.h"

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <utility>

namespace {

constexpr char16_t LastBlankCode = 32;

// The desktop's default font attributes, all of them held by the object itself rather than
// inherited from whatever widget the label is put on.
QFont defaultFont()
{
    QFont font = QApplication::font();
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

QFont underlinedOnly(QFont font)
{
    font.setBold(false);
    font.setItalic(false);
    font.setStrikeOut(false);
    font.setUnderline(true);
    return font;
}

bool isBlank(QChar c)
{
    return c.unicode() <= LastBlankCode;
}

} // namespace

QString LinkTarget(const QString& url)
{
    qsizetype first = 0;
    qsizetype last = url.size();
    while (first < last && isBlank(url[first]))
        ++first;
    while (last > first && isBlank(url[last - 1]))
        --last;
    return first == last ? QString() : url;
}

TZelLinkLabel::TZelLinkLabel(QWidget* parent)
    : QLabel(parent)
    , m_fontActive{defaultFont(), clWindowText}
    , m_savedFont{defaultFont(), clWindowText}
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFont(TFont{underlinedOnly(defaultFont()), clBlue});
    m_fontActive.color = clRed;
    m_fontActive.font = underlinedOnly(m_fontActive.font);
}

TZelLinkLabel::~TZelLinkLabel() = default;

TFont TZelLinkLabel::Font() const
{
    return {font(), m_fontColor};
}

void TZelLinkLabel::setFont(const TFont& font)
{
    m_fontColor = font.color;
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, ResolveColor(font.color));
    setPalette(colors);
    QFont own = font.font;
    own.setResolveMask(QFont::AllPropertiesResolved);
    QLabel::setFont(own);
    update();
}

void TZelLinkLabel::setFontActive(const TFont& font)
{
    if (&font == &m_fontActive)
        return;
    m_fontActive = font;
    update();
}

void TZelLinkLabel::keyPressEvent(QKeyEvent* event)
{
    // With the focus, Enter and Space open the link, as they press a button.
    const int key = event->key();
    const bool opens = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (!opens || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    RunGuarded([this] { Click(); });
}

void TZelLinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The focus shows as a button's does: the style's focus frame, here around the text.
    QPainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

void TZelLinkLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    // The label takes the size of its text whenever its font changes.
    if (event->type() == QEvent::FontChange)
        adjustSize();
}

void TZelLinkLabel::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    RunGuarded([this] {
        emit enteredUrl();
        // A second enter without a leave between must not save the active font as the normal one.
        if (std::exchange(m_hovered, true))
            return;
        m_savedFont = Font();
        setFont(m_fontActive);
    });
}

void TZelLinkLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    RunGuarded([this] {
        emit leftUrl();
        if (!std::exchange(m_hovered, false))
            return;
        setFont(m_savedFont);
    });
}

void TZelLinkLabel::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // Keep the press, so that its release comes back here rather than to the parent.
    m_pressed = true;
    event->accept();
}

void TZelLinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !std::exchange(m_pressed, false))
        return;
    if (rect().contains(event->position().toPoint()))
        RunGuarded([this] { Click(); });
}

void TZelLinkLabel::Click()
{
    emit clickedUrl();
    // The desktop gets the address as stored, blanks and all; trimming only decides whether to ask.
    if (!LinkTarget(m_url).isEmpty())
        OpenUrl(m_url);
}
