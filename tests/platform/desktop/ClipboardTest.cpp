#include "platform/desktop/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

// On a platform whose clipboard lives in the program, what is placed reads back, as plain text.
TEST(Clipboard, PlacedTextReadsBackWholeAndAnEmptyClipboardHoldsNoText)
{
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(ReadClipboard().has_value());
    const std::string text = "1\t2,5\n\xE2\x80\xA6\r\n";
    PlaceTextOnClipboard(text);
    EXPECT_EQ(ReadClipboard(), (ClipboardContent{text, {}}));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(text));
}
