#pragma once

#include "platform/accessible/PlainTextInterface.h"

#include <utility>

// A plain text field with one selection at most, as assistive technology reads and sets it, over what a
// subclass tells of its editor: the selection's ends, selecting a range and selecting nothing.
class SelectableTextInterface : public PlainTextInterface
{
public:
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    // A new selection takes the place of the old.
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;

protected:
    // The selection's ends in order; equal when nothing is selected.
    virtual std::pair<int, int> selectedRange() const = 0;
    // Selects from `start` to `end`, in order and within the text.
    virtual void select(int start, int end) = 0;
    virtual void deselect() = 0;

    // A range from outside put in order and kept within the text; -1 for an end is the end of the text.
    std::pair<int, int> clampedRange(int startOffset, int endOffset) const;
};
