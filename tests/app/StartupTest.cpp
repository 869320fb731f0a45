#include "app/Startup.h"

#include "calculator/Main.h"
#include "platform/Application.h"
#include "platform/Button.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

TEST(Startup, CreatesTheMainWindowFirstShowsItAndEndsWithExitCodeZeroWhenExitIsPressed)
{
    auto* application = qobject_cast<Application*>(QCoreApplication::instance());
    ASSERT_NE(application, nullptr);
    CreateForms(*application);

    EXPECT_EQ(Application::title(), QStringLiteral("Quorlin"));
    ASSERT_NE(FM_Main, nullptr);
    EXPECT_EQ(application->mainForm(), FM_Main);
    EXPECT_FALSE(FM_Main->isVisible());

    QPointer<TFM_Main> main = FM_Main;
    bool shownWithCounts = false;
    QTimer::singleShot(0, application, [&] {
        shownWithCounts = main->isVisible() && main->edtRRows->text() == QStringLiteral("1");
        main->btnExit->click();
    });
    EXPECT_EQ(application->run(), 0);
    EXPECT_TRUE(shownWithCounts);
    // The application destroyed the windows it owned.
    EXPECT_TRUE(main.isNull());
}
