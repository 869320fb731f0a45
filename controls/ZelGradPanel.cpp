#include "controls/ZelGradPanel.h"

#include "platform/paint/Drawing.h"
#include "platform/window/ErrorReport.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QtMath>

namespace {

constexpr int ColorDenominator = TZelGradPanel::StepCount - 1;

struct BevelColors
{
    QColor top;
    QColor bottom;
};

BevelColors bevelColors(TBevelCut bevel)
{
    const QColor highlight = ResolveColor(clBtnHighlight);
    const QColor shadow = ResolveColor(clBtnShadow);
    if (bevel == bvLowered)
        return {shadow, highlight};
    return {highlight, shadow};
}

int channelStep(int from, int to, int index)
{
    return (from + MulDiv(index, to - from, ColorDenominator)) & 0xFF;
}

} // namespace

TZelGradPanel::ColorTable GradientColorTable(QRgb begin, QRgb end)
{
    TZelGradPanel::ColorTable table{};
    for (int i = 0; i <= TZelGradPanel::StepCount; ++i)
        table[static_cast<std::size_t>(i)] =
            qRgb(channelStep(qRed(begin), qRed(end), i), channelStep(qGreen(begin), qGreen(end), i),
                 channelStep(qBlue(begin), qBlue(end), i));
    return table;
}

unsigned CaptionFlags(TAlignment alignment, TBiDiMode mode, bool rightToLeftLayout)
{
    unsigned horizontal = alignment == taLeftJustify ? Dt::Left : alignment == taRightJustify ? Dt::Right : Dt::Center;
    unsigned flags = Dt::ExpandTabs | Dt::VCenter;
    if (rightToLeftLayout) {
        if (mode == bdRightToLeft) {
            if (horizontal == Dt::Right)
                horizontal = Dt::Left;
            else if (horizontal == Dt::Left)
                horizontal = Dt::Right;
        }
        if (mode != bdLeftToRight)
            flags |= Dt::RtlReading;
    }
    return flags | horizontal;
}

QRect CaptionBand(const QRect& inner, int height)
{
    const int top = inner.y();
    const int bottom = inner.y() + inner.height();
    // C++ integer division truncates toward zero, as the centring asks: -11 / 2 == -5.
    const int bandTop = (top + bottom - height) / 2;
    return {inner.x(), bandTop, inner.width(), height};
}

TZelGradPanel::TZelGradPanel(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TZelGradPanel::~TZelGradPanel() = default;

void TZelGradPanel::setAlignment(TAlignment alignment)
{
    // Repaints even when nothing changed.
    m_alignment = alignment;
    update();
}

void TZelGradPanel::setBeginColor(TColor color)
{
    if (m_beginColor == color)
        return;
    m_beginColor = color;
    update();
}

void TZelGradPanel::setEndColor(TColor color)
{
    if (m_endColor == color)
        return;
    m_endColor = color;
    update();
}

void TZelGradPanel::setBevelOuter(TBevelCut bevel)
{
    if (m_bevelOuter == bevel)
        return;
    m_bevelOuter = bevel;
    update();
}

void TZelGradPanel::setBevelInner(TBevelCut bevel)
{
    if (m_bevelInner == bevel)
        return;
    m_bevelInner = bevel;
    update();
}

void TZelGradPanel::setBevelWidth(int width)
{
    if (m_bevelWidth == width)
        return;
    m_bevelWidth = width;
    update();
}

void TZelGradPanel::setBorderWidth(int width)
{
    if (m_borderWidth == width)
        return;
    m_borderWidth = width;
    update();
}

void TZelGradPanel::setCaption(const QString& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    update();
}

void TZelGradPanel::setBiDiMode(TBiDiMode mode)
{
    if (m_biDiMode == mode)
        return;
    m_biDiMode = mode;
    update();
}

TZelGradPanel::ColorTable TZelGradPanel::BuildColorTable() const
{
    // System colours resolve here, so a new colour scheme shows at the next paint.
    return GradientColorTable(ResolveColor(m_beginColor).rgb(), ResolveColor(m_endColor).rgb());
}

void TZelGradPanel::PaintGradient(QPainter& canvas, int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    const ColorTable colorTable = BuildColorTable();
    // Composed off-screen so the surface receives the finished gradient in one transfer, at the
    // surface's own density: the bands keep their edges in device-independent pixels and nothing is
    // scaled up afterwards.
    const QPaintDevice* surface = canvas.paintEngine() ? canvas.paintEngine()->paintDevice() : canvas.device();
    const qreal ratio = surface ? surface->devicePixelRatioF() : 1.0;
    QPixmap bitmap(qCeil(width * ratio), qCeil(height * ratio));
    bitmap.setDevicePixelRatio(ratio);
    {
        QPainter offscreen(&bitmap);
        for (int i = 0; i <= StepCount; ++i) {
            const int left = MulDiv(i, width, StepCount);
            const int right = MulDiv(i + 1, width, StepCount);
            offscreen.setBrush(QColor(colorTable[static_cast<std::size_t>(i)]));
            FillRect(offscreen, QRect(left, 0, right - left, height));
        }
    }
    canvas.drawPixmap(0, 0, bitmap);
}

void TZelGradPanel::paintEvent(QPaintEvent*)
{
    RunGuarded([this] {
        QPainter canvas(this);
        paintPanel(canvas);
    });
}

void TZelGradPanel::paintPanel(QPainter& canvas)
{
    PaintGradient(canvas, width(), height());

    QRect r = rect();
    if (m_bevelOuter != bvNone) {
        const BevelColors colors = bevelColors(m_bevelOuter);
        Frame3D(canvas, r, colors.top, colors.bottom, m_bevelWidth);
    }
    // The panel's own colour, which this panel shows nowhere else.
    const QColor face = ResolveColor(clBtnFace);
    Frame3D(canvas, r, face, face, m_borderWidth);
    if (m_bevelInner != bvNone) {
        const BevelColors colors = bevelColors(m_bevelInner);
        Frame3D(canvas, r, colors.top, colors.bottom, m_bevelWidth);
    }

    if (m_caption.isEmpty())
        return;
    canvas.setFont(font());
    canvas.setPen(palette().color(QPalette::WindowText));
    const int lineHeight = QFontMetrics(font()).height();
    const unsigned flags = CaptionFlags(m_alignment, m_biDiMode, layoutDirection() == Qt::RightToLeft);
    // The flags already hold the mirrored placement; a painter in right-to-left mode would move the
    // text again.
    canvas.setLayoutDirection(Qt::LeftToRight);
    DrawTextA(canvas, m_caption, CaptionBand(r, lineHeight), flags);
}
