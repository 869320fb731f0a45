#include "platform/desktop/NumberSettings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class LocaleChangeCounter : public QWidget
{
public:
    int changes = 0;

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LocaleChange)
            ++changes;
        QWidget::changeEvent(event);
    }
};

class NumberSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override { m_saved = CurrentNumberSeparators(); }
    void TearDown() override { SetNumberSeparators(m_saved); }

    static void expectSeparators(const NumberSeparators& actual, char32_t decimal, char32_t thousands)
    {
        EXPECT_EQ(static_cast<unsigned>(actual.decimal), static_cast<unsigned>(decimal));
        EXPECT_EQ(static_cast<unsigned>(actual.thousands), static_cast<unsigned>(thousands));
    }

private:
    NumberSeparators m_saved;
};

TEST_F(NumberSettingsTest, OneCharacterSettingsAreTakenAndOthersFallBack)
{
    expectSeparators(NumberSeparatorsOf(QStringLiteral(","), QStringLiteral(".")), U',', U'.');
    expectSeparators(NumberSeparatorsOf(QStringLiteral("."), QString()), U'.', 0);
    expectSeparators(NumberSeparatorsOf(QString(), QStringLiteral("'")), U'.', U'\'');
    expectSeparators(NumberSeparatorsOf(QStringLiteral("::"), QStringLiteral("ab")), U'.', U',');
    expectSeparators(NumberSeparatorsOf(QString(QChar(0)), QStringLiteral(" ")), U'.', U' ');
    // One character outside the basic plane is two UTF-16 units but one code point.
    expectSeparators(NumberSeparatorsOf(QString::fromUcs4(U"\U0001D7D8"), QString::fromUcs4(U"\u202F")), U'\U0001D7D8',
                     U'\u202F');
}

TEST_F(NumberSettingsTest, LocalesGiveTheirOwnSeparators)
{
    expectSeparators(NumberSeparatorsOf(QLocale(QLocale::German, QLocale::Germany)), U',', U'.');
    expectSeparators(NumberSeparatorsOf(QLocale(QLocale::English, QLocale::UnitedStates)), U'.', U',');
    const QLocale french(QLocale::French, QLocale::France);
    const NumberSeparators separators = NumberSeparatorsOf(french);
    EXPECT_EQ(static_cast<unsigned>(separators.decimal), static_cast<unsigned>(U','));
    EXPECT_EQ(QString::fromUcs4(&separators.thousands, 1), french.groupSeparator());
}

TEST_F(NumberSettingsTest, LoadingReadsTheSystemLocale)
{
    SetNumberSeparators({U'x', U'y'});
    LoadNumberSettings();
    const NumberSeparators expected = NumberSeparatorsOf(QLocale::system());
    expectSeparators(CurrentNumberSeparators(), expected.decimal, expected.thousands);
}

TEST_F(NumberSettingsTest, ALocaleChangeOfTheApplicationReloadsTheSeparatorsAndStillReachesTheWindows)
{
    const NumberSeparators expected = NumberSeparatorsOf(QLocale::system());
    LocaleChangeCounter window;
    window.show();

    SetNumberSeparators({U'x', U'y'});
    QEvent changeForOther(QEvent::LocaleChange);
    QCoreApplication::sendEvent(&window, &changeForOther);
    expectSeparators(CurrentNumberSeparators(), U'x', U'y');

    window.changes = 0;
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    expectSeparators(CurrentNumberSeparators(), expected.decimal, expected.thousands);
    EXPECT_EQ(window.changes, 1);
}

} // namespace
