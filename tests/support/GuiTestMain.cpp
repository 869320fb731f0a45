// Shared main of the GUI test programs: an offscreen application with a pinned locale, so that no
// test depends on the machine's display or regional settings.
#include "platform/accessible/AccessibleFactory.h"
#include "platform/window/Application.h"

#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    Application app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quorlin"));
    InstallPlatformAccessibility();
    return RUN_ALL_TESTS();
}
