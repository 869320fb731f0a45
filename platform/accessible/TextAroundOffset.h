#pragma once

#include <QAccessible>
#include <QString>

// QAccessibleTextInterface's textAtOffset, textBeforeOffset and textAfterOffset for texts of any
// length. Qt's own versions lay out the whole text for each question; these read a window of the text
// around the offset and find grapheme, word and sentence boundaries in it with QTextBoundaryFinder, so
// the time does not grow with the text. A word or sentence longer than the window is read in
// window-sized pieces. Lines and paragraphs are found by their line breaks.
//   "12 345", offset 4, words -> "345" (3 to 6)   before -> " " (2 to 3)   after -> "" (-1 to -1)
//   "e\u0301x", offset 0, characters -> "e\u0301" (0 to 2): the accent stays with its letter
QString TextAtOffset(const QAccessibleTextInterface& text, int offset, QAccessible::TextBoundaryType boundaryType,
                     int* startOffset, int* endOffset);
QString TextBeforeOffset(const QAccessibleTextInterface& text, int offset, QAccessible::TextBoundaryType boundaryType,
                         int* startOffset, int* endOffset);
QString TextAfterOffset(const QAccessibleTextInterface& text, int offset, QAccessible::TextBoundaryType boundaryType,
                        int* startOffset, int* endOffset);
