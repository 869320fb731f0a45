#pragma once

#include <QColor>
#include <QPushButton>

// A push button 25 pixels high with its own look: the soft blue gradient of the calculator's buttons
// that turns warm under the pointer, or the desktop's native look with a hover colour of its own.
// With the focus, Enter presses it as Space does.
class Button : public QPushButton
{
    Q_OBJECT
public:
    enum class Look { Office2003, Native };

    static constexpr int Height = 25;

    explicit Button(const QString& caption, QWidget* parent = nullptr);

    void setLook(Look look);

    // The face colour under the pointer in the native look; invalid keeps the style's own.
    void setHoverColor(const QColor& color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintOffice2003();
    void paintNative();

    Look m_look = Look::Office2003;
    QColor m_hoverColor;
    bool m_hovered = false;
};
