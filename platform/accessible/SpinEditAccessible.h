#pragma once

#include <QAccessibleWidget>

class SpinEdit;

// A SpinEdit as assistive technology sees it: a spin box whose value, minimum and maximum are the
// editor's, announcing every change of its text as a value change.
class SpinEditAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit SpinEditAccessible(SpinEdit* edit);
    ~SpinEditAccessible() override;

    SpinEdit* spinEdit() const;

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;
};
