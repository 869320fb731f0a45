#include "about/About.h"

#include "controls/ZelGradPanel.h"
#include "controls/ZelLinkLabel.h"
#include "platform/window/Form.h"
#include "tests/support/UrlOpenRecorder.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

constexpr QRgb ShadowColor = qRgb(128, 128, 129);
constexpr QRgb HighlightColor = qRgb(255, 255, 254);

template <typename T = QWidget>
T* part(const TfrmAbout& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Runs `whileShown` inside the dialog's modal loop, then lets it close. A second timer ends the loop
// should the first fail to close the dialog, so that a fault fails the test instead of hanging it.
void showModalAndThen(TfrmAbout& dialog, QWidget* over, const std::function<void()>& whileShown)
{
    bool ran = false;
    QTimer::singleShot(0, &dialog, [&] {
        ran = true;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_TRUE(dialog.isModal());
        whileShown();
    });
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, &dialog, [&] {
        ADD_FAILURE() << "the dialog did not close";
        dialog.done(-1);
    });
    rescue.start(10000);
    dialog.ShowModal(over);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace

TEST(VersionText, JoinsMajorMinorAndReleaseLeavingOutTheBuild)
{
    struct Case
    {
        FileVersion version;
        const char* text;
    };
    const std::vector<Case> cases = {
        {{1, 5, 0, 0}, "1.5.0"},
        {{2, 10, 3, 7}, "2.10.3"},
        {{0, 0, 0, 0}, "0.0.0"},
        {{65535, 65535, 65535, 65535}, "65535.65535.65535"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VersionText(c.version), QLatin1String(c.text));
}

TEST(About, ShowsTheBuildsVersion)
{
    TfrmAbout dialog;
    QLabel* version = part<QLabel>(dialog, "lblVersion");
    EXPECT_EQ(version->text(), QStringLiteral("Version 1.5.0"));
    EXPECT_EQ(version->size(), version->sizeHint());
}

TEST(About, IsAFixedDialogWithACloseBoxOnly)
{
    TfrmAbout dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(dialog.size(), QSize(364, 197));
    EXPECT_EQ(dialog.minimumSize(), QSize(364, 197));
    EXPECT_EQ(dialog.maximumSize(), QSize(364, 197));
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dialog.font().family(), QStringLiteral("System"));
    EXPECT_EQ(dialog.font().pixelSize(), 13);
}

TEST(About, ComponentsSitWhereTheFormPutsThem)
{
    TfrmAbout dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    struct Fixed
    {
        const char* name;
        QRect geometry;
    };
    for (const Fixed& c : std::vector<Fixed>{{"pnlBase", {0, 0, 364, 197}},
                                             {"imgLogo", {10, 10, 100, 128}},
                                             {"bvlLine", {10, 150, 344, 3}},
                                             {"btnOk", {137, 163, 90, 25}}})
        EXPECT_EQ(part(dialog, c.name)->geometry(), c.geometry) << c.name;

    struct Label
    {
        const char* name;
        QPoint topLeft;
        const char* text;
        const char* face;
        int pixels;
        QColor color;
    };
    const std::vector<Label> labels = {
        {"lblProgName", {125, 10}, "Quorlin", "Times New Roman", 35, Qt::black},
        {"lblDesc", {125, 55}, "Finite Mathematics Matrix Calculator", "MS Sans Serif", 13, Qt::black},
        {"lblVersion", {125, 70}, "Version 1.5.0", "MS Sans Serif", 13, Qt::black},
        {"lblWebsite", {125, 95}, "Zelmoor Software", "MS Sans Serif", 13, QColor(0, 0, 255)},
    };
    for (const Label& c : labels) {
        QLabel* label = part<QLabel>(dialog, c.name);
        EXPECT_EQ(label->pos(), c.topLeft) << c.name;
        EXPECT_EQ(label->size(), label->sizeHint()) << c.name;
        EXPECT_EQ(label->text(), QLatin1String(c.text)) << c.name;
        EXPECT_EQ(label->font().family(), QLatin1String(c.face)) << c.name;
        EXPECT_EQ(label->font().pixelSize(), c.pixels) << c.name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), c.color) << c.name;
        EXPECT_FALSE(label->autoFillBackground()) << c.name;
    }

    QLabel* copyright = part<QLabel>(dialog, "lblCopyright");
    EXPECT_EQ(copyright->x() + copyright->width(), 354);
    EXPECT_EQ(copyright->y(), 125);
    EXPECT_EQ(copyright->size(), copyright->sizeHint());
    EXPECT_EQ(copyright->font().pixelSize(), 11);
    EXPECT_EQ(copyright->palette().color(QPalette::WindowText), QColor(128, 128, 128));
}

TEST(About, PanelIsTheWhiteToLavenderGradientWithoutFrames)
{
    TfrmAbout dialog;
    auto* panel = part<TZelGradPanel>(dialog, "pnlBase");
    EXPECT_EQ(panel->BeginColor(), clWhite);
    EXPECT_EQ(panel->EndColor(), RgbColor(232, 232, 255));
    EXPECT_EQ(panel->EndColor(), 16771304);
    EXPECT_EQ(panel->BevelOuter(), bvNone);
    EXPECT_EQ(panel->BevelInner(), bvNone);
    EXPECT_EQ(panel->BorderWidth(), 0);
    EXPECT_TRUE(panel->Caption().isEmpty());
}

TEST(About, WebsiteLinkOpensTheMakersSiteAndTheDialogStaysOpen)
{
    const UrlOpenRecorder opener;
    TfrmAbout dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* link = part<TZelLinkLabel>(dialog, "lblWebsite");
    EXPECT_EQ(link->FontActive().color, clRed);
    EXPECT_TRUE(link->FontActive().font.underline());
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    ASSERT_EQ(opener.urls().size(), 1u);
    EXPECT_EQ(opener.urls().front(), QStringLiteral("http://www.zelmoor.example/"));
    EXPECT_TRUE(dialog.isVisible());
}

TEST(About, CopyrightKeepsItsRightEdgeForANoticeOfAnyLength)
{
    TfrmAbout dialog;
    QLabel* copyright = part<QLabel>(dialog, "lblCopyright");
    for (const QString& notice :
         {QStringLiteral("(c)"), QStringLiteral("Copyright 2009 Zelmoor & Partners, all rights reserved"), QString()}) {
        copyright->setText(notice);
        FitLabelToText(*copyright);
        EXPECT_EQ(copyright->x() + copyright->width(), 354) << notice.toStdString();
        EXPECT_EQ(copyright->width(), copyright->sizeHint().width()) << notice.toStdString();
    }
}

TEST(About, AmpersandsInTheCopyrightAreShownAsTheyAre)
{
    TfrmAbout dialog;
    QLabel* copyright = part<QLabel>(dialog, "lblCopyright");
    copyright->setText(QStringLiteral("A&&B"));
    const int doubled = copyright->sizeHint().width();
    copyright->setText(QStringLiteral("A&B"));
    EXPECT_GT(doubled, copyright->sizeHint().width()); // both ampersands take room
}

TEST(About, OkAndTheLinkAreTheOnlyControlsThatTakeTheFocus)
{
    TfrmAbout dialog;
    auto* ok = part<QPushButton>(dialog, "btnOk");
    auto* link = part<QWidget>(dialog, "lblWebsite");
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        if (child != ok && child != link) {
            EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << child->objectName().toStdString();
        }
    }
    EXPECT_NE(ok->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(link->focusPolicy(), Qt::TabFocus); // Tab only: a click opens the site, it does not focus
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->text(), QStringLiteral("&Ok"));

    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_TRUE(ok->hasFocus());
}

TEST(About, EnterEscAndTheCloseBoxCloseTheDialogWithoutDestroyingIt)
{
    struct Case
    {
        const char* how;
        std::function<void(TfrmAbout&)> close;
        int result;
    };
    const std::vector<Case> cases = {
        {"Enter", [](TfrmAbout& d) { QTest::keyClick(&d, Qt::Key_Return); }, QDialog::Accepted},
        {"keypad Enter", [](TfrmAbout& d) { QTest::keyClick(&d, Qt::Key_Enter, Qt::KeypadModifier); },
         QDialog::Accepted},
        {"Esc", [](TfrmAbout& d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Accepted},
        {"close box", [](TfrmAbout& d) { d.close(); }, QDialog::Rejected},
        {"Ok",
         [](TfrmAbout& d) { QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("btnOk")), Qt::LeftButton); },
         QDialog::Accepted},
    };
    QWidget over;
    over.setGeometry(100, 100, 600, 400);
    auto dialog = std::make_unique<TfrmAbout>();
    const QPointer<TfrmAbout> alive(dialog.get());
    for (const Case& c : cases) {
        showModalAndThen(*dialog, &over, [&] {
            dialog->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
            c.close(*dialog);
        });
        EXPECT_EQ(dialog->result(), c.result) << c.how;
        EXPECT_FALSE(alive.isNull()) << c.how;
    }
}

TEST(About, FirstShowingCentresOnTheMainWindowAndLaterOnesKeepWhereItWasLeft)
{
    QWidget over;
    over.setGeometry(120, 90, 725, 401);
    over.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&over));
    const QPoint desktop = over.screen()->virtualGeometry().topLeft();

    TfrmAbout dialog;
    QPoint first;
    showModalAndThen(dialog, &over, [&] {
        first = dialog.frameGeometry().topLeft();
        EXPECT_EQ(first, CentredPosition(dialog.frameGeometry().size(), over.frameGeometry(), desktop));
        dialog.move(first + QPoint(37, -21));
        dialog.accept();
    });
    over.move(300, 200); // the main window moving afterwards does not matter any more
    QPoint second;
    showModalAndThen(dialog, &over, [&] {
        second = dialog.frameGeometry().topLeft();
        dialog.accept();
    });
    EXPECT_EQ(second, first + QPoint(37, -21));
}

TEST(About, CentringNeverGoesAboveOrLeftOfTheDesktop)
{
    QWidget over;
    over.setGeometry(0, 0, 100, 60);
    const QPoint desktop = QGuiApplication::primaryScreen()->virtualGeometry().topLeft();
    TfrmAbout dialog;
    showModalAndThen(dialog, &over, [&] {
        EXPECT_EQ(dialog.frameGeometry().topLeft(), desktop);
        dialog.accept();
    });
}

TEST(About, RendersTheGradientThroughTheLogoAndTheEtchedLine)
{
    const QPalette saved = QApplication::palette();
    QPalette colors = saved;
    colors.setColor(QPalette::Light, QColor(HighlightColor));
    colors.setColor(QPalette::Dark, QColor(ShadowColor));
    QApplication::setPalette(colors);
    {
        TfrmAbout dialog;
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        const QImage image = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const TZelGradPanel::ColorTable table = GradientColorTable(qRgb(255, 255, 255), qRgb(232, 232, 255));
        // Column 105 lies in band 73 of 364; the logo's white ground there shows the gradient.
        EXPECT_EQ(QColor(image.pixel(105, 12)), QColor(table[73]));
        EXPECT_NE(QColor(table[73]), QColor(Qt::white));
        EXPECT_EQ(QColor(image.pixel(10 + 8, 10 + 60)), QColor(Qt::black)); // the left bracket
        // The etched line: shadow over highlight from x = 10 to 353, gradient either side.
        for (const int x : {10, 200, 353}) {
            EXPECT_EQ(QColor(image.pixel(x, 151)), QColor(ShadowColor)) << x;
            EXPECT_EQ(QColor(image.pixel(x, 152)), QColor(HighlightColor)) << x;
            EXPECT_NE(QColor(image.pixel(x, 150)), QColor(ShadowColor)) << x;
        }
        EXPECT_NE(QColor(image.pixel(9, 151)), QColor(ShadowColor));
        EXPECT_NE(QColor(image.pixel(354, 151)), QColor(ShadowColor));
        // The last column is the end colour.
        EXPECT_EQ(QColor(image.pixel(363, 0)), QColor(table[254]));
    }
    QApplication::setPalette(saved);
}
