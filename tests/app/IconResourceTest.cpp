// The icon renders travel inside the program, so that the window icon never depends on what the desktop
// has installed.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <utility>

#include <gtest/gtest.h>

namespace {
constexpr int IconSizes[] = {16, 24, 32, 48, 128, 256};

QString iconPath(int size)
{
    return QStringLiteral(":/icons/quorlin-%1.png").arg(size);
}
} // namespace

TEST(IconResource, EverySizeIsEmbeddedAsAnImageOfThatSize)
{
    for (const int size : IconSizes) {
        const QImage image(iconPath(size));
        ASSERT_FALSE(image.isNull()) << "missing or unreadable: " << iconPath(size).toStdString();
        EXPECT_EQ(image.size(), QSize(size, size)) << iconPath(size).toStdString();
        EXPECT_TRUE(image.hasAlphaChannel()) << iconPath(size).toStdString();
    }
}

TEST(IconResource, AnIconBuiltFromTheRendersOffersEachSize)
{
    QIcon icon;
    for (const int size : IconSizes)
        icon.addFile(iconPath(size));
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : IconSizes)
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

TEST(IconResource, TwiceTheDensityGetsTheRenderOfTwiceTheSizeNotAScaledUpOne)
{
    QIcon icon;
    for (const int size : IconSizes)
        icon.addFile(iconPath(size), QSize(size, size));
    // A 16 and a 24 pixel icon on a screen of ratio 2 are the 32 and 48 pixel renders as they are.
    for (const auto& [shown, render] : {std::pair{16, 32}, std::pair{24, 48}}) {
        const QImage image =
            icon.pixmap(QSize(shown, shown), 2.0).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(image.size(), QSize(render, render)) << shown;
        EXPECT_EQ(image, QImage(iconPath(render)).convertToFormat(QImage::Format_ARGB32_Premultiplied)) << shown;
    }
}
