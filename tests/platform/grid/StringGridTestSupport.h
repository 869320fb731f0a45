#pragma once

#include "platform/grid/GridInplaceEditor.h"
#include "platform/grid/StringGrid.h"
#include "platform/paint/Drawing.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

// A window with an editor before the grid and one after it, so that the focus has somewhere to go.
class StringGridFixture : public ::testing::Test
{
protected:
    // 5 x 5 whole cells fit when the scroll bars stay off.
    static constexpr int ViewWidth = 5 * 41;
    static constexpr int ViewHeight = 5 * 21;

    void SetUp() override
    {
        m_window = std::make_unique<QWidget>();
        auto* layout = new QHBoxLayout(m_window.get());
        m_before = new QLineEdit(m_window.get());
        m_grid = new StringGrid(m_window.get());
        m_after = new QLineEdit(m_window.get());
        layout->addWidget(m_before);
        layout->addWidget(m_grid);
        layout->addWidget(m_after);
        m_grid->setEditable(true);
        m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_grid->setFixedSize(ViewWidth, ViewHeight);
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        m_grid->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([this] { return m_grid->hasFocus(); }));
    }

    void TearDown() override { m_window.reset(); }

    static QWidget* focused() { return QApplication::focusWidget(); }

    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused(), Qt::Key(key), modifiers);
    }

    static void type(const QString& text) { QTest::keyClicks(focused(), text); }

    QPoint centreOf(int col, int row) const { return m_grid->cellRect(col, row).center(); }

    void click(int col, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(m_grid->viewport(), button, Qt::NoModifier, centreOf(col, row));
    }

    void resize(int cols, int rows)
    {
        m_grid->setColCount(cols);
        m_grid->setRowCount(rows);
    }

    std::unique_ptr<QWidget> m_window;
    QLineEdit* m_before = nullptr;
    StringGrid* m_grid = nullptr;
    QLineEdit* m_after = nullptr;
};

// What the calculator window's cell handler does: fill, shrink by 2, the text right-aligned.
inline void PaintRightAligned(QPainter& canvas, StringGrid* sender, int col, int row, const QRect& rect,
                              StringGrid::DrawState)
{
    QRect box = rect;
    FillRect(canvas, box);
    InflateRect(box, -2, -2);
    DrawTextA(canvas, sender->cell(col, row), box, Dt::SingleLine | Dt::VCenter | Dt::Right);
}
