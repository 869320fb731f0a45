#pragma once

#include <QChar>
#include <QString>

class QFontMetrics;

// Laying out a line costs what the whole text costs, clipped or not: a long single line is cut to the part
// that reaches into its box before it is laid out. Shorter texts are not worth measuring.
inline constexpr qsizetype LongLineLength = 256;
inline constexpr QChar LongLineEllipsis = QChar(0x2026);

// Whether no character of `text` lies in or above the first right-to-left block: such a line needs no
// bidirectional care when it is cut.
bool IsBelowBidiBlocks(const QString& text);

// QString::isRightToLeft() without a look-up for the digits and punctuation that usually come first.
bool StartsRightToLeft(const QString& text);

// The width of one line as drawn; without mnemonics the advance alone, which skips the rectangle layout.
int LineWidth(const QFontMetrics& metrics, const QString& line, int measureFlags);

// The end of a long single line that a box of `width` pixels shows: its tail when right-aligned, its head
// otherwise, cut at whole graphemes and where the bidirectional algorithm starts afresh.
QString VisiblePart(const QString& text, const QFontMetrics& metrics, int width, bool tail, bool prefix,
                    bool leftToRightOnly);

// The longest run of whole graphemes from the end of `text` that fits in `width`.
QString EndThatFits(const QString& text, const QFontMetrics& metrics, int width, int measureFlags);
