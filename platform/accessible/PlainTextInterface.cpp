#include "platform/accessible/PlainTextInterface.h"

#include "platform/accessible/TextAroundOffset.h"

#include <algorithm>

QString PlainTextInterface::text(int startOffset, int endOffset) const
{
    const QString all = plainText();
    const int start = std::clamp(startOffset, 0, int(all.size()));
    const int end = endOffset < 0 ? int(all.size()) : std::clamp(endOffset, start, int(all.size()));
    return all.mid(start, end - start);
}

int PlainTextInterface::characterCount() const
{
    return int(plainText().size());
}

QString PlainTextInterface::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                             int* endOffset) const
{
    return TextBeforeOffset(*this, offset, boundaryType, startOffset, endOffset);
}

QString PlainTextInterface::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                            int* endOffset) const
{
    return TextAfterOffset(*this, offset, boundaryType, startOffset, endOffset);
}

QString PlainTextInterface::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                         int* endOffset) const
{
    return TextAtOffset(*this, offset, boundaryType, startOffset, endOffset);
}

QString PlainTextInterface::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
