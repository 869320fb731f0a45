#include "platform/accessible/SelectableTextInterface.h"

#include <algorithm>

void SelectableTextInterface::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const auto [start, end] = selectedRange();
    const bool shown = selectionIndex == 0 && start < end;
    *startOffset = shown ? start : 0;
    *endOffset = shown ? end : 0;
}

int SelectableTextInterface::selectionCount() const
{
    const auto [start, end] = selectedRange();
    return start < end ? 1 : 0;
}

void SelectableTextInterface::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void SelectableTextInterface::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        deselect();
}

void SelectableTextInterface::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    const auto [start, end] = clampedRange(startOffset, endOffset);
    select(start, end);
}

std::pair<int, int> SelectableTextInterface::clampedRange(int startOffset, int endOffset) const
{
    const int size = characterCount();
    const int end = endOffset < 0 ? size : std::clamp(endOffset, 0, size);
    return std::minmax(std::clamp(startOffset, 0, size), end);
}
