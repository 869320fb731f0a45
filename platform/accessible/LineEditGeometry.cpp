#include "platform/accessible/LineEditGeometry.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// The space Qt's line edit keeps between its contents rectangle and the text.
constexpr int TextMargin = 2;

QRect textArea(const QLineEdit* edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    QRect area = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    area = area.marginsRemoved(edit->textMargins());
    return area.adjusted(TextMargin, 0, -TextMargin, 0);
}

} // namespace

QRect LineEditCharacterRect(const QLineEdit* edit, int offset)
{
    const QString text = edit->displayText();
    if (offset < 0 || offset >= text.size())
        return {};
    const QFontMetrics metrics(edit->font());
    const QRect area = textArea(edit);
    const int width = metrics.horizontalAdvance(text);
    int left = area.left();
    const Qt::Alignment alignment = QStyle::visualAlignment(edit->layoutDirection(), edit->alignment());
    if (alignment & Qt::AlignRight)
        left = area.right() + 1 - width;
    else if (alignment & Qt::AlignHCenter)
        left = area.left() + (area.width() - width) / 2;
    const int x = left + metrics.horizontalAdvance(text.left(offset));
    const int top = area.top() + (area.height() - metrics.height()) / 2;
    const QRect local(x, top, metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height());
    return QRect(edit->mapToGlobal(local.topLeft()), local.size());
}

int LineEditOffsetAtPoint(const QLineEdit* edit, const QPoint& screenPoint)
{
    const QString text = edit->displayText();
    for (int offset = 0; offset < text.size(); ++offset)
        if (LineEditCharacterRect(edit, offset).contains(screenPoint))
            return offset;
    return -1;
}
