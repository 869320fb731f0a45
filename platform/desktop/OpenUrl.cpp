#include "platform/desktop/OpenUrl.h"

#include <QDesktopServices>
#include <QUrl>

#include <utility>

namespace {
UrlOpener& openerSlot()
{
    static UrlOpener opener;
    return opener;
}
} // namespace

void OpenUrl(const QString& url)
{
    if (const UrlOpener& opener = openerSlot()) {
        opener(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

UrlOpener SetUrlOpener(UrlOpener opener)
{
    return std::exchange(openerSlot(), std::move(opener));
}
