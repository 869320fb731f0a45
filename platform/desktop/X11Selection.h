#pragma once

#include "platform/desktop/ClipboardContent.h"

#include <chrono>
#include <optional>

// What the owner of the X11 CLIPBOARD or PRIMARY selection hands over, asked for on a connection of our
// own to the display in DISPLAY, so that an owner that never answers holds nothing but this call: the text
// (the first of UTF8_STRING, text/plain;charset=utf-8, text/plain and STRING it offers) and the html
// (text/html). Nothing when there is no owner, it offers neither, or it has not answered by `deadline`; the
// text alone when the html has not come by then. Safe to call from any thread. Only in builds with XCB.
std::optional<ClipboardContent> ReadX11Selection(ClipboardMode mode, std::chrono::steady_clock::time_point deadline);
