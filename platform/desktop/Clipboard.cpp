#include "platform/desktop/Clipboard.h"

#include "platform/Seam.h"
#include "platform/desktop/X11Selection.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <memory>
#include <stdexcept>

namespace {

using Clock = std::chrono::steady_clock;

QClipboard::Mode qtMode(ClipboardMode mode)
{
    return mode == ClipboardMode::Selection ? QClipboard::Selection : QClipboard::Clipboard;
}

// Platforms whose clipboard is shared with other programs say whether this one holds it; the others keep
// an in-process clipboard that is ours whenever we write it.
bool platformTellsOwnership()
{
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("xcb") || name.startsWith(QLatin1String("wayland")) || name == QLatin1String("windows")
           || name == QLatin1String("cocoa");
}

class SystemClipboard : public ClipboardService
{
public:
    void place(ClipboardMode mode, const ClipboardContent& content) override
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (!clipboard || (mode == ClipboardMode::Selection && !clipboard->supportsSelection()))
            return;
        auto* data = new QMimeData;
        data->setText(QString::fromStdString(content.text));
        if (!content.html.empty())
            data->setHtml(QString::fromStdString(content.html));
        clipboard->setMimeData(data, qtMode(mode));
    }

    bool owns(ClipboardMode mode) const override
    {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        if (!clipboard)
            return false;
        if (!platformTellsOwnership())
            return true;
        return mode == ClipboardMode::Selection ? clipboard->ownsSelection() : clipboard->ownsClipboard();
    }

    bool supportsSelection() const override
    {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        return clipboard && clipboard->supportsSelection();
    }

    std::optional<ClipboardContent> read(ClipboardMode mode) override
    {
        if (readsOnItsOwnConnection(mode))
            return ReadX11Selection(mode, Clock::now() + std::chrono::milliseconds(ClipboardReadTimeoutMs));
        return readThroughQt(mode);
    }

    void request(QObject* context, ClipboardMode mode,
                 std::function<void(std::optional<ClipboardContent>)> done) override
    {
        if (!readsOnItsOwnConnection(mode)) {
            // Qt answers at once for our own clipboard; the answer still comes later, as promised.
            QTimer::singleShot(0, context, [done = std::move(done), content = readThroughQt(mode)] { done(content); });
            return;
        }
#if QUORLIN_HAVE_XCB
        // The read waits on a thread of the pool (which the application joins before it ends); the answer
        // is handed back to the GUI thread, where the guard on the context is checked.
        // A read whose asker is gone by the time a thread is free is not made at all.
        const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(ClipboardReadTimeoutMs);
        QPointer<QObject> guard(context);
        auto gone = std::make_shared<std::atomic<bool>>(false);
        QObject::connect(context, &QObject::destroyed, [gone] { *gone = true; });
        QThreadPool::globalInstance()->start([guard, gone, mode, deadline, done = std::move(done)]() mutable {
            std::optional<ClipboardContent> content;
            if (!*gone)
                content = ReadX11Selection(mode, deadline);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [guard, done = std::move(done), content = std::move(content)]() mutable {
                    if (guard)
                        done(std::move(content));
                },
                Qt::QueuedConnection);
        });
#endif
    }

private:
    // Qt's X11 clipboard waits seconds for an owner that never answers, twice per read; another program's
    // selection is read on a connection of our own, with our own deadline.
    static bool readsOnItsOwnConnection(ClipboardMode mode)
    {
#if QUORLIN_HAVE_XCB
        const QClipboard* clipboard = QGuiApplication::clipboard();
        return clipboard && QGuiApplication::platformName() == QLatin1String("xcb")
               && !(mode == ClipboardMode::Selection ? clipboard->ownsSelection() : clipboard->ownsClipboard());
#else
        Q_UNUSED(mode);
        return false;
#endif
    }

    static std::optional<ClipboardContent> readThroughQt(ClipboardMode mode)
    {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        if (!clipboard || (mode == ClipboardMode::Selection && !clipboard->supportsSelection()))
            return std::nullopt;
        const QMimeData* data = clipboard->mimeData(qtMode(mode));
        if (!data || (!data->hasText() && !data->hasHtml()))
            return std::nullopt;
        return ClipboardContent{data->text().toStdString(),
                                data->hasHtml() ? data->html().toStdString() : std::string()};
    }
};

ClipboardService& service()
{
    static SystemClipboard system;
    ClipboardService* standIn = Seam<ClipboardService>::standIn();
    return standIn ? *standIn : system;
}

} // namespace

void PlaceOnClipboard(const ClipboardContent& content)
{
    ClipboardService& clipboard = service();
    clipboard.place(ClipboardMode::Clipboard, content);
    if (!clipboard.owns(ClipboardMode::Clipboard))
        throw std::runtime_error("Cannot open clipboard");
}

void PlaceTextOnClipboard(const std::string& text)
{
    PlaceOnClipboard({text, {}});
}

void PlaceTextOnSelection(const std::string& text)
{
    ClipboardService& clipboard = service();
    if (clipboard.supportsSelection())
        clipboard.place(ClipboardMode::Selection, {text, {}});
}

bool ClipboardSupportsSelection()
{
    return service().supportsSelection();
}

std::optional<ClipboardContent> ReadClipboard(ClipboardMode mode)
{
    return service().read(mode);
}

void RequestClipboard(QObject* context, ClipboardMode mode, std::function<void(std::optional<ClipboardContent>)> done)
{
    service().request(context, mode, std::move(done));
}

QString FirstLine(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'\n' || text[i] == u'\r')
            return text.left(i);
    return text;
}

QString ClipboardFirstLine(ClipboardMode mode)
{
    const std::optional<ClipboardContent> content = ReadClipboard(mode);
    return content ? FirstLine(QString::fromStdString(content->text)) : QString();
}

void EnablePasteOnAnswer(QAction* paste)
{
    paste->setEnabled(false);
    RequestClipboard(paste, ClipboardMode::Clipboard, [paste](std::optional<ClipboardContent> content) {
        paste->setEnabled(content && !content->text.empty());
    });
}
