// Shared main of the GUI test programs: an offscreen application with a pinned locale, so that no
// test depends on the machine's display or regional settings.
#include "platform/Seam.h"
#include "platform/accessible/AccessibleFactory.h"
#include "platform/window/Application.h"
#include "platform/window/MessageBox.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

// A modal box that no test expects would wait for a click that never comes: it fails the test that
// showed it instead. A test's own recorder takes the boxes while it lives.
class StrayBoxFailure : public MessageBoxService
{
public:
    void show(const MessageBoxRequest& request) override
    {
        ADD_FAILURE() << "A message box was shown with no recorder installed: " << request.caption.toStdString() << ": "
                      << request.text.toStdString();
    }

private:
    SeamGuard<MessageBoxService> m_guard{this};
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    Application app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quorlin"));
    InstallPlatformAccessibility();
    const StrayBoxFailure strayBoxes;
    return RUN_ALL_TESTS();
}
