#pragma once

#include "tests/support/AccessibilityUpdates.h"

#include <QAccessible>
#include <QString>

#include <algorithm>
#include <vector>

// Records every event the platform's controls send to assistive technology, for as long as it lives
// (which also switches their notifications on). What the event is about is read when it is sent, since cell interfaces
// may go later.
class AccessibilityRecorder
{
public:
    struct Event
    {
        QAccessible::Event type = QAccessible::InvalidEvent;
        QAccessible::Role role = QAccessible::NoRole;
        QString name;
        int row = -1;
        int col = -1;
        QAccessibleTableModelChangeEvent::ModelChangeType modelChange = QAccessibleTableModelChangeEvent::ModelReset;
        int first = -1;
        int last = -1;
        QString value;
    };

    AccessibilityRecorder()
        : m_updates([this](QAccessibleEvent* event) { record(event); })
    {
    }
    AccessibilityRecorder(const AccessibilityRecorder&) = delete;
    AccessibilityRecorder& operator=(const AccessibilityRecorder&) = delete;

    const std::vector<Event>& events() const { return m_events; }
    void clear() { m_events.clear(); }

    // Events of `type` about a cell at (col, row).
    int cellEvents(QAccessible::Event type, int col, int row) const
    {
        return int(std::count_if(m_events.cbegin(), m_events.cend(), [=](const Event& e) {
            return e.type == type && e.role == QAccessible::Cell && e.col == col && e.row == row;
        }));
    }

    int count(QAccessible::Event type, const QString& name) const
    {
        return int(std::count_if(m_events.cbegin(), m_events.cend(),
                                 [&](const Event& e) { return e.type == type && e.name == name; }));
    }

private:
    void record(QAccessibleEvent* event)
    {
        Event seen;
        seen.type = event->type();
        if (QAccessibleInterface* iface = event->accessibleInterface()) {
            seen.role = iface->role();
            seen.name = iface->text(QAccessible::Name);
            if (QAccessibleTableCellInterface* cell = iface->tableCellInterface()) {
                seen.row = cell->rowIndex();
                seen.col = cell->columnIndex();
            }
        }
        if (event->type() == QAccessible::TableModelChanged) {
            const auto* change = static_cast<QAccessibleTableModelChangeEvent*>(event);
            seen.modelChange = change->modelChangeType();
            const bool rows = change->firstRow() >= 0;
            seen.first = rows ? change->firstRow() : change->firstColumn();
            seen.last = rows ? change->lastRow() : change->lastColumn();
        }
        if (event->type() == QAccessible::ValueChanged)
            seen.value = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
        m_events.push_back(seen);
    }

    std::vector<Event> m_events;
    AccessibilityUpdates m_updates;
};
