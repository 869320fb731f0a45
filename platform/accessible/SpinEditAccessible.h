#pragma once

#include "platform/accessible/SelectableTextInterface.h"

#include <QAccessibleWidget>

class QLineEdit;
class SpinEdit;

// A SpinEdit as assistive technology sees it: one spin button carrying the editor's name, value,
// minimum, maximum and text. It is the interface of the editor's inner line edit, since that is what
// takes the focus: a screen reader then hears the focus, the typing and every value change from the
// one object it follows. The SpinEdit itself is only an unnamed frame around it.
class SpinEditAccessible : public QAccessibleWidget, public QAccessibleValueInterface, public SelectableTextInterface
{
public:
    explicit SpinEditAccessible(QLineEdit* innerEdit);
    ~SpinEditAccessible() override;

    // The editor whose inner line edit `object` is, or null.
    static SpinEdit* editorOf(QObject* object);
    SpinEdit* spinEdit() const;

    // Not while the editor changes its selection unheard (see SpinEdit::selectionUnheard).
    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    using SelectableTextInterface::text;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;

protected:
    QString plainText() const override;
    std::pair<int, int> selectedRange() const override;
    void select(int start, int end) override;
    void deselect() override;

private:
    QLineEdit* lineEdit() const;
};

// The SpinEdit widget around its line edit and buttons: a nameless frame a screen reader passes over.
class SpinEditFrameAccessible : public QAccessibleWidget
{
public:
    explicit SpinEditFrameAccessible(SpinEdit* edit);
    ~SpinEditFrameAccessible() override;

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
};
