#pragma once

#include "platform/paint/ColorValue.h"

#include <QObject>

// How the groups of a layout draw themselves. A group without a look of its own uses its parent's.
class LayoutLook : public QObject
{
    Q_OBJECT
public:
    enum class Style {
        Web,    // a frame around the body with a caption bar across the top
        Editor, // follows the editors: no frame or bar of its own
    };

    LayoutLook(Style style, QObject* parent = nullptr);

    Style style() const { return m_style; }

    TColor groupBackground() const { return m_groupBackground; }
    void setGroupBackground(TColor color) { m_groupBackground = color; }
    TColor captionBarColor() const { return m_captionBarColor; }
    void setCaptionBarColor(TColor color) { m_captionBarColor = color; }
    TColor frameColor() const { return m_frameColor; }
    TColor captionTextColor() const { return m_captionTextColor; }

private:
    Style m_style;
    TColor m_groupBackground = clWindow;
    TColor m_captionBarColor = clBtnFace;
    TColor m_frameColor = clBtnFace;
    TColor m_captionTextColor = clWindowText;
};
