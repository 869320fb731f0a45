#pragma once

#include "platform/Seam.h"
#include "platform/desktop/OpenUrl.h"

#include <functional>
#include <utility>
#include <vector>

// Records every address handed to the desktop instead of opening it, for as long as it lives, and
// tells `onOpen` of each when given one.
class UrlOpenRecorder : public UrlOpenerService
{
public:
    explicit UrlOpenRecorder(std::function<void(const QString&)> onOpen = {})
        : m_onOpen(std::move(onOpen))
    {
    }

    void open(const QString& url) override
    {
        m_urls.push_back(url);
        if (m_onOpen)
            m_onOpen(url);
    }

    const std::vector<QString>& urls() const { return m_urls; }

private:
    std::vector<QString> m_urls;
    std::function<void(const QString&)> m_onOpen;
    SeamGuard<UrlOpenerService> m_guard{this};
};
