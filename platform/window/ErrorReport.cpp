#include "platform/window/ErrorReport.h"

#include "platform/window/MessageBox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

QString ErrorReportText(const QString& message)
{
    if (message.isEmpty())
        return message;
    // Compare code points, so a final character outside the basic plane counts as one character.
    const QList<uint> codes = message.toUcs4();
    if (codes.isEmpty() || codes.last() <= u'.')
        return message;
    return message + u'.';
}

void ShowErrorReport(const QString& message)
{
    // A window that holds the mouse would otherwise keep tracking a drag behind the modal box.
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    MessageBoxRequest request;
    request.caption = QGuiApplication::applicationDisplayName();
    request.text = ErrorReportText(message);
    request.icon = MessageIcon::Error;
    request.owner = QApplication::activeWindow();
    ShowMessageBox(request);
}

void ShowErrorReport(const std::exception& error)
{
    ShowErrorReport(QString::fromUtf8(error.what()));
}
