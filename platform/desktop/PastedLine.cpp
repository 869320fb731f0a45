#include "platform/desktop/PastedLine.h"

#include "platform/desktop/Clipboard.h"

#include <QGuiApplication>

QString FirstLine(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'\n' || text[i] == u'\r')
            return text.left(i);
    return text;
}

QString PastedLine(QClipboard::Mode mode)
{
    if (mode == QClipboard::Clipboard)
        return FirstLine(QString::fromStdString(ClipboardText().value_or(std::string())));
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? FirstLine(clipboard->text(mode)) : QString();
}
