#include "platform/layout/LayoutGroup.h"

#include "platform/layout/LayoutItem.h"
#include "platform/layout/LayoutLook.h"
#include "platform/paint/Drawing.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int CaptionBarPadding = 3;

// Places its items side by side with exactly equal widths; the pixels that do not divide evenly stay
// empty at the right end, so the columns never differ by one.
class EqualColumnsLayout : public QLayout
{
public:
    ~EqualColumnsLayout() override { qDeleteAll(m_items); }

    void addItem(QLayoutItem* item) override { m_items.append(item); }
    int count() const override { return int(m_items.size()); }
    QLayoutItem* itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem* takeAt(int index) override
    {
        return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
    }
    Qt::Orientations expandingDirections() const override { return Qt::Horizontal | Qt::Vertical; }
    QSize sizeHint() const override { return minimumSize(); }
    QSize minimumSize() const override
    {
        int widest = 0;
        int tallest = 0;
        for (const QLayoutItem* item : m_items) {
            widest = std::max(widest, item->minimumSize().width());
            tallest = std::max(tallest, item->minimumSize().height());
        }
        const QMargins m = contentsMargins();
        const int n = int(m_items.size());
        return {n * widest + std::max(n - 1, 0) * spacing() + m.left() + m.right(), tallest + m.top() + m.bottom()};
    }
    void setGeometry(const QRect& rect) override
    {
        QLayout::setGeometry(rect);
        if (m_items.isEmpty())
            return;
        const QRect area = contentsRect();
        const int n = int(m_items.size());
        const int width = std::max((area.width() - (n - 1) * spacing()) / n, 0);
        int x = area.x();
        for (QLayoutItem* item : m_items) {
            item->setGeometry(QRect(x, area.y(), width, area.height()));
            x += width + spacing();
        }
    }

private:
    QList<QLayoutItem*> m_items;
};

// The caption in the bar of a bordered group, in the colour of the group's look.
class CaptionLabel : public QLabel
{
public:
    explicit CaptionLabel(LayoutGroup* group)
        : QLabel(group)
        , m_group(group)
    {
        setObjectName(QStringLiteral("caption"));
        setTextFormat(Qt::PlainText);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const LayoutLook* look = m_group->effectiveLook();
        if (!look || look->style() != LayoutLook::Style::Web)
            return;
        QPainter painter(this);
        painter.setPen(ResolveColor(look->captionTextColor()));
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    }

private:
    const LayoutGroup* m_group;
};

} // namespace

LayoutGroup::LayoutGroup(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent)
    , m_orientation(orientation)
{
    auto* box = new QBoxLayout(orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
    box->setSpacing(Padding);
    m_layout = box;
    updateMargins();
}

void LayoutGroup::setCaption(const QString& caption)
{
    m_caption = caption;
    if (m_captionLabel)
        m_captionLabel->setText(caption);
    update();
}

void LayoutGroup::setShowBorder(bool on)
{
    m_showBorder = on;
    if (on && !m_captionLabel) {
        m_captionLabel = new CaptionLabel(this);
        m_captionLabel->setText(m_caption);
    }
    if (m_captionLabel)
        m_captionLabel->setVisible(on);
    updateMargins();
    update();
}

void LayoutGroup::setLook(LayoutLook* look)
{
    m_look = look;
    update();
}

const LayoutLook* LayoutGroup::effectiveLook() const
{
    for (const QWidget* w = this; w; w = w->parentWidget()) {
        if (const auto* group = qobject_cast<const LayoutGroup*>(w); group && group->m_look)
            return group->m_look;
    }
    return nullptr;
}

void LayoutGroup::addChild(QWidget* child, Qt::Alignment alignment, int stretch)
{
    if (auto* box = qobject_cast<QBoxLayout*>(m_layout))
        box->addWidget(child, stretch, alignment);
    else
        m_layout->addWidget(child);
}

void LayoutGroup::addSpacing(int pixels)
{
    if (auto* box = qobject_cast<QBoxLayout*>(m_layout))
        box->addSpacing(pixels);
}

void LayoutGroup::addStretch()
{
    if (auto* box = qobject_cast<QBoxLayout*>(m_layout))
        box->addStretch();
}

void LayoutGroup::setEqualChildWidths()
{
    Q_ASSERT(m_orientation == Qt::Horizontal);
    auto* columns = new EqualColumnsLayout;
    columns->setSpacing(m_layout->spacing());
    columns->setContentsMargins(m_layout->contentsMargins());
    while (QLayoutItem* item = m_layout->takeAt(0))
        columns->addItem(item);
    delete m_layout;
    m_layout = columns;
    setLayout(columns);
}

void LayoutGroup::alignCaptions()
{
    QList<LayoutItem*> items;
    for (int i = 0; i < m_layout->count(); ++i) {
        if (auto* item = qobject_cast<LayoutItem*>(m_layout->itemAt(i)->widget()); item && item->captionLabel())
            items.append(item);
    }
    int widest = 0;
    for (const LayoutItem* item : items)
        widest = std::max(widest, item->captionHintWidth());
    for (LayoutItem* item : items)
        item->setCaptionWidth(widest);
}

int LayoutGroup::captionBarHeight() const
{
    return fontMetrics().height() + 2 * CaptionBarPadding;
}

void LayoutGroup::updateMargins()
{
    if (!m_layout)
        return;
    if (m_showBorder)
        m_layout->setContentsMargins(Padding + 1, captionBarHeight() + Padding, Padding + 1, Padding + 1);
    else
        m_layout->setContentsMargins(0, 0, 0, 0);
}

void LayoutGroup::placeCaption()
{
    if (m_captionLabel)
        m_captionLabel->setGeometry(QRect(0, 0, width(), captionBarHeight()).adjusted(Padding, 0, -Padding, 0));
}

void LayoutGroup::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateMargins();
        placeCaption();
    }
}

void LayoutGroup::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeCaption();
}

void LayoutGroup::paintEvent(QPaintEvent*)
{
    const LayoutLook* look = effectiveLook();
    if (!look || look->style() != LayoutLook::Style::Web)
        return;
    QPainter painter(this);
    if (!m_showBorder) {
        // Only a group with a look of its own paints its background; others show their parent's.
        if (m_look)
            painter.fillRect(rect(), ResolveColor(look->groupBackground()));
        return;
    }
    painter.fillRect(rect(), ResolveColor(clWindow));
    const QRect bar(0, 0, width(), captionBarHeight());
    painter.fillRect(bar, ResolveColor(look->captionBarColor()));
    DrawOutline(painter, rect().adjusted(0, 0, -1, -1), ResolveColor(look->frameColor()));
}
