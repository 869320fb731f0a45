#pragma once

#include <optional>
#include <string>

// Replaces everything on the clipboard with `text` (UTF-8) as plain text only. Throws
// std::runtime_error("Cannot open clipboard") when, once the text is handed over, the program does not
// hold the clipboard; what was on it then stays.
void PlaceTextOnClipboard(const std::string& text);

// The plain text on the clipboard (UTF-8); nothing when it holds no text, or when the program holding it
// does not answer within about a second (ClipboardReadTimeoutMs).
std::optional<std::string> ClipboardText();
inline constexpr int ClipboardReadTimeoutMs = 1000;

// The clipboard as the program sees it; tests put one of their own in its place.
class ClipboardSeam
{
public:
    virtual ~ClipboardSeam() = default;
    // Hands the text over to the clipboard.
    virtual void setText(const std::string& text) = 0;
    // Whether this program holds the clipboard now.
    virtual bool ownsClipboard() const = 0;
    virtual std::optional<std::string> text() const = 0;
};

// Returns the seam it replaces (not owned); null restores the system clipboard.
ClipboardSeam* SetClipboardSeam(ClipboardSeam* seam);
