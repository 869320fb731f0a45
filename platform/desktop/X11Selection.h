#pragma once

#include <optional>
#include <string>

// The text (UTF-8) that the X11 CLIPBOARD selection's owner hands over, asked for on a connection of our
// own to the display in DISPLAY; nothing when there is no owner, it has no text, or it has not finished
// answering within `timeoutMs`.
std::optional<std::string> ReadX11ClipboardText(int timeoutMs);
