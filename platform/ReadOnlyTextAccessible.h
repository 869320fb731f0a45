#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// A line edit that only shows a value (a count computed from other controls) as assistive technology
// sees it: read-only text whose value is its text, whether or not the edit itself is read-only.
class ReadOnlyTextAccessible : public QAccessibleWidget
{
public:
    explicit ReadOnlyTextAccessible(QLineEdit* edit);
    ~ReadOnlyTextAccessible() override;

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    // Marks `edit` so that the accessibility layer describes it as read-only text.
    static void mark(QLineEdit* edit);
    static bool isMarked(const QObject* object);
};
