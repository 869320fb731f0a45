#include "controls/accessible/ZelLinkLabelAccessible.h"

#include "controls/ZelLinkLabel.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/UrlOpenRecorder.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

class LinkLabelAccessibleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InstallControlsAccessibility();
        label = new TZelLinkLabel(&window);
        label->setText(QStringLiteral("Zelmoor Software"));
        QObject::connect(label, &TZelLinkLabel::clickedUrl, [this] { ++clicks; });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void press()
    {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(iface, nullptr);
        ASSERT_NE(iface->actionInterface(), nullptr);
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }

    const UrlOpenRecorder opener;
    const std::vector<QString>& opened = opener.urls();
    QWidget window;
    TZelLinkLabel* label = nullptr;
    int clicks = 0;
};

TEST_F(LinkLabelAccessibleTest, IsALinkNamedByItsCaptionWithThePressAction)
{
    label->setURL(QStringLiteral("http://www.zelmoor.example/"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Link);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Zelmoor Software"));
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("http://www.zelmoor.example/"));
    ASSERT_NE(iface->actionInterface(), nullptr);
    EXPECT_TRUE(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

TEST_F(LinkLabelAccessibleTest, PressOpensTheAddressAsStoredThroughTheShellSeamAsAClickDoes)
{
    label->setURL(QStringLiteral(" http://x.example/ "));
    press();
    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(opened,
              (std::vector<QString>{QStringLiteral(" http://x.example/ "), QStringLiteral(" http://x.example/ ")}));
    EXPECT_EQ(clicks, 2);
}

TEST_F(LinkLabelAccessibleTest, PressOnABlankAddressOpensNothingButStillClicks)
{
    label->setURL(QStringLiteral(" \t "));
    press();
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(clicks, 1);
}

} // namespace
