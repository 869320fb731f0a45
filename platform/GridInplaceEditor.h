#pragma once

#include <QLineEdit>

// The borderless one-line editor that a string grid lays over its current cell. It edits the text
// itself and hands the keys that belong to the grid (moving between cells, Enter, Tab) back to it.
class GridInplaceEditor : public QLineEdit
{
    Q_OBJECT
public:
    explicit GridInplaceEditor(QWidget* parent = nullptr);
    ~GridInplaceEditor() override;

signals:
    // Up, Down, Page Up, Page Down (with their modifiers), Enter and Return.
    void gridKeyPressed(int key, Qt::KeyboardModifiers modifiers);
    // Tab or Shift+Tab: the focus is to leave the grid.
    void tabPressed(bool forward);
    // The focus moved away (the grid tells whether it went outside).
    void focusLeft();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
