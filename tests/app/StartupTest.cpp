#include "app/Startup.h"

#include "about/About.h"
#include "calculator/Main.h"
#include "platform/widgets/Button.h"
#include "platform/window/Application.h"

#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

TEST(Startup, CreatesTheMainWindowFirstShowsItAndEndsWithExitCodeZeroWhenExitIsPressed)
{
    auto* application = qobject_cast<Application*>(QCoreApplication::instance());
    ASSERT_NE(application, nullptr);
    CreateForms(*application);

    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Quorlin"));
    ASSERT_NE(FM_Main, nullptr);
    EXPECT_EQ(application->mainForm(), FM_Main);
    EXPECT_FALSE(FM_Main->isVisible());
    EXPECT_EQ(FM_Main->windowIcon().availableSizes().size(), 6);
    ASSERT_NE(frmAbout, nullptr);
    EXPECT_FALSE(frmAbout->isVisible());

    QPointer<TFM_Main> main = FM_Main;
    QPointer<TfrmAbout> about = frmAbout;
    bool shownWithCounts = false;
    bool aboutShownModally = false;
    QTimer::singleShot(0, application, [&] {
        shownWithCounts =
            main->isVisible() && main->findChild<QLineEdit*>(QStringLiteral("edtRRows"))->text() == QStringLiteral("1");
        QTimer::singleShot(0, application, [&] {
            aboutShownModally = about->isVisible() && about->isModal();
            about->reject();
        });
        main->findChild<Button*>(QStringLiteral("btnAbout"))->click(); // returns when the About box has closed
        EXPECT_FALSE(about->isVisible());
        main->findChild<Button*>(QStringLiteral("btnExit"))->click();
    });
    QStringList destroyed;
    for (QObject* form : {static_cast<QObject*>(FM_Main), static_cast<QObject*>(frmAbout)})
        QObject::connect(form, &QObject::destroyed, [&destroyed, name = form->objectName()] { destroyed << name; });
    EXPECT_EQ(application->run(), 0);
    EXPECT_EQ(destroyed, (QStringList{QStringLiteral("frmAbout"), QStringLiteral("FM_Main")}));
    EXPECT_TRUE(shownWithCounts);
    EXPECT_TRUE(aboutShownModally);
    // The application destroyed the windows it owned.
    EXPECT_TRUE(main.isNull());
    EXPECT_TRUE(about.isNull());
}
