#pragma once

#include <functional>
#include <string>

// Replaces everything on the clipboard with `text` (UTF-8) as plain text only. Throws
// std::runtime_error("Cannot open clipboard") when the clipboard cannot be taken; its content is then
// left as it was.
void PlaceTextOnClipboard(const std::string& text);

// The seam tests replace. The writer answers false when the clipboard cannot be taken. Returns the
// writer it replaces; an empty writer restores the system clipboard.
using ClipboardWriter = std::function<bool(const std::string& text)>;
ClipboardWriter SetClipboardWriter(ClipboardWriter writer);
