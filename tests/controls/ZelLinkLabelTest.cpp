#include "controls/ZelLinkLabel.h"

#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/UrlOpenRecorder.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class CountingLabel : public TZelLinkLabel
{
public:
    using TZelLinkLabel::TZelLinkLabel;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        TZelLinkLabel::paintEvent(event);
    }
};

// A shown label with its shell requests recorded instead of opened.
class LinkLabelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(300, 100);
        label = new CountingLabel(&window);
        label->setText(QStringLiteral("Zelmoor Software"));
        label->move(10, 10);
        label->adjustSize();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void enter()
    {
        QEnterEvent event(QPointF(2, 2), QPointF(12, 12), QPointF(12, 12));
        QApplication::sendEvent(label, &event);
    }
    void leave()
    {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(label, &event);
    }
    void click() { QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3)); }

    QColor shownColor() const { return label->palette().color(QPalette::WindowText); }

    std::vector<QString> opened;
    std::vector<std::string> events;
    const UrlOpenRecorder opener{[this](const QString& url) {
        opened.push_back(url);
        events.push_back("open");
    }};
    QWidget window;
    CountingLabel* label = nullptr;
};

TFont fontOf(const QString& face, int pixels, TColor color)
{
    QFont font(face);
    font.setPixelSize(pixels);
    return {font, color};
}

} // namespace

TEST_F(LinkLabelTest, StartsBlueUnderlinedWithARedActiveFontAHandAndNoAddress)
{
    TZelLinkLabel fresh;
    EXPECT_EQ(fresh.Font().color, clBlue);
    EXPECT_TRUE(fresh.Font().font.underline());
    EXPECT_FALSE(fresh.Font().font.bold());
    EXPECT_EQ(fresh.FontActive().color, clRed);
    EXPECT_TRUE(fresh.FontActive().font.underline());
    EXPECT_EQ(fresh.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(fresh.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(fresh.URL().isEmpty());
    EXPECT_EQ(fresh.focusPolicy(), Qt::NoFocus);
}

TEST_F(LinkLabelTest, ShowsTheActiveFontWhileThePointerIsOver)
{
    const TFont normal = label->Font();
    enter();
    EXPECT_EQ(label->Font(), label->FontActive());
    EXPECT_EQ(shownColor(), QColor(255, 0, 0));
    leave();
    EXPECT_EQ(label->Font(), normal);
    EXPECT_EQ(shownColor(), QColor(0, 0, 255));
}

TEST_F(LinkLabelTest, UnpairedEnterOrLeaveNeverLosesTheNormalFont)
{
    const TFont normal = label->Font();
    leave();
    EXPECT_EQ(label->Font(), normal);
    enter();
    enter();
    leave();
    EXPECT_EQ(label->Font(), normal);
}

TEST_F(LinkLabelTest, RealPointerMovesSwapTheFonts)
{
    QTest::mouseMove(&window, QPoint(200, 80));
    QTest::mouseMove(label, QPoint(3, 3));
    EXPECT_TRUE(QTest::qWaitFor([&] { return label->Font().color == clRed; }));
    QTest::mouseMove(&window, QPoint(200, 80));
    EXPECT_TRUE(QTest::qWaitFor([&] { return label->Font().color == clBlue; }));
}

TEST_F(LinkLabelTest, MouseEnterHandlerRunsBeforeTheFontChanges)
{
    TColor colorDuringHandler = clBlack;
    QObject::connect(label, &TZelLinkLabel::enteredUrl, [&] { colorDuringHandler = label->Font().color; });
    enter();
    EXPECT_EQ(colorDuringHandler, clBlue);
    EXPECT_EQ(label->Font().color, clRed);
}

TEST_F(LinkLabelTest, MouseLeaveSignalComesBeforeTheFontIsRestored)
{
    enter();
    TColor colorDuringSlot = clBlack;
    QObject::connect(label, &TZelLinkLabel::leftUrl, [&] { colorDuringSlot = label->Font().color; });
    leave();
    EXPECT_EQ(colorDuringSlot, clRed);
    EXPECT_EQ(label->Font().color, clBlue);
}

TEST_F(LinkLabelTest, AFontChangeWhileHoveredIsLostOnLeaving)
{
    const TFont normal = label->Font();
    enter();
    label->setFont(fontOf(QStringLiteral("Serif"), 20, RgbColor(0, 128, 0)));
    leave();
    EXPECT_EQ(label->Font(), normal);
}

TEST_F(LinkLabelTest, ANewActiveFontShowsOnlyFromTheNextEntry)
{
    enter();
    const TFont oldActive = label->FontActive();
    const TFont newActive = fontOf(QStringLiteral("Serif"), 17, RgbColor(0, 128, 0));
    label->setFontActive(newActive);
    EXPECT_EQ(label->FontActive(), newActive);
    EXPECT_EQ(label->Font(), oldActive);
    leave();
    enter();
    EXPECT_EQ(label->Font(), newActive);
}

TEST_F(LinkLabelTest, WritingItsOwnActiveFontObjectDoesNotRepaintButAnEqualCopyDoes)
{
    // Another label in the same window witnesses the repaint pass in which the label would paint.
    auto* witness = new CountingLabel(&window);
    witness->setText(QStringLiteral("witness"));
    witness->move(10, 50);
    witness->adjustSize();
    witness->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return witness->paints > 0 && label->paints > 0; }));
    const auto repaintsAfter = [&](auto&& change) {
        label->paints = 0;
        witness->paints = 0;
        change();
        witness->update();
        EXPECT_TRUE(QTest::qWaitFor([&] { return witness->paints > 0; }));
        return label->paints > 0;
    };
    EXPECT_FALSE(repaintsAfter([&] { label->setFontActive(label->FontActive()); }));
    const TFont copy = label->FontActive();
    EXPECT_TRUE(repaintsAfter([&] { label->setFontActive(copy); }));
}

TEST_F(LinkLabelTest, SizeFollowsTheActiveFontAndComesBack)
{
    const QSize normalSize = label->size();
    TFont big = label->FontActive();
    big.font.setPixelSize(label->fontInfo().pixelSize() * 2);
    label->setFontActive(big);
    enter();
    EXPECT_GT(label->width(), normalSize.width());
    EXPECT_GT(label->height(), normalSize.height());
    leave();
    EXPECT_EQ(label->size(), normalSize);
}

TEST_F(LinkLabelTest, ClickHandsTheUntrimmedAddressToTheShellOnlyWhenSomethingIsLeftAfterTrimming)
{
    struct Case
    {
        QString url;
        bool opens;
    };
    const std::vector<Case> cases = {
        {QString(), false},
        {QStringLiteral("   "), false},
        {QStringLiteral("\t\n"), false},
        {QStringLiteral(" \x01\x1F "), false},
        {QStringLiteral(" http://www.zelmoor.example/ "), true},
        {QStringLiteral("http://www.zelmoor.example/"), true},
        {QStringLiteral("\x21"), true},
    };
    for (const Case& c : cases) {
        opened.clear();
        label->setURL(c.url);
        EXPECT_EQ(label->URL(), c.url); // stored as given
        click();
        if (c.opens) {
            ASSERT_EQ(opened.size(), 1u) << c.url.toStdString();
            EXPECT_EQ(opened.front(), c.url);
        } else {
            EXPECT_TRUE(opened.empty()) << c.url.toStdString();
        }
    }
}

TEST_F(LinkLabelTest, ClickHandlerRunsBeforeTheShellAndEvenWithoutAnAddress)
{
    QObject::connect(label, &TZelLinkLabel::clickedUrl, [&] { events.push_back("click"); });
    label->setURL(QStringLiteral("   "));
    click();
    label->setURL(QStringLiteral("http://x.example/"));
    click();
    EXPECT_EQ(events, (std::vector<std::string>{"click", "click", "open"}));
}

TEST_F(LinkLabelTest, OnlyAPrimaryPressAndReleaseOnTheLabelIsAClick)
{
    label->setURL(QStringLiteral("http://x.example/"));
    QTest::mouseClick(label, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, QPoint(-20, 3));
    EXPECT_TRUE(opened.empty());
    click();
    EXPECT_EQ(opened.size(), 1u);
}

TEST_F(LinkLabelTest, AFailingClickHandlerIsReportedAndOpensNothing)
{
    MessageBoxRecorder boxes;
    label->setURL(QStringLiteral("http://x.example/"));
    QObject::connect(label, &TZelLinkLabel::clickedUrl, [] { throw std::runtime_error("Link broken"); });
    click();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes().front().text, QStringLiteral("Link broken."));
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(label->isVisible());
}
