#pragma once

#include "platform/desktop/ClipboardContent.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

class QAction;
class QObject;

// The one door to the clipboard and the X11 primary selection: every read and write of the program goes
// through the functions below, and tests stand in for the desktop with a ClipboardService.

// Replaces everything on the clipboard with `text` as plain text only. Throws
// std::runtime_error("Cannot open clipboard") when, once the text is handed over, the program does not
// hold the clipboard; what was on it then stays.
void PlaceTextOnClipboard(const std::string& text);
// The same with text/plain and, when `content.html` is not empty, text/html, handed over together.
void PlaceOnClipboard(const ClipboardContent& content);
// Offers `text` as the primary selection, as selecting text does; nothing where there is none.
void PlaceTextOnSelection(const std::string& text);
bool ClipboardSupportsSelection();

// No read waits longer than this for another program to answer.
inline constexpr int ClipboardReadTimeoutMs = 1000;

// What the clipboard (or the primary selection) holds, waiting at most ClipboardReadTimeoutMs; nothing when
// it has no owner, no text and no html, or when the owner has not answered in time.
std::optional<ClipboardContent> ReadClipboard(ClipboardMode mode = ClipboardMode::Clipboard);

// Asks for the same and returns at once: `done` runs later on the GUI thread, exactly once and within
// the deadline (with nothing when the owner has not answered), and not at all once `context` is destroyed.
// For menus, which open at once and enable Paste when the answer arrives.
void RequestClipboard(QObject* context, ClipboardMode mode, std::function<void(std::optional<ClipboardContent>)> done);

// What a one-line box takes from a paste: the text up to its first line break (CR, LF or CR LF), all of
// it when it has none. "5\r\n" -> "5", "7\r8" -> "7", "12" -> "12".
QString FirstLine(const QString& text);
// The first line of the clipboard's (or the selection's) text, read as ReadClipboard reads.
QString ClipboardFirstLine(ClipboardMode mode);

// For a menu's Paste item: disables it and asks the clipboard, then enables it if the answer holds text.
void EnablePasteOnAnswer(QAction* paste);

// The clipboard as the program sees it. The real one is used unless a test installs a stand-in with
// SeamGuard<ClipboardService> (platform/Seam.h).
class ClipboardService
{
public:
    virtual ~ClipboardService() = default;
    // Hands the content over; the caller then asks owns() whether it took.
    virtual void place(ClipboardMode mode, const ClipboardContent& content) = 0;
    // Whether this program holds the clipboard or the selection now.
    virtual bool owns(ClipboardMode mode) const = 0;
    virtual bool supportsSelection() const = 0;
    // As ReadClipboard and RequestClipboard above, deadline included.
    virtual std::optional<ClipboardContent> read(ClipboardMode mode) = 0;
    virtual void request(QObject* context, ClipboardMode mode,
                         std::function<void(std::optional<ClipboardContent>)> done) = 0;
};
