#include "platform/window/MessageBox.h"

#include "platform/Seam.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

void showRealBox(const MessageBoxRequest& request)
{
    QMessageBox box(toQtIcon(request.icon), request.caption, request.text, QMessageBox::Ok, request.owner);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    // Modal for the whole application: every window waits until the box is dismissed.
    box.setWindowModality(Qt::ApplicationModal);
    // A box of fixed size: a title and a close button, nothing to minimise or maximise (decorations
    // drawn by Qt itself, as on Wayland, would offer them otherwise). Set last: the modality resets them.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QWidget* previousFocus = QApplication::focusWidget();
    box.exec();
    if (previousFocus)
        previousFocus->setFocus(Qt::OtherFocusReason);
}

} // namespace

void ShowMessageBox(const MessageBoxRequest& request)
{
    if (MessageBoxService* standIn = Seam<MessageBoxService>::standIn())
        standIn->show(request);
    else
        showRealBox(request);
}
