#include "about/About.h"

#include "controls/accessible/ZelLinkLabelAccessible.h"
#include "tests/support/AccessibilityUpdates.h"
#include "tests/support/UrlOpenRecorder.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// Role and name of every interface below `root`, depth first.
void collect(QAccessibleInterface* root, std::multimap<QAccessible::Role, QString>& found)
{
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        found.emplace(child->role(), child->text(QAccessible::Name));
        collect(child, found);
    }
}

TEST(AboutAccessibility, DialogNamedAboutReadsItsLabelsAndPressesTheLinkThroughTheShell)
{
    InstallControlsAccessibility();
    const UrlOpenRecorder opener;
    TfrmAbout dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&dialog);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Dialog);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("About"));
    // Read out with the dialog, where the short labels alone are passed over.
    EXPECT_EQ(iface->text(QAccessible::Description), QStringLiteral("Quorlin, Version 1.5.0"));

    std::multimap<QAccessible::Role, QString> found;
    collect(iface, found);
    const auto has = [&](QAccessible::Role role, const QString& name) {
        const auto [first, last] = found.equal_range(role);
        return std::any_of(first, last, [&](const auto& entry) { return entry.second == name; });
    };
    for (const char* text : {"Quorlin", "Finite Mathematics Matrix Calculator", "Version 1.5.0"})
        EXPECT_TRUE(has(QAccessible::StaticText, QString::fromUtf8(text))) << text;
    EXPECT_TRUE(has(QAccessible::StaticText, QStringLiteral(u"Copyright \u00A9 2009 Zelmoor Software")));
    EXPECT_TRUE(has(QAccessible::Graphic, QStringLiteral("Quorlin logo")));
    EXPECT_TRUE(has(QAccessible::Button, QStringLiteral("Ok")));
    ASSERT_TRUE(has(QAccessible::Link, QStringLiteral("Zelmoor Software")));

    QAccessibleInterface* link =
        QAccessible::queryAccessibleInterface(dialog.findChild<QWidget*>(QStringLiteral("lblWebsite")));
    ASSERT_NE(link, nullptr);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(opener.urls(), std::vector<QString>{QStringLiteral("http://www.zelmoor.example/")});
}

TEST(AboutAccessibility, TheLinkIsATabStopAfterOkEnterOpensItAndEveryShowingStartsAtOk)
{
    const UrlOpenRecorder opener;
    TfrmAbout dialog;
    auto* link = dialog.findChild<QWidget*>(QStringLiteral("lblWebsite"));
    auto* ok = dialog.findChild<QWidget*>(QStringLiteral("btnOk"));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), link);
    QTest::keyClick(link, Qt::Key_Return);
    QTest::keyClick(link, Qt::Key_Space);
    EXPECT_EQ(opener.urls().size(), 2U);
    EXPECT_TRUE(dialog.isVisible()); // Enter on the link is not the dialog's Ok

    // Shown again, the box gives the focus to Ok, not to the link that had it.
    dialog.hide();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.focusWidget(), ok);
}

TEST(AboutAccessibility, TheBoxIsTransientForTheWindowItIsShownOver)
{
    QWidget owner;
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    TfrmAbout dialog;
    QWindow* parentSeen = nullptr;
    QTimer::singleShot(0, &dialog, [&] {
        parentSeen = dialog.windowHandle()->transientParent();
        dialog.accept();
    });
    dialog.ShowModal(&owner);
    EXPECT_EQ(parentSeen, owner.windowHandle());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

} // namespace
