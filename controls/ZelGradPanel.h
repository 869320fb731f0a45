#pragma once

#include "platform/paint/ColorValue.h"

#include <QRect>
#include <QRgb>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>

class QPainter;

enum TAlignment : std::uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum TBevelCut : std::uint8_t { bvNone = 0, bvLowered = 1, bvRaised = 2, bvSpace = 3 };
enum TBiDiMode : std::uint8_t {
    bdLeftToRight = 0,
    bdRightToLeft = 1,
    bdRightToLeftNoAlign = 2,
    bdRightToLeftReadingOnly = 3
};

// A container panel whose face is a horizontal gradient from BeginColor at the left edge to EndColor at
// the right, with the usual outer bevel, border ring, inner bevel and one-line caption over it. Children
// are drawn over the finished face.
class TZelGradPanel : public QWidget
{
    Q_OBJECT
public:
    // Number of gradient steps; the colour table has StepCount + 1 entries.
    static constexpr int StepCount = 255;
    using ColorTable = std::array<QRgb, StepCount + 1>;

    explicit TZelGradPanel(QWidget* parent = nullptr);
    ~TZelGradPanel() override;

    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);
    TColor BeginColor() const { return m_beginColor; }
    void setBeginColor(TColor color);
    TColor EndColor() const { return m_endColor; }
    void setEndColor(TColor color);

    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const { return m_bevelInner; }
    void setBevelInner(TBevelCut bevel);
    int BevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    void setBiDiMode(TBiDiMode mode);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorTable BuildColorTable() const;
    void PaintGradient(QPainter& canvas, int width, int height);
    void paintPanel(QPainter& canvas);

    TAlignment m_alignment = taCenter;
    TColor m_beginColor = RgbColor(0, 255, 255);
    TColor m_endColor = RgbColor(0, 0, 255);
    TBevelCut m_bevelOuter = bvRaised;
    TBevelCut m_bevelInner = bvNone;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    QString m_caption;
    TBiDiMode m_biDiMode = bdLeftToRight;
};

// The colour table between two RGB colours: entry i is begin + MulDiv(i, end - begin, 254) per channel,
// cut to its low 8 bits. Entry 0 is `begin`, entry 254 is `end`, entry 255 lies one step beyond.
//   aqua -> blue:          entry 1 = (0, 254, 255), entry 127 = (0, 127, 255)
//   white -> (232,232,255): entry 11 = (254, 254, 255), entry 127 = (243, 243, 255)
TZelGradPanel::ColorTable GradientColorTable(QRgb begin, QRgb end);

// The DrawTextA flags of the caption: the alignment's horizontal flag, ExpandTabs and VCenter; under a
// right-to-left layout bdRightToLeft swaps left and right, and every mode but bdLeftToRight reads
// right to left.
unsigned CaptionFlags(TAlignment alignment, TBiDiMode mode, bool rightToLeftLayout);

// The one-line band the caption is drawn in: `height` high, centred vertically in `inner` with the
// halving rounded toward zero, spanning inner's width.
QRect CaptionBand(const QRect& inner, int height);
