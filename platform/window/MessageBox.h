#pragma once

#include <QString>

class QWidget;

enum class MessageIcon { Error, Warning, Information };

struct MessageBoxRequest
{
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::Error;
    QWidget* owner = nullptr; // the window the box is modal over
};

// Shows a modal box with a single OK button (default, and answering Escape and the close box), and
// returns when it is dismissed.
void ShowMessageBox(const MessageBoxRequest& request);

// What tests stand in for the real box with (through Seam), so that no test ever blocks on a modal box.
class MessageBoxService
{
public:
    virtual ~MessageBoxService() = default;
    virtual void show(const MessageBoxRequest& request) = 0;
};
