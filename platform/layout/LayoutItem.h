#pragma once

#include <QWidget>

class QLabel;

// One place in a layout group: a control with an optional caption to its left. The item and its control
// share one enabled state; a disabled item draws its caption in a disabled-text colour that stays readable.
class LayoutItem : public QWidget
{
    Q_OBJECT
public:
    LayoutItem(QWidget* control, QWidget* parent = nullptr);

    QWidget* control() const { return m_control; }

    QString caption() const;
    void setCaption(const QString& caption);
    QLabel* captionLabel() const { return m_caption; }
    // Lines captions of one column up: every caption of the column gets the same width, right-justified.
    void setCaptionWidth(int width);
    int captionHintWidth() const;

    // A single-line border drawn around the control (the grid items have one).
    bool controlBorder() const { return m_controlBorder; }
    void setControlBorder(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void takeOverEnabledState();

    QWidget* m_control;
    QLabel* m_caption = nullptr;
    bool m_controlBorder = false;
};
