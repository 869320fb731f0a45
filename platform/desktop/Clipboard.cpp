#include "platform/desktop/Clipboard.h"

#include "platform/desktop/X11Selection.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <stdexcept>
#include <utility>

namespace {

// Platforms whose clipboard is shared with other programs say whether this one holds it; the others keep
// an in-process clipboard that is ours whenever we write it.
bool platformTellsOwnership()
{
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("xcb") || name.startsWith(QLatin1String("wayland")) || name == QLatin1String("windows")
           || name == QLatin1String("cocoa");
}

class SystemClipboard : public ClipboardSeam
{
public:
    void setText(const std::string& text) override
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (!clipboard)
            return;
        auto* data = new QMimeData;
        data->setText(QString::fromStdString(text));
        clipboard->setMimeData(data, QClipboard::Clipboard);
    }

    bool ownsClipboard() const override
    {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        return clipboard && (!platformTellsOwnership() || clipboard->ownsClipboard());
    }

    std::optional<std::string> text() const override
    {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        if (!clipboard)
            return std::nullopt;
        // Qt's X11 clipboard waits seconds for an owner that never answers, twice per read; another
        // program's selection is read on a connection of our own, with our own deadline.
        if (QGuiApplication::platformName() == QLatin1String("xcb") && !clipboard->ownsClipboard())
            return ReadX11ClipboardText(ClipboardReadTimeoutMs);
        const QMimeData* data = clipboard->mimeData(QClipboard::Clipboard);
        if (!data || !data->hasText())
            return std::nullopt;
        return data->text().toStdString();
    }
};

ClipboardSeam*& seamSlot()
{
    static ClipboardSeam* seam = nullptr;
    return seam;
}

ClipboardSeam& currentSeam()
{
    static SystemClipboard system;
    ClipboardSeam* seam = seamSlot();
    return seam ? *seam : system;
}

} // namespace

void PlaceTextOnClipboard(const std::string& text)
{
    ClipboardSeam& clipboard = currentSeam();
    clipboard.setText(text);
    if (!clipboard.ownsClipboard())
        throw std::runtime_error("Cannot open clipboard");
}

std::optional<std::string> ClipboardText()
{
    return currentSeam().text();
}

ClipboardSeam* SetClipboardSeam(ClipboardSeam* seam)
{
    return std::exchange(seamSlot(), seam);
}
