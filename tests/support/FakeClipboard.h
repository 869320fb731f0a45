#pragma once

#include "platform/Seam.h"
#include "platform/desktop/Clipboard.h"

#include <QObject>
#include <QTimer>

#include <optional>
#include <string>

// Stands in for the desktop's clipboard and primary selection for as long as it lives. Either can be held
// by "another program", which then keeps it whatever is handed over, and the clipboard's owner can be one
// that never answers: its reads end empty as at the deadline, only at once.
class FakeClipboard : public ClipboardService
{
public:
    struct Store
    {
        std::optional<std::string> text; // nothing: no text offered
        std::string html;                // empty: no html offered
    };

    FakeClipboard()
        : m_guard(this)
    {
    }

    void place(ClipboardMode mode, const ClipboardContent& placed) override
    {
        if (!held)
            store(mode) = {placed.text, placed.html};
    }
    bool owns(ClipboardMode) const override { return !held; }
    bool supportsSelection() const override { return true; }

    std::optional<ClipboardContent> read(ClipboardMode mode) override
    {
        ++reads;
        const Store& from = store(mode);
        if (silent || (!from.text && from.html.empty()))
            return std::nullopt;
        return ClipboardContent{from.text.value_or(std::string()), from.html};
    }
    void request(QObject* context, ClipboardMode mode,
                 std::function<void(std::optional<ClipboardContent>)> done) override
    {
        QTimer::singleShot(0, context, [done = std::move(done), answer = read(mode)] { done(answer); });
    }

    Store& store(ClipboardMode mode) { return mode == ClipboardMode::Selection ? selection : content; }

    Store content{"old", {}}; // the clipboard
    Store selection;
    bool held = false;   // another program holds both and keeps them
    bool silent = false; // their owner never answers a read
    int reads = 0;       // reads and requests so far

private:
    SeamGuard<ClipboardService> m_guard;
};
