#pragma once

#include <string>

// What the clipboard door carries, apart from the door itself.

enum class ClipboardMode { Clipboard, Selection }; // the CLIPBOARD, or the X11 primary selection

// UTF-8 texts; html is empty when the owner offers none.
struct ClipboardContent
{
    std::string text;
    std::string html;
    bool operator==(const ClipboardContent&) const = default;
};
