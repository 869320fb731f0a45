#pragma once

#include "platform/desktop/Clipboard.h"

#include <optional>
#include <string>

// Stands in for the system clipboard for as long as it lives; it can be held by "another program", which
// then keeps it whatever is handed over.
class FakeClipboard : public ClipboardSeam
{
public:
    FakeClipboard()
        : m_previous(SetClipboardSeam(this))
    {
    }
    ~FakeClipboard() override { SetClipboardSeam(m_previous); }
    FakeClipboard(const FakeClipboard&) = delete;
    FakeClipboard& operator=(const FakeClipboard&) = delete;

    void setText(const std::string& text) override
    {
        if (!held)
            content = text;
    }
    bool ownsClipboard() const override { return !held; }
    std::optional<std::string> text() const override { return content; }

    std::optional<std::string> content = "old";
    bool held = false;

private:
    ClipboardSeam* m_previous;
};
