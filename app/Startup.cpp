#include "app/Startup.h"

#include "calculator/Main.h"
#include "platform/Application.h"

int RunQuorlin(int argc, char** argv)
{
    Application application(argc, argv);
    Application::setTitle(QStringLiteral("Quorlin"));
    FM_Main = application.createForm<TFM_Main>();
    return application.run();
}
