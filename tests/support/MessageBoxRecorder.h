#pragma once

#include "platform/window/MessageBox.h"

#include <vector>

// Records every message box instead of showing it, for as long as it lives.
class MessageBoxRecorder
{
public:
    MessageBoxRecorder()
        : m_previous(SetMessageBoxHandler([this](const MessageBoxRequest& request) { m_boxes.push_back(request); }))
    {
    }
    ~MessageBoxRecorder() { SetMessageBoxHandler(m_previous); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    const std::vector<MessageBoxRequest>& boxes() const { return m_boxes; }

private:
    std::vector<MessageBoxRequest> m_boxes;
    MessageBoxHandler m_previous;
};
