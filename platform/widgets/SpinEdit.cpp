#include "platform/widgets/SpinEdit.h"

#include "platform/desktop/Beep.h"
#include "platform/desktop/PastedLine.h"
#include "platform/widgets/SpinButtons.h"
#include "platform/window/ErrorReport.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int WheelNotch = 120;
constexpr qint64 Int64Max = std::numeric_limits<qint64>::max();
constexpr qint64 Int64Min = std::numeric_limits<qint64>::min();

enum class TextKind { Empty, Integer, OutOfRange, Other };

struct ParsedText
{
    TextKind kind = TextKind::Other;
    qint64 value = 0; // saturated to the 64-bit range when OutOfRange
};

// An optional sign and one or more ASCII digits, leading zeros allowed; nothing else, not even blanks.
//   "" -> Empty   "007" -> 7   "+5" -> 5   "-9223372036854775808" -> Integer
//   "9223372036854775808" -> OutOfRange (Int64Max)   "-" "1e2" " 5" "5.0" -> Other
ParsedText parseText(const QString& text)
{
    if (text.isEmpty())
        return {TextKind::Empty, 0};
    qsizetype i = 0;
    const bool negative = text.at(0) == u'-';
    if (negative || text.at(0) == u'+')
        ++i;
    if (i == text.size())
        return {};
    // Accumulate the magnitude unsigned so that the most negative value needs no special case.
    const quint64 limit = negative ? quint64(Int64Max) + 1 : quint64(Int64Max);
    quint64 magnitude = 0;
    bool outOfRange = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return {};
        const quint64 digit = c - u'0';
        if (outOfRange || magnitude > (limit - digit) / 10)
            outOfRange = true;
        else
            magnitude = magnitude * 10 + digit;
    }
    if (outOfRange)
        return {TextKind::OutOfRange, negative ? Int64Min : Int64Max};
    const qint64 value = negative ? qint64(0 - magnitude) : qint64(magnitude);
    return {TextKind::Integer, value};
}

// A bound is a real number; the integers it allows start at its ceiling (minimum) or floor (maximum).
qint64 saturatedInt64(double value)
{
    constexpr double TwoToThe63 = 9223372036854775808.0;
    if (std::isnan(value))
        return 0;
    if (value >= TwoToThe63)
        return Int64Max;
    if (value < -TwoToThe63)
        return Int64Min;
    return static_cast<qint64>(value);
}

qint64 saturatedAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? Int64Max : Int64Min;
    return sum;
}

bool isAllowedCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'e' || c == u'E';
}

bool onlyAllowedCharacters(const QString& text)
{
    return std::all_of(text.begin(), text.end(), isAllowedCharacter);
}

// Whether the line editor would insert the key's text (the rule of Qt's own input control): Ctrl and
// Ctrl+Shift chords are shortcuts, while AltGr chords and plain keys type.
bool keyTypesText(const QKeyEvent* event)
{
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    const QChar c = text.at(0);
    if (c.category() == QChar::Other_Format)
        return true;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    return c.isPrint() || c.category() == QChar::Other_PrivateUse || c.isHighSurrogate();
}

} // namespace

SpinEdit::SpinEdit(QWidget* parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_buttons(new SpinButtons(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_buttons);
    setFocusProxy(m_edit);
    setFocusPolicy(Qt::StrongFocus);
    setFixedWidth(Width);

    m_edit->installEventFilter(this);
    m_buttons->installEventFilter(this);
    connect(m_edit, &QLineEdit::textEdited, this, &SpinEdit::userEdited);
    connect(m_buttons, &SpinButtons::stepRequested, this, [this](int direction) {
        if (!m_edit->hasFocus())
            m_edit->setFocus(Qt::MouseFocusReason);
        step(direction * SmallStep);
    });
}

SpinEdit::~SpinEdit() = default;

void SpinEdit::setMinValue(double value)
{
    m_minValue = value;
}

void SpinEdit::setMaxValue(double value)
{
    m_maxValue = value;
}

qint64 SpinEdit::lowestValue() const
{
    return saturatedInt64(std::ceil(m_minValue));
}

qint64 SpinEdit::highestValue() const
{
    return std::max(lowestValue(), saturatedInt64(std::floor(m_maxValue)));
}

bool SpinEdit::isEditing() const
{
    // The window keeps its focus widget while another window is active, so the typing still counts
    // while a modal box reports on it.
    return m_inSession && m_edit->window()->focusWidget() == m_edit;
}

qint64 SpinEdit::value() const
{
    if (!isEditing() || !m_typed)
        return m_accepted;
    const ParsedText parsed = parseText(m_edit->text());
    switch (parsed.kind) {
    case TextKind::Empty:
        return lowestValue();
    case TextKind::Integer:
        return parsed.value;
    case TextKind::OutOfRange:
    case TextKind::Other:
        break;
    }
    return m_accepted;
}

void SpinEdit::setValue(qint64 value)
{
    m_accepted = value;
    m_typed = false;
    const QString text = QString::number(value);
    if (m_edit->text() != text)
        m_edit->setText(text);
}

QString SpinEdit::text() const
{
    return m_edit->text();
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_buttons && event->type() == QEvent::Wheel)
        return filterWheel(static_cast<QWheelEvent*>(event));
    if (watched != m_edit)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return filterKeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
        return filterInputMethod(static_cast<QInputMethodEvent*>(event));
    case QEvent::Wheel:
        return filterWheel(static_cast<QWheelEvent*>(event));
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton
            && QGuiApplication::clipboard()->supportsSelection()) {
            m_edit->deselect();
            pasteFirstLine(QClipboard::Selection);
            return true;
        }
        break;
    case QEvent::ContextMenu:
        return showContextMenu(static_cast<QContextMenuEvent*>(event));
    case QEvent::FocusIn:
        editorFocusIn();
        break;
    case QEvent::FocusOut:
        editorFocusOut(static_cast<QFocusEvent*>(event)->reason());
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool SpinEdit::filterKeyPress(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteFirstLine(QClipboard::Clipboard);
        return true;
    }
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Up:
            step(SmallStep);
            return true;
        case Qt::Key_Down:
            step(-SmallStep);
            return true;
        case Qt::Key_PageUp:
            step(LargeStep);
            return true;
        case Qt::Key_PageDown:
            step(-LargeStep);
            return true;
        case Qt::Key_Escape:
            // Unchanged, Escape goes on to the window (a dialog closes on it).
            return restoreFocusValue();
        default:
            break;
        }
    }
    if (keyTypesText(event) && !onlyAllowedCharacters(event->text())) {
        Beep();
        return true;
    }
    return false;
}

bool SpinEdit::filterInputMethod(QInputMethodEvent* event)
{
    if (onlyAllowedCharacters(event->commitString()))
        return false;
    Beep();
    return true;
}

void SpinEdit::pasteFirstLine(QClipboard::Mode mode)
{
    const QString text = PastedLine(mode);
    // What the line editor's own paste would do with that text: replace the selection, then tell.
    if (!text.isEmpty() || m_edit->hasSelectedText())
        m_edit->insert(text);
}

bool SpinEdit::showContextMenu(const QContextMenuEvent* event)
{
    QMenu* menu = m_edit->createStandardContextMenu();
    // The line editor's own menu, but its Paste item pastes as the keys do. The line editor connects its
    // items by name, so only the name finds the connection to take away.
    for (QAction* action : menu->actions())
        if (disconnect(action, SIGNAL(triggered()), m_edit, SLOT(paste())))
            connect(action, &QAction::triggered, this, [this] { pasteFirstLine(QClipboard::Clipboard); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    return true;
}

void SpinEdit::editorFocusIn()
{
    // Coming back from another window, a popup menu or a refused leaving continues the editing.
    if (m_inSession)
        return;
    m_inSession = true;
    m_typed = false;
    m_changedInSession = false;
    m_focusValue = m_accepted;
    m_wheelRemainder = 0;
    // A screen reader speaks a value only when it differs from the last one it spoke, whichever
    // control that came from; told the value once the focus has arrived, it speaks the next step.
    if (QAccessible::isActive())
        QMetaObject::invokeMethod(this, &SpinEdit::announceValue, Qt::QueuedConnection);
}

void SpinEdit::editorFocusOut(Qt::FocusReason reason)
{
    m_buttons->stopRepeating();
    if (!m_inSession || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    // The application's focus widget is already the one taking over. A control of another window
    // (a modal box) is no leaving either: the editor must never pull the focus back from it.
    QWidget* next = QApplication::focusWidget();
    if (next && next->window() != window())
        return;
    if (!leave() && next)
        // Not from inside the focus change itself, which is still delivering its events.
        QTimer::singleShot(0, this, &SpinEdit::takeBackFocus);
}

void SpinEdit::takeBackFocus()
{
    if (!m_inSession || !m_edit->isVisible() || !m_edit->isEnabled())
        return;
    QWidget* current = QApplication::focusWidget();
    if (current == m_edit || !current || current->window() != window())
        return;
    m_edit->setFocus(Qt::OtherFocusReason);
}

bool SpinEdit::filterWheel(QWheelEvent* event)
{
    // Without the focus the wheel goes on to the window (a scroll area around the editor scrolls).
    if (!m_edit->hasFocus())
        return false;
    event->accept();
    // High-resolution wheels and touchpads send fractions of a notch; a step needs a whole one.
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / WheelNotch;
    m_wheelRemainder -= notches * WheelNotch;
    for (int i = 0; i < std::abs(notches); ++i)
        step(notches > 0 ? SmallStep : -SmallStep);
    return true;
}

void SpinEdit::step(qint64 delta)
{
    if (!isEnabled())
        return;
    const qint64 current = value();
    qint64 next = 0;
    if (boundsInForce()) {
        const qint64 lowest = lowestValue();
        const qint64 highest = highestValue();
        if (current > highest) {
            if (delta > 0)
                return;
            next = highest;
        } else if (current < lowest) {
            if (delta < 0)
                return;
            next = lowest;
        } else {
            next = std::clamp(saturatedAdd(current, delta), lowest, highest);
        }
    } else {
        next = saturatedAdd(current, delta);
    }
    if (next == current)
        return;
    m_accepted = next;
    m_typed = false;
    m_changedInSession = true;
    writeText(QString::number(next));
}

bool SpinEdit::leave()
{
    const ParsedText parsed = parseText(m_edit->text());
    qint64 accepted = 0;
    switch (parsed.kind) {
    case TextKind::Empty:
        accepted = lowestValue();
        break;
    case TextKind::Integer:
    case TextKind::OutOfRange:
        // Digits beyond 64 bits are still a number far above the range; the clamp makes it the maximum.
        accepted = parsed.value;
        break;
    case TextKind::Other:
        return false;
    }
    if (boundsInForce())
        accepted = std::clamp(accepted, lowestValue(), highestValue());
    m_accepted = accepted;
    m_typed = false;
    m_inSession = false;
    m_changedInSession = false;
    writeText(QString::number(accepted));
    return true;
}

bool SpinEdit::confirm()
{
    if (!isEditing())
        return true;
    if (!leave())
        return false;
    // The focus stays here, so a new editing begins from the confirmed value.
    editorFocusIn();
    return true;
}

bool SpinEdit::restoreFocusValue()
{
    if (!isEditing() || !m_changedInSession)
        return false;
    m_accepted = m_focusValue;
    m_typed = false;
    m_changedInSession = false;
    writeText(QString::number(m_focusValue));
    return true;
}

void SpinEdit::userEdited()
{
    m_typed = true;
    m_changedInSession = true;
    notifyChange();
}

void SpinEdit::writeText(const QString& text)
{
    if (m_edit->text() == text)
        return;
    m_edit->setText(text);
    notifyChange();
}

void SpinEdit::notifyChange()
{
    // A handler may throw (a value beyond 32 bits is a range check error for the window); the editor's
    // own state is complete by now, so reporting here leaves it consistent.
    RunGuarded([this] { emit propertiesChanged(); });
    announceValue();
}

void SpinEdit::announceValue()
{
    // Said by the inner line edit: it is what has the focus, and a screen reader speaks only what does.
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(m_edit, value());
        QAccessible::updateAccessibility(&event);
    }
}
