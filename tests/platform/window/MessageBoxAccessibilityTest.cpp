#include "platform/Seam.h"
#include "platform/window/ErrorReport.h"
#include "platform/window/MessageBox.h"
#include "tests/support/QtPrinters.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct SeenBox
{
    bool seen = false;
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QStringList texts;
};

void collectTexts(QAccessibleInterface* iface, QStringList& texts)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        texts << child->text(QAccessible::Name);
        collectTexts(child, texts);
    }
}

// Shows the real box (no stand-in) and reads it as a screen reader would before closing it.
SeenBox showAndRead(const std::function<void()>& show)
{
    const SeamGuard<MessageBoxService> realBox(nullptr);
    SeenBox seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
        seen.seen = true;
        seen.role = iface->role();
        seen.name = iface->text(QAccessible::Name);
        collectTexts(iface, seen.texts);
        box->accept();
    });
    // Should the box not be found, a second timer closes whatever is modal so that the test fails, not hangs.
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    rescue.start(5000);
    show();
    return seen;
}

TEST(MessageBoxAccessibility, TheErrorReportIsAnAlertCarryingItsText)
{
    const SeenBox seen = showAndRead([] { ShowErrorReport(QStringLiteral("Floating point overflow")); });
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.role, QAccessible::AlertMessage);
    EXPECT_TRUE(seen.texts.contains(QStringLiteral("Floating point overflow."))) << seen.texts.join(u'|').toStdString();
}

TEST(MessageBoxAccessibility, AMessageBoxIsAnAlertNamedByItsCaption)
{
    const SeenBox seen = showAndRead([] {
        ShowMessageBox({QStringLiteral("Quorlin"), QStringLiteral("All Matrix A and Matrix B values must be Numeric!"),
                        MessageIcon::Error, nullptr});
    });
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.role, QAccessible::AlertMessage);
    EXPECT_EQ(seen.name, QStringLiteral("Quorlin"));
    EXPECT_TRUE(seen.texts.contains(QStringLiteral("All Matrix A and Matrix B values must be Numeric!")));
}

} // namespace
