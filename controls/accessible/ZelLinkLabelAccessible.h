#pragma once

#include <QAccessibleWidget>

class TZelLinkLabel;

// A link label as assistive technology sees it: a link named by its caption whose press action does
// what a click does.
class ZelLinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit ZelLinkLabelAccessible(TZelLinkLabel* label);
    ~ZelLinkLabelAccessible() override;

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;
};

// Makes the controls of this layer describe themselves to assistive technology; once at start-up.
void InstallControlsAccessibility();
