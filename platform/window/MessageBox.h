#pragma once

#include <QString>

#include <functional>

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

// The seam tests replace so that no test ever blocks on a modal box. Returns the handler it replaces;
// an empty handler restores the real box.
using MessageBoxHandler = std::function<void(const MessageBoxRequest&)>;
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
