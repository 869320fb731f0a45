#pragma once

#include <QLineEdit>

// A line edit that shows a value computed from other controls rather than one the user types:
// assistive technology reads it as read-only text, whatever its own read-only flag says.
class ValueDisplay : public QLineEdit
{
    Q_OBJECT
public:
    explicit ValueDisplay(QWidget* parent = nullptr);
    ~ValueDisplay() override;
};
