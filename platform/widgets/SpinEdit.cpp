#include "platform/widgets/SpinEdit.h"

#include "platform/desktop/Beep.h"
#include "platform/desktop/Clipboard.h"
#include "platform/widgets/SpinButtons.h"
#include "platform/widgets/TextBoxMenu.h"
#include "platform/window/Announcer.h"
#include "platform/window/ErrorReport.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScopedValueRollback>
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

// The text box of the editor. Entering it by Tab selects its text and leaving it deselects it, the
// line edit's own doing; the editor keeps those selection changes from assistive technology, which
// would speak them on top of the focus.
class InnerLineEdit : public QLineEdit
{
public:
    InnerLineEdit(bool& selectionUnheard, QWidget* parent)
        : QLineEdit(parent)
        , m_selectionUnheard(selectionUnheard)
    {
    }

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        const QScopedValueRollback unheard(m_selectionUnheard, true);
        QLineEdit::focusInEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        const QScopedValueRollback unheard(m_selectionUnheard, true);
        QLineEdit::focusOutEvent(event);
    }

private:
    bool& m_selectionUnheard;
};

} // namespace

SpinEdit::SpinEdit(QWidget* parent)
    : QWidget(parent)
    , m_edit(new InnerLineEdit(m_selectionUnheard, this))
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
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton && ClipboardSupportsSelection()) {
            m_edit->deselect();
            pasteFirstLine(ClipboardMode::Selection);
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
        pasteFirstLine(ClipboardMode::Clipboard);
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

void SpinEdit::pasteFirstLine(ClipboardMode mode)
{
    // Taken as typing would take it, blanks around it aside: a character that typing refuses refuses the
    // whole paste, rather than a text that cannot be left.
    const QString text = ClipboardFirstLine(mode).trimmed();
    if (!onlyAllowedCharacters(text)) {
        Beep();
        return;
    }
    // What the line editor's own paste would do with that text: replace the selection, then tell.
    if (!text.isEmpty() || m_edit->hasSelectedText())
        m_edit->insert(text);
}

bool SpinEdit::showContextMenu(const QContextMenuEvent* event)
{
    // The line editor's own menu would ask the clipboard and wait for its answer before it opens.
    TextBoxMenuItems items;
    items.canUndo = m_edit->isUndoAvailable();
    items.canRedo = m_edit->isRedoAvailable();
    items.hasSelection = m_edit->hasSelectedText();
    items.canSelectAll = !m_edit->text().isEmpty() && m_edit->selectedText().size() < m_edit->text().size();
    items.undo = [this] { m_edit->undo(); };
    items.redo = [this] { m_edit->redo(); };
    items.cut = [this] { m_edit->cut(); };
    items.copy = [this] { m_edit->copy(); };
    items.paste = [this] { pasteFirstLine(ClipboardMode::Clipboard); };
    items.deleteSelection = [this] { m_edit->del(); };
    items.selectAll = [this] { m_edit->selectAll(); };
    QMenu* menu = CreateTextBoxMenu(m_edit, items);
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
    // Decided by the text alone: a press can come while the focus is on its way out (to the button
    // pressed) and its return to a text that cannot be left is still queued.
    if (!m_inSession)
        return true;
    if (!leave())
        return false;
    // Where the focus stays here, a new editing begins from the confirmed value.
    if (m_edit->window()->focusWidget() == m_edit)
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
    // A step or a correction replaces the whole text: the new value is said, the selection that goes
    // with the old text is not ("unselected").
    if (m_edit->hasSelectedText()) {
        const QScopedValueRollback unheard(m_selectionUnheard, true);
        m_edit->deselect();
    }
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
    if (!QAccessible::isActive())
        return;
    // A screen reader speaks a new value only when it differs from the last one it spoke, whichever
    // spin editor that came from; a step to the value another editor said last would go unheard, so
    // that one is said as a notification.
    static QPointer<QLineEdit> saidBy;
    static qint64 said = 0;
    const qint64 now = value();
    if (saidBy != nullptr && saidBy != m_edit && now == said) {
        Announcer::announce(window(), QString::number(now));
    } else {
        // Said by the inner line edit: it is what has the focus, and a screen reader speaks only what does.
        QAccessibleValueChangeEvent event(m_edit, now);
        QAccessible::updateAccessibility(&event);
    }
    saidBy = m_edit;
    said = now;
}
