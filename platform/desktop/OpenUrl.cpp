#include "platform/desktop/OpenUrl.h"

#include "platform/Seam.h"

#include <QDesktopServices>
#include <QUrl>

void OpenUrl(const QString& url)
{
    if (UrlOpenerService* standIn = Seam<UrlOpenerService>::standIn()) {
        standIn->open(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}
