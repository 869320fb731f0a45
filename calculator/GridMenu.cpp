#include "calculator/GridMenu.h"

#include "calculator/ComputedResult.h"
#include "calculator/SpokenSize.h"
#include "platform/desktop/Clipboard.h"
#include "platform/grid/StringGrid.h"
#include "platform/widgets/PopupMenu.h"
#include "platform/widgets/SpinEdit.h"
#include "platform/window/Announcer.h"
#include "platform/window/ErrorReport.h"
#include "platform/window/MessageBox.h"

#include <QGuiApplication>

#include <memory>
#include <string>

GridMenu::GridMenu(StringGrid* grid, SpinEdit* rowsEditor, SpinEdit* colsEditor)
    : QObject(grid)
    , m_grid(grid)
    , m_rowsEditor(rowsEditor)
    , m_colsEditor(colsEditor)
{
    connect(grid, &StringGrid::contextMenuRequested, this, &GridMenu::popup);
    connect(grid, &StringGrid::cellEdited, this, [this] { m_transfer.forget(); });
    if (takesPaste())
        connect(grid, &StringGrid::undoRequested, this, [this] { RunGuarded([this] { undoPaste(); }); });
}

void GridMenu::popup(const QPoint& at)
{
    auto* menu = new PopupMenu(m_grid);
    menu->setObjectName(QStringLiteral("gridMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addItem(QStringLiteral("&Copy"), canCopy(), [this] { copyCell(); });
    menu->addItem(QStringLiteral("Copy &Matrix"), canCopy(), [this] { copyMatrix(); });
    if (m_result)
        menu->addItem(QStringLiteral("&Show Calculation"), !currentExplanation().isEmpty(),
                      [this] { showCalculation(); });
    if (takesPaste()) {
        // Asked once, when the menu opens, which does not wait for the answer: Paste is enabled when it
        // arrives, and what Paste offers then is what it pastes.
        auto block = std::make_shared<ClipboardContent>();
        QAction* pasteAction = menu->addItem(QStringLiteral("&Paste"), false, [this, block] { paste(*block); });
        RequestClipboard(pasteAction, ClipboardMode::Clipboard,
                         [pasteAction, block](std::optional<ClipboardContent> content) {
                             *block = std::move(content).value_or(ClipboardContent{});
                             pasteAction->setEnabled(!block->text.empty() || !block->html.empty());
                         });
        menu->addItem(QStringLiteral("&Undo Paste"), canUndoPaste(), [this] { undoPaste(); });
    }
    menu->popup(at);
    // Opened from the keyboard, the menu starts on its first item: a screen reader speaks a menu by its
    // active item, and the arrow keys go on from there.
    if (!(QGuiApplication::mouseButtons() & Qt::RightButton))
        menu->setActiveAction(menu->actions().constFirst());
}

GridCells GridMenu::cells() const
{
    const int rows = takesPaste() ? int(m_rowsEditor->value()) : m_grid->rowCount();
    const int cols = takesPaste() ? int(m_colsEditor->value()) : m_grid->colCount();
    return {rows, cols, [grid = m_grid](int col, int row) { return grid->cell(col, row).toStdString(); }};
}

bool GridMenu::canCopy() const
{
    // A result that is no longer the product of what A and B hold is not exported.
    return !m_result || m_result->upToDate();
}

QString GridMenu::currentExplanation() const
{
    if (!m_result)
        return QString();
    return QString::fromStdString(m_result->explanation(m_grid->col(), m_grid->row()));
}

void GridMenu::showCalculation()
{
    const QString text = currentExplanation();
    if (!text.isEmpty())
        ShowMessageBox({QStringLiteral("Result Matrix"), text, MessageIcon::Information, m_grid->window()});
}

void GridMenu::copyCell()
{
    if (!canCopy())
        return;
    PlaceTextOnClipboard(m_grid->cell(m_grid->col(), m_grid->row()).toStdString());
    announce(QStringLiteral("%1 row %2 column %3 copied")
                 .arg(m_grid->accessibleName())
                 .arg(m_grid->row() + 1)
                 .arg(m_grid->col() + 1));
}

void GridMenu::copyMatrix()
{
    if (!canCopy())
        return;
    const GridCells grid{m_grid->rowCount(), m_grid->colCount(), cells().text};
    // R's cells carry the values Calculate computed, not what their rounded texts read back as.
    const CellValues values = m_result ? ValuesOfMatrix(m_result->values()) : ValuesFromTexts(grid);
    const CopiedBlock block = CopyMatrixBlock(grid, values);
    PlaceOnClipboard({block.text, block.html});
    announce(m_grid->accessibleName() + QStringLiteral(" copied, ")
             + SpokenSize(m_grid->rowCount(), m_grid->colCount()));
}

void GridMenu::paste(const ClipboardContent& content)
{
    if (!takesPaste())
        return;
    GridChange change;
    switch (m_transfer.paste(content.text, content.html, cells(), m_grid->col(), m_grid->row(), change)) {
    case MatrixTransfer::PasteOutcome::Nothing:
        return;
    case MatrixTransfer::PasteOutcome::TooLarge:
        ShowMessageBox({QStringLiteral("Paste"), QString::fromStdString(PasteTooLargeMessage()), MessageIcon::Warning,
                        m_grid->window()});
        return;
    case MatrixTransfer::PasteOutcome::Changed:
        apply(change);
        announce(m_grid->accessibleName() + QStringLiteral(": pasted ")
                 + SpokenSize(m_grid->rowCount(), m_grid->colCount()));
        return;
    }
}

void GridMenu::undoPaste()
{
    if (std::optional<GridChange> undo = m_transfer.takeUndo()) {
        apply(*undo);
        announce(m_grid->accessibleName() + QStringLiteral(": paste undone"));
    }
}

void GridMenu::announce(const QString& message) const
{
    // The focus stays on the grid, so a screen reader would not otherwise hear what the menu did.
    Announcer::announce(m_grid->window(), message);
}

void GridMenu::apply(const GridChange& change)
{
    const auto setCounts = [&](bool growing) {
        for (const auto& [editor, value] : {std::pair{m_rowsEditor, change.rows}, {m_colsEditor, change.cols}}) {
            if (growing ? editor->value() < value : editor->value() > value)
                setCount(editor, value);
        }
    };
    setCounts(true);
    for (const GridChange::Cell& cell : change.cells)
        m_grid->setCell(cell.col, cell.row, QString::fromStdString(cell.text));
    setCounts(false);
}

void GridMenu::setCount(SpinEdit* editor, int value)
{
    editor->setValue(value);
    emit editor->propertiesChanged();
}
