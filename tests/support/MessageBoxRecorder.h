#pragma once

#include "platform/Seam.h"
#include "platform/window/MessageBox.h"

#include <functional>
#include <utility>
#include <vector>

// Records every message box instead of showing it, for as long as it lives, and hands each to
// `onShow` when given one (a test that needs a real modal dialog in the box's place).
class MessageBoxRecorder : public MessageBoxService
{
public:
    explicit MessageBoxRecorder(std::function<void(const MessageBoxRequest&)> onShow = {})
        : m_onShow(std::move(onShow))
    {
    }

    void show(const MessageBoxRequest& request) override
    {
        m_boxes.push_back(request);
        if (m_onShow)
            m_onShow(request);
    }

    const std::vector<MessageBoxRequest>& boxes() const { return m_boxes; }

private:
    std::vector<MessageBoxRequest> m_boxes;
    std::function<void(const MessageBoxRequest&)> m_onShow;
    SeamGuard<MessageBoxService> m_guard{this};
};
