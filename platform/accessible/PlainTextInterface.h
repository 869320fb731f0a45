#pragma once

#include <QAccessible>
#include <QString>

// The reading side of a plain text field as assistive technology asks for it, over the text a subclass
// hands out: pieces of it, its length, and the character, word, sentence or line around an offset (read in
// a window around it, so a long text answers as fast as a short one). Plain text carries no attributes.
class PlainTextInterface : public QAccessibleTextInterface
{
public:
    // From startOffset to endOffset (-1: to the end), kept within the text.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

protected:
    virtual QString plainText() const = 0;
};
