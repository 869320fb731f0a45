#include "platform/window/AssistiveTabStop.h"

#include <QAccessible>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

class TabStops : public QAccessible::ActivationObserver
{
public:
    static TabStops& instance()
    {
        static TabStops stops;
        return stops;
    }

    void add(QWidget* widget)
    {
        m_widgets.push_back({widget, widget->focusPolicy()});
        apply(m_widgets.back(), QAccessible::isActive());
    }

    void accessibilityActiveChanged(bool active) override
    {
        std::erase_if(m_widgets, [](const Entry& entry) { return entry.widget.isNull(); });
        for (const Entry& entry : m_widgets)
            apply(entry, active);
    }

private:
    struct Entry
    {
        QPointer<QWidget> widget;
        Qt::FocusPolicy unassisted;
    };

    TabStops() { QAccessible::installActivationObserver(this); }
    ~TabStops() override { QAccessible::removeActivationObserver(this); }

    static void apply(const Entry& entry, bool active)
    {
        if (entry.widget)
            entry.widget->setFocusPolicy(active ? Qt::FocusPolicy(entry.unassisted | Qt::TabFocus) : entry.unassisted);
    }

    std::vector<Entry> m_widgets;
};

} // namespace

void TabStopWhileAssisted(QWidget* widget)
{
    TabStops::instance().add(widget);
}
