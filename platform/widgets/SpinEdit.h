#pragma once

#include <QWidget>

#include <functional>

enum class ClipboardMode;
class QContextMenuEvent;
class QLineEdit;
class SpinButtons;

// An integer spin editor with a minimum and a maximum (in force only while the maximum is greater
// than the minimum), an accepted value, and a change notification for every action that changed its
// text.
//
// While it has the focus the user may type anything a number can start with; the value read follows
// the typed integer at once, in range or not, and the text is only brought into the range when the
// focus moves on to another control of the window. A text that is no integer holds the focus there.
// The focus leaving the window (another window or a modal box activated, a popup menu) is no leaving:
// the editing goes on when the window comes back.
class SpinEdit : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Width = 45;
    static constexpr qint64 SmallStep = 1;
    static constexpr qint64 LargeStep = 10;

    explicit SpinEdit(QWidget* parent = nullptr);
    ~SpinEdit() override;

    double minValue() const { return m_minValue; }
    void setMinValue(double value);
    double maxValue() const { return m_maxValue; }
    void setMaxValue(double value);

    // The value read: the accepted value, or while the user types, the typed 64-bit integer.
    qint64 value() const;
    // Sets the accepted value and writes it as the text, without a notification.
    void setValue(qint64 value);

    // While an editing is open (the editor has the focus, or the focus is still to come back to a text
    // that could not be left), takes its text exactly as leaving it would (clamped into the range and
    // written back, with one notification) and goes on editing from there. Returns false, changing
    // nothing, when the text is no integer; true at once when no editing is open.
    bool confirm();

    QString text() const;
    QLineEdit* lineEdit() const { return m_edit; }
    // True while the line edit's selection changes in a way a screen reader should not hear: as the
    // focus enters or leaves, or as a step replaces the text.
    bool selectionUnheard() const { return m_selectionUnheard; }
    SpinButtons* buttons() const { return m_buttons; }

signals:
    void propertiesChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool boundsInForce() const { return m_maxValue > m_minValue; }
    qint64 lowestValue() const;
    qint64 highestValue() const;
    bool isEditing() const;

    bool filterKeyPress(QKeyEvent* event);
    bool filterInputMethod(QInputMethodEvent* event);
    bool filterWheel(QWheelEvent* event);
    // A paste takes the first line of the clipboard's text (or of the primary selection) without the
    // blanks around it, whichever way it comes: the paste key, the middle button, or the text-box menu;
    // it is refused with a beep when that holds a character typing refuses.
    void pasteFirstLine(ClipboardMode mode);
    bool showContextMenu(const QContextMenuEvent* event);
    void editorFocusIn();
    void editorFocusOut(Qt::FocusReason reason);
    void takeBackFocus();

    void step(qint64 delta);
    // Validates the text as the editor is left; false when it is no integer and the focus must stay.
    bool leave();
    bool restoreFocusValue();
    void userEdited();
    // Writes `text` when it differs from the present one and then notifies, once.
    void writeText(const QString& text);
    void notifyChange();
    void announceValue();

    QLineEdit* m_edit = nullptr;
    SpinButtons* m_buttons = nullptr;
    double m_minValue = 0;
    double m_maxValue = 0;
    qint64 m_accepted = 0;

    // From the focus arriving until the editor is left for another control of its window.
    bool m_inSession = false;
    // The text was last typed or pasted (not written by a step, a validation or a restore).
    bool m_typed = false;
    // Anything changed since the focus arrived, for Escape.
    bool m_changedInSession = false;
    qint64 m_focusValue = 0;
    int m_wheelRemainder = 0;
    bool m_selectionUnheard = false;
};
