#include "platform/grid/StringGrid.h"

#include "platform/grid/GridInplaceEditor.h"
#include "platform/paint/ColorValue.h"
#include "platform/window/ErrorReport.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QRegion>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>
#include <exception>
#include <iterator>
#include <limits>
#include <utility>

namespace {

constexpr int FontPixelSize = 11;
constexpr int WheelStep = 120;
constexpr int MaxScrollBarPasses = 4;
// Far enough outside any viewport that a cell placed there is never drawn, near enough to fit an int.
constexpr qint64 FarOutside = qint64(1) << 28;

bool isTypedText(const QString& text)
{
    if (text.isEmpty())
        return false;
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 32 && c.unicode() != 127; });
}

} // namespace

StringGrid::StringGrid(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    QFont gridFont(QStringLiteral("MS Sans Serif"));
    gridFont.setPixelSize(FontPixelSize);
    setFont(gridFont);

    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        // The view moves when the thumb is released, not while it is dragged.
        bar->setTracking(false);
        bar->setSingleStep(1);
        // A press on a bar focuses the grid through Qt's click focus, unless eventFilter prevents it.
        bar->setFocusPolicy(Qt::NoFocus);
    }

    m_editor = new GridInplaceEditor(viewport());
    m_editor->hide();
    connect(m_editor, &GridInplaceEditor::gridKeyPressed, this, &StringGrid::onEditorKey);
    connect(m_editor, &GridInplaceEditor::tabPressed, this, &StringGrid::onEditorTab);
    connect(m_editor, &GridInplaceEditor::focusLeft, this, &StringGrid::onEditorFocusLeft);
    connect(m_editor, &GridInplaceEditor::textChanged, this, &StringGrid::onEditorTextChanged);

    m_dragTimer.setInterval(DragScrollIntervalMs);
    connect(&m_dragTimer, &QTimer::timeout, this, &StringGrid::onDragTimer);

    updateScrollBars();
}

StringGrid::~StringGrid() = default;

void StringGrid::setRowCount(int count)
{
    setCount(Qt::Vertical, count);
}

void StringGrid::setColCount(int count)
{
    setCount(Qt::Horizontal, count);
}

void StringGrid::setCount(Qt::Orientation counted, int count)
{
    int& current = counted == Qt::Vertical ? m_rowCount : m_colCount;
    int& position = counted == Qt::Vertical ? m_row : m_col;
    count = std::max(count, 1);
    if (count == current)
        return;
    const int oldCount = std::exchange(current, count);
    const bool clamped = position >= current;
    if (clamped) {
        closeEditor();
        position = current - 1;
    }
    updateScrollBars();
    if (clamped)
        scrollIntoView();
    placeEditor();
    viewport()->update();
    announceCountChange(counted, oldCount, current);
}

QString StringGrid::cell(int col, int row) const
{
    return m_cells.value(cellKey(col, row));
}

void StringGrid::setCell(int col, int row, const QString& text)
{
    const quint64 key = cellKey(col, row);
    const auto stored = m_cells.constFind(key);
    const bool changed = stored == m_cells.cend() ? !text.isEmpty() : *stored != text;
    if (text.isEmpty())
        m_cells.remove(key);
    else
        m_cells.insert(key, text);
    if (m_editorOpen && col == m_col && row == m_row && m_editor->text() != text) {
        const QSignalBlocker blocker(m_editor);
        m_editor->setText(text);
    }
    updateCell(col, row);
    announceCellWritten(col, row);
    if (changed)
        emit cellWritten(col, row);
}

void StringGrid::setEditable(bool on)
{
    if (on == m_editable)
        return;
    if (!on)
        closeEditor();
    m_editable = on;
}

void StringGrid::setCurrentCell(int col, int row)
{
    moveCurrent(col, row);
}

GridInplaceEditor* StringGrid::inplaceEditor() const
{
    return m_editor;
}

QRect StringGrid::cellRect(int col, int row) const
{
    const qint64 x = (qint64(col) - m_leftCol) * ColPitch;
    const qint64 y = (qint64(row) - m_topRow) * RowPitch;
    return QRect(int(std::clamp(x, -FarOutside, FarOutside)), int(std::clamp(y, -FarOutside, FarOutside)),
                 DefaultColWidth, DefaultRowHeight);
}

void StringGrid::updateCell(int col, int row)
{
    if (col < 0 || row < 0 || col >= m_colCount || row >= m_rowCount)
        return;
    const QRect rect = cellRect(col, row);
    if (rect.intersects(viewport()->rect()))
        viewport()->update(rect);
}

bool StringGrid::hasGridFocus() const
{
    // The window's focus widget outlives a switch to another window, so a grid keeps its focused look
    // while another window is in front.
    const QWidget* focus = window()->focusWidget();
    return focus != nullptr && (focus == this || focus == m_editor);
}

int StringGrid::fullColsInView() const
{
    return std::max(1, viewport()->width() / ColPitch);
}

int StringGrid::fullRowsInView() const
{
    return std::max(1, viewport()->height() / RowPitch);
}

qint64 StringGrid::lastFullyVisibleCol() const
{
    return std::min<qint64>(qint64(m_colCount) - 1, qint64(m_leftCol) + fullColsInView() - 1);
}

qint64 StringGrid::lastFullyVisibleRow() const
{
    return std::min<qint64>(qint64(m_rowCount) - 1, qint64(m_topRow) + fullRowsInView() - 1);
}

int StringGrid::maxLeftCol() const
{
    return std::max(0, m_colCount - fullColsInView());
}

int StringGrid::maxTopRow() const
{
    return std::max(0, m_rowCount - fullRowsInView());
}

void StringGrid::setOrigin(qint64 leftCol, qint64 topRow)
{
    const int left = int(std::clamp<qint64>(leftCol, 0, maxLeftCol()));
    const int top = int(std::clamp<qint64>(topRow, 0, maxTopRow()));
    if (left == m_leftCol && top == m_topRow)
        return;
    m_leftCol = left;
    m_topRow = top;
    updateScrollBars();
    placeEditor();
    viewport()->update();
}

void StringGrid::scrollIntoView()
{
    qint64 left = m_leftCol;
    qint64 top = m_topRow;
    if (m_col < left)
        left = m_col;
    else if (m_col > lastFullyVisibleCol())
        left = qint64(m_col) - fullColsInView() + 1;
    if (m_row < top)
        top = m_row;
    else if (m_row > lastFullyVisibleRow())
        top = qint64(m_row) - fullRowsInView() + 1;
    setOrigin(left, top);
}

void StringGrid::updateScrollBars()
{
    // Showing or hiding a bar resizes the viewport, which comes back here; settle in a few passes.
    if (m_updatingBars) {
        m_barsAgain = true;
        return;
    }
    m_updatingBars = true;
    for (int pass = 0; pass < MaxScrollBarPasses; ++pass) {
        m_barsAgain = false;
        m_leftCol = std::clamp(m_leftCol, 0, maxLeftCol());
        m_topRow = std::clamp(m_topRow, 0, maxTopRow());
        horizontalScrollBar()->setRange(0, maxLeftCol());
        horizontalScrollBar()->setPageStep(fullColsInView());
        horizontalScrollBar()->setValue(m_leftCol);
        verticalScrollBar()->setRange(0, maxTopRow());
        verticalScrollBar()->setPageStep(fullRowsInView());
        verticalScrollBar()->setValue(m_topRow);
        if (!m_barsAgain)
            break;
    }
    m_updatingBars = false;
}

void StringGrid::scrollContentsBy(int, int)
{
    if (m_updatingBars)
        return;
    const int left = horizontalScrollBar()->value();
    const int top = verticalScrollBar()->value();
    if (left == m_leftCol && top == m_topRow)
        return;
    m_leftCol = left;
    m_topRow = top;
    placeEditor();
    viewport()->update();
}

void StringGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    placeEditor();
}

StringGrid::CellHit StringGrid::cellAt(const QPoint& pos) const
{
    CellHit hit;
    if (pos.x() < 0 || pos.y() < 0)
        return hit;
    // The line after a cell belongs to it.
    const qint64 col = qint64(m_leftCol) + pos.x() / ColPitch;
    const qint64 row = qint64(m_topRow) + pos.y() / RowPitch;
    if (col >= m_colCount || row >= m_rowCount)
        return hit;
    hit.inside = true;
    hit.col = int(col);
    hit.row = int(row);
    return hit;
}

void StringGrid::moveCurrent(qint64 col, qint64 row)
{
    const int newCol = int(std::clamp<qint64>(col, 0, m_colCount - 1));
    const int newRow = int(std::clamp<qint64>(row, 0, m_rowCount - 1));
    if (newCol != m_col || newRow != m_row) {
        closeEditor();
        updateCell(m_col, m_row);
        m_col = newCol;
        m_row = newRow;
        updateCell(m_col, m_row);
        announceCurrentCell();
    }
    scrollIntoView();
}

bool StringGrid::navigate(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    const qint64 col = m_col;
    const qint64 row = m_row;
    const int rowPage = int(std::max<qint64>(1, lastFullyVisibleRow() - m_topRow));
    const int colPage = int(std::max<qint64>(1, lastFullyVisibleCol() - m_leftCol));
    switch (key) {
    case Qt::Key_Up:
        if (ctrl)
            setOrigin(m_leftCol, qint64(m_topRow) - 1);
        else
            moveCurrent(col, row - 1);
        return true;
    case Qt::Key_Down:
        if (ctrl)
            setOrigin(m_leftCol, qint64(m_topRow) + 1);
        else
            moveCurrent(col, row + 1);
        return true;
    case Qt::Key_Left:
        if (ctrl) {
            setOrigin(qint64(m_leftCol) - colPage, m_topRow);
            moveCurrent(col - colPage, row);
        } else {
            moveCurrent(col - 1, row);
        }
        return true;
    case Qt::Key_Right:
        if (ctrl) {
            setOrigin(qint64(m_leftCol) + colPage, m_topRow);
            moveCurrent(col + colPage, row);
        } else {
            moveCurrent(col + 1, row);
        }
        return true;
    case Qt::Key_Home:
        moveCurrent(0, ctrl ? 0 : row);
        return true;
    case Qt::Key_End:
        moveCurrent(m_colCount - 1, ctrl ? m_rowCount - 1 : row);
        return true;
    case Qt::Key_PageUp:
        if (ctrl) {
            moveCurrent(col, m_topRow);
        } else {
            setOrigin(m_leftCol, qint64(m_topRow) - rowPage);
            moveCurrent(col, row - rowPage);
        }
        return true;
    case Qt::Key_PageDown:
        if (ctrl) {
            moveCurrent(col, lastFullyVisibleRow());
        } else {
            setOrigin(m_leftCol, qint64(m_topRow) + rowPage);
            moveCurrent(col, row + rowPage);
        }
        return true;
    default:
        return false;
    }
}

void StringGrid::takeFocus(Qt::FocusReason reason)
{
    if (m_editorOpen)
        m_editor->setFocus(reason);
    else
        setFocus(reason);
}

void StringGrid::keyPressEvent(QKeyEvent* event)
{
    if (m_editorOpen) {
        QCoreApplication::sendEvent(m_editor, event);
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (navigate(event->key(), modifiers)) {
        event->accept();
        return;
    }
    const bool plain = !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const Qt::KeyboardModifiers chord = modifiers & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && chord == Qt::ShiftModifier)) {
        emit contextMenuRequested(viewport()->mapToGlobal(cellRect(m_col, m_row).bottomLeft()));
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Z && chord == Qt::ControlModifier) {
        emit undoRequested();
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        openEditor(true);
        event->accept();
        return;
    case Qt::Key_F2:
        openEditor(false);
        event->accept();
        return;
    case Qt::Key_Backspace:
        if (plain && m_editable) {
            openEditor(true);
            m_editor->backspace();
        }
        event->accept();
        return;
    case Qt::Key_Delete:
    case Qt::Key_Escape:
    case Qt::Key_Insert:
        event->accept();
        return;
    default:
        break;
    }
    if (plain && isTypedText(event->text())) {
        if (m_editable) {
            openEditor(true);
            m_editor->insert(event->text());
        }
        event->accept();
        return;
    }
    event->ignore();
}

void StringGrid::wheelEvent(QWheelEvent* event)
{
    m_wheelRemainder += event->angleDelta().y();
    while (m_wheelRemainder >= WheelStep) {
        m_wheelRemainder -= WheelStep;
        navigate(Qt::Key_Up, Qt::NoModifier);
    }
    while (m_wheelRemainder <= -WheelStep) {
        m_wheelRemainder += WheelStep;
        navigate(Qt::Key_Down, Qt::NoModifier);
    }
    event->accept();
}

void StringGrid::focusInEvent(QFocusEvent*)
{
    // The base class would repaint the whole grid; only the current cell changes its look.
    if (m_editorOpen)
        m_editor->setFocus(Qt::OtherFocusReason);
    updateCell(m_col, m_row);
    announceFocusIn();
}

void StringGrid::focusOutEvent(QFocusEvent*)
{
    updateCell(m_col, m_row);
}

void StringGrid::mousePressEvent(QMouseEvent* event)
{
    takeFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::RightButton && !m_editorOpen) {
        emit contextMenuRequested(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    const CellHit hit = event->button() == Qt::LeftButton ? cellAt(event->position().toPoint()) : CellHit{};
    if (!hit.inside) {
        if (m_editorOpen)
            m_editor->selectAll();
        event->accept();
        return;
    }
    if (hit.col == m_col && hit.row == m_row) {
        // The second press of a double-click that made this cell current does not open the editor.
        const bool secondOfDouble =
            hit.col == m_lastPressCol && hit.row == m_lastPressRow
            && event->timestamp() - m_lastPressTime < ulong(QApplication::doubleClickInterval());
        if (m_editable && !secondOfDouble)
            openEditor(true);
        m_lastPressCol = -1;
    } else {
        moveCurrent(hit.col, hit.row);
        m_lastPressCol = hit.col;
        m_lastPressRow = hit.row;
        m_lastPressTime = event->timestamp();
    }
    if (!m_editable) {
        m_dragging = true;
        m_dragPos = event->position().toPoint();
    }
    event->accept();
}

void StringGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Usually the press of this click has already made the cell current; a double-click never opens
    // the editor, whichever way it arrives.
    takeFocus(Qt::MouseFocusReason);
    const CellHit hit = event->button() == Qt::LeftButton ? cellAt(event->position().toPoint()) : CellHit{};
    if (hit.inside && (hit.col != m_col || hit.row != m_row))
        moveCurrent(hit.col, hit.row);
    event->accept();
}

void StringGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        dragTo(event->position().toPoint(), false);
    event->accept();
}

void StringGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        stopDrag();
    event->accept();
}

void StringGrid::dragTo(const QPoint& pos, bool step)
{
    m_dragPos = pos;
    const qint64 visibleRight = (lastFullyVisibleCol() - m_leftCol + 1) * ColPitch;
    const qint64 visibleBottom = (lastFullyVisibleRow() - m_topRow + 1) * RowPitch;
    const int dx = pos.x() < 0 ? -1 : (pos.x() >= visibleRight ? 1 : 0);
    const int dy = pos.y() < 0 ? -1 : (pos.y() >= visibleBottom ? 1 : 0);
    const qint64 col = dx == 0 ? qint64(m_leftCol) + pos.x() / ColPitch : qint64(m_col) + (step ? dx : 0);
    const qint64 row = dy == 0 ? qint64(m_topRow) + pos.y() / RowPitch : qint64(m_row) + (step ? dy : 0);
    moveCurrent(col, row);
    if (dx == 0 && dy == 0)
        m_dragTimer.stop();
    else if (!m_dragTimer.isActive())
        m_dragTimer.start();
}

void StringGrid::onDragTimer()
{
    if (!m_dragging) {
        stopDrag();
        return;
    }
    dragTo(m_dragPos, true);
}

void StringGrid::stopDrag()
{
    m_dragging = false;
    m_dragTimer.stop();
}

void StringGrid::openEditor(bool selectAll)
{
    if (!m_editable || m_editorOpen)
        return;
    m_editorOpen = true;
    // System colours are looked up whenever they are shown.
    QPalette editorPalette = m_editor->palette();
    editorPalette.setColor(QPalette::Base, ResolveColor(clWindow));
    editorPalette.setColor(QPalette::Text, ResolveColor(clWindowText));
    m_editor->setPalette(editorPalette);
    placeEditor();
    {
        const QSignalBlocker blocker(m_editor);
        m_editor->setText(cell(m_col, m_row));
    }
    if (selectAll)
        m_editor->selectAll();
    else
        m_editor->end(false);
    m_editor->show();
    m_editor->setFocus(Qt::OtherFocusReason);
}

void StringGrid::closeEditor()
{
    if (!m_editorOpen)
        return;
    m_editorOpen = false;
    setCell(m_col, m_row, m_editor->text());
    // Hiding the focused editor would pass the focus to the next control; the grid keeps it.
    if (m_editor->hasFocus())
        setFocus(Qt::OtherFocusReason);
    m_editor->hide();
    updateCell(m_col, m_row);
}

void StringGrid::placeEditor()
{
    if (m_editorOpen)
        m_editor->setGeometry(cellRect(m_col, m_row));
}

void StringGrid::onEditorKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        closeEditor();
    else
        navigate(key, modifiers); // a move to another cell closes the editor; none leaves it open
}

void StringGrid::onEditorTab(bool forward)
{
    closeEditor();
    focusNextPrevChild(forward);
}

void StringGrid::onEditorFocusLeft()
{
    const QWidget* focus = QApplication::focusWidget();
    if (focus == this || isScrollBar(focus))
        return;
    closeEditor();
}

void StringGrid::onEditorTextChanged(const QString& text)
{
    if (!m_editorOpen)
        return;
    if (text.isEmpty())
        m_cells.remove(cellKey(m_col, m_row));
    else
        m_cells.insert(cellKey(m_col, m_row), text);
    announceCellWritten(m_col, m_row);
    emit cellEdited(m_col, m_row);
}
