#include "calculator/GridMenu.h"

#include "arithmetic/NumberText.h"
#include "arithmetic/Product.h"
#include "calculator/ComputedResult.h"
#include "calculator/PastedBlock.h"
#include "platform/desktop/Clipboard.h"
#include "platform/grid/StringGrid.h"
#include "platform/widgets/SpinEdit.h"
#include "platform/window/ErrorReport.h"
#include "platform/window/MessageBox.h"

#include <QMenu>

#include <string>

namespace {

QString tooLargeMessage()
{
    return QStringLiteral("The pasted cells do not fit: a matrix has at most %1 rows and %1 columns.")
        .arg(MatrixCountLimit);
}

} // namespace

GridMenu::GridMenu(StringGrid* grid, SpinEdit* rowsEditor, SpinEdit* colsEditor)
    : QObject(grid)
    , m_grid(grid)
    , m_rowsEditor(rowsEditor)
    , m_colsEditor(colsEditor)
{
    connect(grid, &StringGrid::contextMenuRequested, this, &GridMenu::popup);
    connect(grid, &StringGrid::cellEdited, this, &GridMenu::forgetUndo);
    if (takesPaste())
        connect(grid, &StringGrid::undoRequested, this, [this] { RunGuarded([this] { undoPaste(); }); });
}

void GridMenu::popup(const QPoint& at)
{
    auto* menu = new QMenu(m_grid);
    menu->setObjectName(QStringLiteral("gridMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copyAction = menu->addAction(QStringLiteral("&Copy"));
    copyAction->setEnabled(canCopy());
    connect(copyAction, &QAction::triggered, this, [this] { RunGuarded([this] { copyCell(); }); });
    QAction* copyMatrixAction = menu->addAction(QStringLiteral("Copy &Matrix"));
    copyMatrixAction->setEnabled(canCopy());
    connect(copyMatrixAction, &QAction::triggered, this, [this] { RunGuarded([this] { copyMatrix(); }); });
    if (m_result) {
        QAction* showAction = menu->addAction(QStringLiteral("&Show Calculation"));
        showAction->setEnabled(!currentExplanation().isEmpty());
        connect(showAction, &QAction::triggered, this, [this] { RunGuarded([this] { showCalculation(); }); });
    }
    if (takesPaste()) {
        // Read once, when the menu opens: what Paste offers is what it pastes.
        const std::optional<std::string> text = ClipboardText();
        QAction* pasteAction = menu->addAction(QStringLiteral("&Paste"));
        pasteAction->setEnabled(text && !text->empty());
        const QString block = text ? QString::fromStdString(*text) : QString();
        connect(pasteAction, &QAction::triggered, this, [this, block] { RunGuarded([&] { paste(block); }); });
        QAction* undoAction = menu->addAction(QStringLiteral("&Undo Paste"));
        undoAction->setEnabled(canUndoPaste());
        connect(undoAction, &QAction::triggered, this, [this] { RunGuarded([this] { undoPaste(); }); });
    }
    menu->popup(at);
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
}

void GridMenu::copyMatrix()
{
    if (!canCopy())
        return;
    QString text;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        for (int col = 0; col < m_grid->colCount(); ++col) {
            if (col > 0)
                text += QLatin1Char('\t');
            text += m_grid->cell(col, row);
        }
        text += QLatin1Char('\n');
    }
    PlaceTextOnClipboard(text.toStdString());
}

void GridMenu::paste(const QString& text)
{
    if (!takesPaste())
        return;
    const PastedBlock block = ParsePastedBlock(text, CurrentNumberSeparators());
    if (block.height() == 0)
        return;
    const int top = m_grid->row();
    const int left = m_grid->col();
    const qint64 rowsNeeded = qint64(top) + block.height();
    const qint64 colsNeeded = qint64(left) + block.width();
    if (rowsNeeded > MatrixCountLimit || colsNeeded > MatrixCountLimit) {
        ShowMessageBox({QStringLiteral("Paste"), tooLargeMessage(), MessageIcon::Warning, m_grid->window()});
        return;
    }

    UndoStep step;
    step.has = true;
    for (const auto& [editor, needed] : {std::pair{m_rowsEditor, rowsNeeded}, {m_colsEditor, colsNeeded}}) {
        if (editor->value() < needed) {
            step.counts.push_back({editor, editor->value()});
            setCount(editor, needed);
        }
    }
    for (int i = 0; i < block.height(); ++i) {
        const QStringList& fields = block.rows[i];
        for (int k = 0; k < fields.size(); ++k) {
            const QString old = m_grid->cell(left + k, top + i);
            if (old == fields[k])
                continue;
            step.cells.push_back({left + k, top + i, old});
            m_grid->setCell(left + k, top + i, fields[k]);
        }
    }
    m_undo = std::move(step);
}

void GridMenu::undoPaste()
{
    if (!m_undo.has)
        return;
    const UndoStep step = std::exchange(m_undo, UndoStep{});
    for (const CellText& cell : step.cells)
        m_grid->setCell(cell.col, cell.row, cell.text);
    for (const Count& count : step.counts) {
        if (count.editor)
            setCount(count.editor, count.value);
    }
}

void GridMenu::forgetUndo()
{
    m_undo = UndoStep{};
}

void GridMenu::setCount(SpinEdit* editor, qint64 value)
{
    editor->setValue(value);
    emit editor->propertiesChanged();
}
