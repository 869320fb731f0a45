#pragma once

#include <QWidget>

// Says a short message to assistive technology without moving the focus, such as the outcome of a
// button press. It shows as a notification that appears: screen readers speak those wherever the
// focus is. It takes no room and draws nothing.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);
    ~Announcer() override;

    // Speaks `message` through the announcer of `window`, made on first use; nothing while no
    // assistive technology listens.
    static void announce(QWidget* window, const QString& message);
};
