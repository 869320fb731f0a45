#include "app/Startup.h"

#include "about/About.h"
#include "calculator/Main.h"
#include "platform/Application.h"
#include "platform/NumberSettings.h"

void CreateForms(Application& application)
{
    Application::setTitle(QStringLiteral("Quorlin"));
    FM_Main = application.createForm<TFM_Main>();
    frmAbout = application.createForm<TfrmAbout>();
    FM_Main->setAboutBox([](QWidget* over) { frmAbout->ShowModal(over); });
}

int RunQuorlin(int argc, char** argv)
{
    Application application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("example.zelmoor.Quorlin"));
    // Separators are read before any window exists, and again whenever the locale changes.
    LoadNumberSettings();
    NumberSettingsWatcher::installOnApplication();
    CreateForms(application);
    return application.run();
}
