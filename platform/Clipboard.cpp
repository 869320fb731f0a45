#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <stdexcept>
#include <utility>

namespace {

ClipboardWriter& writerSlot()
{
    static ClipboardWriter writer;
    return writer;
}

bool writeSystemClipboard(const std::string& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(text));
    clipboard->setMimeData(data, QClipboard::Clipboard);
    return true;
}

} // namespace

void PlaceTextOnClipboard(const std::string& text)
{
    const ClipboardWriter& writer = writerSlot();
    const bool placed = writer ? writer(text) : writeSystemClipboard(text);
    if (!placed)
        throw std::runtime_error("Cannot open clipboard");
}

ClipboardWriter SetClipboardWriter(ClipboardWriter writer)
{
    return std::exchange(writerSlot(), std::move(writer));
}
