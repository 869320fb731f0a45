#include "app/Startup.h"

#include "about/About.h"
#include "calculator/Main.h"
#include "controls/accessible/ZelLinkLabelAccessible.h"
#include "platform/accessible/AccessibleFactory.h"
#include "platform/desktop/NumberSettings.h"
#include "platform/window/Application.h"

#include <QIcon>

namespace {

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quorlin-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

void CreateForms(Application& application)
{
    QCoreApplication::setApplicationName(QStringLiteral("Quorlin"));
    QApplication::setWindowIcon(programIcon());
    FM_Main = application.createForm<TFM_Main>();
    frmAbout = application.createForm<TfrmAbout>();
    FM_Main->setAboutBox([](QWidget* over) { frmAbout->ShowModal(over); });
}

int RunQuorlin(int argc, char** argv)
{
    Application application(argc, argv);
    InstallPlatformAccessibility();
    InstallControlsAccessibility();
    QGuiApplication::setDesktopFileName(QStringLiteral("example.zelmoor.Quorlin"));
    // Separators are read before any window exists; the application reads them again on a locale change.
    LoadNumberSettings();
    CreateForms(application);
    return application.run();
}
