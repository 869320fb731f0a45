#pragma once

#include <QClipboard>
#include <QString>

// What a one-line box takes from a paste: the text up to its first line break (CR, LF or CR LF), all of
// it when it has none. "5\r\n" -> "5", "7\r8" -> "7", "12" -> "12".
QString FirstLine(const QString& text);

// The first line of the clipboard's text, or of the X11 primary selection; another program's clipboard is
// read with the clipboard's own deadline, so an owner that never answers cannot hold the window.
QString PastedLine(QClipboard::Mode mode = QClipboard::Clipboard);
