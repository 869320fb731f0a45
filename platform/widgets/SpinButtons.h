#pragma once

#include <QTimer>
#include <QWidget>

// The up and down buttons of a spin editor, stacked in one narrow column. A button held down with the
// left mouse button asks for a step at once, again after RepeatDelay, and then every RepeatInterval
// until it is released.
class SpinButtons : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Width = 13;
    static constexpr int RepeatDelay = 400;
    static constexpr int RepeatInterval = 100;

    enum class Part { None, Up, Down };

    explicit SpinButtons(QWidget* parent = nullptr);
    ~SpinButtons() override;

    // The button shown held down, None while no button is.
    Part pressedPart() const { return m_pressed; }
    bool isRepeating() const { return m_repeat.isActive(); }
    // Lets go of a held button without a release from the mouse (the editor lost the focus, a modal
    // box took the input), so that it never keeps stepping unattended.
    void stopRepeating();

    QRect partRect(Part part) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // +1 from the up button, -1 from the down button.
    void stepRequested(int direction);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void repeatStep();
    void paintPart(QPainter& painter, Part part);

    QTimer m_repeat;
    Part m_pressed = Part::None;
};
