#include "platform/widgets/TextBoxMenu.h"

#include "platform/desktop/Clipboard.h"
#include "platform/widgets/PopupMenu.h"

#include <QCoreApplication>
#include <QKeySequence>

namespace {

// A menu item's text followed by the key that does the same, as menus show it.
QString withShortcut(const char* text, QKeySequence::StandardKey key)
{
    const QString translated = QCoreApplication::translate("QLineEdit", text);
    const QString keys = QKeySequence(key).toString(QKeySequence::NativeText);
    return keys.isEmpty() ? translated : translated + QLatin1Char('\t') + keys;
}

} // namespace

PopupMenu* CreateTextBoxMenu(QWidget* parent, const TextBoxMenuItems& items)
{
    auto* menu = new PopupMenu(parent);
    menu->addItem(withShortcut("&Undo", QKeySequence::Undo), items.canUndo, items.undo);
    menu->addItem(withShortcut("&Redo", QKeySequence::Redo), items.canRedo, items.redo);
    menu->addSeparator();
    menu->addItem(withShortcut("Cu&t", QKeySequence::Cut), items.hasSelection, items.cut);
    menu->addItem(withShortcut("&Copy", QKeySequence::Copy), items.hasSelection, items.copy);
    EnablePasteOnAnswer(menu->addItem(withShortcut("&Paste", QKeySequence::Paste), false, items.paste));
    menu->addItem(QCoreApplication::translate("QLineEdit", "Delete"), items.hasSelection, items.deleteSelection);
    menu->addSeparator();
    menu->addItem(withShortcut("Select All", QKeySequence::SelectAll), items.canSelectAll, items.selectAll);
    return menu;
}
