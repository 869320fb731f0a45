#pragma once

#include <QWidget>

class LayoutItem;
class LayoutLook;
class QBoxLayout;
class QLabel;
class QLayout;

// A group of a layout: children top to bottom (vertical) or left to right (horizontal). A group with a
// border shows its caption in a bar across its top, as a label of its own so that a screen reader's
// review of the window reads it where it stands; a group without one shows neither. A group with no
// look of its own uses its parent group's.
class LayoutGroup : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Padding = 6;

    explicit LayoutGroup(Qt::Orientation orientation, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool showBorder() const { return m_showBorder; }
    void setShowBorder(bool on);

    LayoutLook* look() const { return m_look; }
    void setLook(LayoutLook* look);
    const LayoutLook* effectiveLook() const;

    // In a vertical group a child with no alignment fills the width; in a horizontal one it sits at the
    // left and fills the height. Stretch shares out what the fixed-size children leave.
    void addChild(QWidget* child, Qt::Alignment alignment = {}, int stretch = 0);
    void addSpacing(int pixels);
    void addStretch();

    // Horizontal groups only: the children share the width exactly equally, whatever it is.
    void setEqualChildWidths();

    // Gives the captions of the items directly in this group one width, so their right ends line up.
    void alignCaptions();

    int captionBarHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateMargins();
    void placeCaption();

    Qt::Orientation m_orientation;
    QLayout* m_layout = nullptr;
    QString m_caption;
    QLabel* m_captionLabel = nullptr;
    bool m_showBorder = false;
    LayoutLook* m_look = nullptr;
};
