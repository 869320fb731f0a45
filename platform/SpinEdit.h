#pragma once

#include <QWidget>

class QLineEdit;

// An integer spin editor with a minimum and a maximum (in force only while the maximum is greater
// than the minimum), an accepted value, and a change notification for every action that changed its
// text.
class SpinEdit : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Width = 45;

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

    QString text() const;
    QLineEdit* lineEdit() const { return m_edit; }

signals:
    void propertiesChanged();

private:
    QLineEdit* m_edit = nullptr;
    double m_minValue = 0;
    double m_maxValue = 0;
    qint64 m_accepted = 0;
};
