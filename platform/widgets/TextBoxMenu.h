#pragma once

#include "platform/widgets/PopupMenu.h"

#include <functional>

class QWidget;

// What a one-line text box offers in its context menu, and what each item does.
struct TextBoxMenuItems
{
    bool canUndo = false;
    bool canRedo = false;
    bool hasSelection = false;
    bool canSelectAll = false;
    std::function<void()> undo, redo, cut, copy, paste, deleteSelection, selectAll;
};

// The text box menu: Undo, Redo, Cut, Copy, Paste, Delete, Select All with their keys. It opens at once:
// Paste starts disabled and is enabled when the clipboard answers with text.
PopupMenu* CreateTextBoxMenu(QWidget* parent, const TextBoxMenuItems& items);
