#pragma once

#include "platform/paint/ColorValue.h"

#include <QFont>
#include <QLabel>
#include <QString>

// A font object as the label keeps it: face, size and style, and a colour of its own.
struct TFont
{
    QFont font;
    TColor color = clWindowText;

    bool operator==(const TFont& other) const = default;
};

// A label that behaves as a hyperlink: its caption in Font (blue, underlined) under a hand cursor,
// in FontActive (red, underlined) while the pointer is over it, and a click hands URL to the desktop.
class TZelLinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TZelLinkLabel(QWidget* parent = nullptr);
    ~TZelLinkLabel() override;

    // The label's font and text colour as one object; writing it repaints, and re-fits when AutoSize.
    TFont Font() const;
    void setFont(const TFont& font);
    using QLabel::setFont;

    const TFont& FontActive() const { return m_fontActive; }
    // Copies the attributes and repaints, unless `font` is the label's own FontActive object.
    void setFontActive(const TFont& font);

    // Stored as given: no trimming, no check of its form.
    const QString& URL() const { return m_url; }
    void setURL(const QString& url) { m_url = url; }

    // What a click does: clickedUrl, then the address to the desktop. Assistive technology presses the
    // link through here too, the same path as the mouse.
    void Click();

signals:
    // Each is emitted before the label's own reaction (opening the address, swapping the fonts); a
    // directly connected slot that throws stops that reaction and is reported.
    void clickedUrl();
    void enteredUrl();
    void leftUrl();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TFont m_fontActive;
    TFont m_savedFont;
    QString m_url;
    TColor m_fontColor = clWindowText;
    bool m_hovered = false;
    bool m_pressed = false;
};

// The address a click would open, or an empty text when trimming every leading and trailing
// character with a code of 32 or below leaves nothing: " http://x/ " -> " http://x/ ", " \t\n" -> "".
QString LinkTarget(const QString& url);
