#include "platform/window/MessageBox.h"

#include "platform/Seam.h"
#include "tests/support/MessageBoxRecorder.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

TEST(MessageBoxWindow, TheRealBoxHasATitleAndACloseButtonOnly)
{
    const SeamGuard<MessageBoxService> realBox(nullptr);
    Qt::WindowFlags flags;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = true;
            flags = box->windowFlags();
            box->accept();
        }
    });
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    rescue.start(5000);
    ShowMessageBox({QStringLiteral("Error"), QStringLiteral("Range check error"), MessageIcon::Error, nullptr});
    ASSERT_TRUE(seen);
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
    // Decorations of Qt's own (Wayland) follow the hints only when the flags customise them.
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST(MessageBoxWindow, AStrayBoxInATestFailsItInsteadOfBlocking)
{
    ASSERT_NE(Seam<MessageBoxService>::standIn(), nullptr);
    EXPECT_NONFATAL_FAILURE(ShowMessageBox({QStringLiteral("Lost"), QStringLiteral("Nobody reads this")}),
                            "Lost: Nobody reads this");
    // A recorder of the test's own takes the box while it lives.
    const MessageBoxRecorder recorder;
    ShowMessageBox({QStringLiteral("Found"), QStringLiteral("Recorded")});
    ASSERT_EQ(recorder.boxes().size(), 1u);
    EXPECT_EQ(recorder.boxes().front().text, QStringLiteral("Recorded"));
}

} // namespace
