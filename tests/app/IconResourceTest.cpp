// The icon renders travel inside the program, so that the window icon never depends on what the desktop
// has installed.
#include <QIcon>
#include <QImage>
#include <QString>

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
