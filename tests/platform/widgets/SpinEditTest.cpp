#include "platform/widgets/SpinEdit.h"

#include "platform/Seam.h"
#include "platform/desktop/Beep.h"
#include "platform/widgets/SpinButtons.h"
#include "tests/support/FakeClipboard.h"
#include "tests/support/MessageBoxRecorder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <vector>

namespace {

constexpr qint64 Start = 5;

// Counts the refused keys' beeps instead of sounding them.
class BeepCounter : public BeepService
{
public:
    void beep() override { ++count; }
    int count = 0;

private:
    SeamGuard<BeepService> m_guard{this};
};

// A window like the calculator's: a text editor before and after the spin editor in the tab order,
// the range opened to 1..20 after the value was set, as the window does when it is first shown.
class SpinEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto* layout = new QHBoxLayout(&m_window);
        m_before = new QLineEdit(&m_window);
        m_spin = new SpinEdit(&m_window);
        m_after = new QLineEdit(&m_window);
        layout->addWidget(m_before);
        layout->addWidget(m_spin);
        layout->addWidget(m_after);
        m_spin->setMinValue(1);
        m_spin->setMaxValue(1);
        m_spin->setValue(Start);
        m_spin->setMaxValue(20);
        QObject::connect(m_spin, &SpinEdit::propertiesChanged, m_spin, [this] {
            m_seen.push_back({m_spin->text(), m_spin->value()});
            if (m_throwBeyond32Bits && m_spin->value() > std::numeric_limits<qint32>::max())
                throw std::range_error("Range check error");
        });
        m_window.show();
        m_window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }

    // Tabs into the editor from the control before it, which selects the whole text.
    void enterSpin(qint64 value = Start)
    {
        m_spin->setValue(value);
        m_before->setFocus();
        QTest::keyClick(m_before, Qt::Key_Tab);
        ASSERT_TRUE(m_spin->lineEdit()->hasFocus());
        m_seen.clear();
        m_beeps.count = 0;
    }

    QLineEdit* edit() const { return m_spin->lineEdit(); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    }
    // Replaces the whole text by typing, as a user would; an empty text by deleting the selection.
    void typeOver(const QString& text)
    {
        edit()->selectAll();
        if (text.isEmpty())
            key(Qt::Key_Backspace);
        else
            QTest::keyClicks(edit(), text);
    }
    std::size_t notifications() const { return m_seen.size(); }
    // Every notification must find the action finished: the handler saw the text and value now shown.
    void expectShown(const QString& text, qint64 value)
    {
        EXPECT_EQ(m_spin->text(), text);
        EXPECT_EQ(m_spin->value(), value);
        if (!m_seen.empty()) {
            EXPECT_EQ(m_seen.back().text, text);
            EXPECT_EQ(m_seen.back().value, value);
        }
    }

    struct Seen
    {
        QString text;
        qint64 value;
    };

    QWidget m_window;
    QLineEdit* m_before = nullptr;
    SpinEdit* m_spin = nullptr;
    QLineEdit* m_after = nullptr;
    std::vector<Seen> m_seen;
    bool m_throwBeyond32Bits = false;
    BeepCounter m_beeps;
};

struct SpinKeyCase
{
    qint64 start;
    Qt::Key key;
    const char16_t* text;
    std::size_t notifications;
};

class SpinEditSpinKeys : public SpinEditTest, public ::testing::WithParamInterface<SpinKeyCase>
{
};

TEST_P(SpinEditSpinKeys, StepAndClampWithoutWrapping)
{
    const SpinKeyCase& c = GetParam();
    enterSpin(c.start);
    key(c.key);
    const QString text = QString::fromUtf16(c.text);
    expectShown(text, text.toLongLong());
    EXPECT_EQ(notifications(), c.notifications);
}

INSTANTIATE_TEST_SUITE_P(Table, SpinEditSpinKeys,
                         ::testing::Values(SpinKeyCase{20, Qt::Key_Up, u"20", 0}, SpinKeyCase{1, Qt::Key_Up, u"2", 1},
                                           SpinKeyCase{1, Qt::Key_Down, u"1", 0}, SpinKeyCase{2, Qt::Key_Down, u"1", 1},
                                           SpinKeyCase{15, Qt::Key_PageUp, u"20", 1},
                                           SpinKeyCase{5, Qt::Key_PageUp, u"15", 1},
                                           SpinKeyCase{5, Qt::Key_PageDown, u"1", 1},
                                           SpinKeyCase{20, Qt::Key_PageDown, u"10", 1},
                                           SpinKeyCase{1, Qt::Key_PageDown, u"1", 0}));

struct TypedStepCase
{
    const char16_t* typed;
    Qt::Key key;
    const char16_t* text; // after the step
    qint64 value;
    std::size_t notifications; // from the step alone
};

class SpinEditStepsFromTypedText : public SpinEditTest, public ::testing::WithParamInterface<TypedStepCase>
{
};

TEST_P(SpinEditStepsFromTypedText, StartFromTheValueRead)
{
    const TypedStepCase& c = GetParam();
    enterSpin();
    typeOver(QString::fromUtf16(c.typed));
    m_seen.clear();
    key(c.key);
    expectShown(QString::fromUtf16(c.text), c.value);
    EXPECT_EQ(notifications(), c.notifications);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpinEditStepsFromTypedText,
    ::testing::Values(TypedStepCase{u"25", Qt::Key_Up, u"25", 25, 0}, TypedStepCase{u"25", Qt::Key_Down, u"20", 20, 1},
                      TypedStepCase{u"25", Qt::Key_PageDown, u"20", 20, 1},
                      TypedStepCase{u"0", Qt::Key_Down, u"0", 0, 0}, TypedStepCase{u"0", Qt::Key_Up, u"1", 1, 1},
                      TypedStepCase{u"-7", Qt::Key_PageUp, u"1", 1, 1},
                      TypedStepCase{u"12", Qt::Key_PageUp, u"20", 20, 1},
                      // Not integers: the step starts from the accepted value.
                      TypedStepCase{u"-", Qt::Key_Up, u"6", 6, 1}, TypedStepCase{u"1e2", Qt::Key_Down, u"4", 4, 1},
                      // Empty reads as the minimum.
                      TypedStepCase{u"", Qt::Key_Up, u"2", 2, 1}, TypedStepCase{u"", Qt::Key_Down, u"", 1, 0}));

struct ValueReadCase
{
    const char16_t* typed;
    qint64 value;
};

class SpinEditValueRead : public SpinEditTest, public ::testing::WithParamInterface<ValueReadCase>
{
};

TEST_P(SpinEditValueRead, FollowsTheTypedSixtyFourBitInteger)
{
    const ValueReadCase& c = GetParam();
    enterSpin();
    typeOver(QString::fromUtf16(c.typed));
    EXPECT_EQ(m_spin->value(), c.value);
    ASSERT_FALSE(m_seen.empty());
    EXPECT_EQ(m_seen.back().value, c.value);
}

INSTANTIATE_TEST_SUITE_P(Table, SpinEditValueRead,
                         ::testing::Values(ValueReadCase{u"25", 25}, ValueReadCase{u"0", 0}, ValueReadCase{u"-3", -3},
                                           ValueReadCase{u"+7", 7}, ValueReadCase{u"007", 7}, ValueReadCase{u"", 1},
                                           ValueReadCase{u"2147483648", 2147483648},
                                           ValueReadCase{u"9223372036854775807", std::numeric_limits<qint64>::max()},
                                           ValueReadCase{u"-9223372036854775808", std::numeric_limits<qint64>::min()},
                                           // Anything else reads as the accepted value.
                                           ValueReadCase{u"9223372036854775808", Start}, ValueReadCase{u"-", Start},
                                           ValueReadCase{u"+", Start}, ValueReadCase{u"1e2", Start},
                                           ValueReadCase{u"5-", Start}));

TEST_F(SpinEditTest, ValueReadIsTheAcceptedOneWithoutFocusOrUntilTheUserTypes)
{
    m_spin->setValue(9);
    EXPECT_EQ(m_spin->value(), 9);
    enterSpin(9);
    EXPECT_EQ(m_spin->value(), 9);
    typeOver(QStringLiteral("14"));
    key(Qt::Key_Up);
    key(Qt::Key_Backspace); // "1": typed again
    EXPECT_EQ(m_spin->value(), 1);
}

struct LeaveCase
{
    const char16_t* typed;
    const char16_t* text;      // after Tab
    std::size_t notifications; // from the leaving alone
};

class SpinEditLeaving : public SpinEditTest, public ::testing::WithParamInterface<LeaveCase>
{
};

TEST_P(SpinEditLeaving, ClampsAndRewritesAnIntegerInPlainDecimal)
{
    const LeaveCase& c = GetParam();
    enterSpin();
    typeOver(QString::fromUtf16(c.typed));
    m_seen.clear();
    key(Qt::Key_Tab);
    EXPECT_TRUE(m_after->hasFocus());
    const QString text = QString::fromUtf16(c.text);
    expectShown(text, text.toLongLong());
    EXPECT_EQ(notifications(), c.notifications);
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_after->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(Table, SpinEditLeaving,
                         ::testing::Values(LeaveCase{u"25", u"20", 1}, LeaveCase{u"0", u"1", 1},
                                           LeaveCase{u"007", u"7", 1}, LeaveCase{u"+5", u"5", 1},
                                           LeaveCase{u"", u"1", 1}, LeaveCase{u"12", u"12", 0},
                                           LeaveCase{u"-40", u"1", 1}, LeaveCase{u"2147483648", u"20", 1},
                                           LeaveCase{u"99999999999999999999", u"20", 1},
                                           LeaveCase{u"-99999999999999999999", u"1", 1}));

class SpinEditInvalidText : public SpinEditTest, public ::testing::WithParamInterface<const char16_t*>
{
};

TEST_P(SpinEditInvalidText, HoldsTheFocusSilentlyUntilEscapeRestores)
{
    MessageBoxRecorder boxes;
    enterSpin();
    const QString typed = QString::fromUtf16(GetParam());
    typeOver(typed);
    m_seen.clear();
    key(Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit()->hasFocus(); }, 2000));
    EXPECT_EQ(m_spin->text(), typed);
    EXPECT_EQ(m_spin->value(), Start);
    EXPECT_EQ(notifications(), 0u);
    EXPECT_EQ(m_beeps.count, 0);
    EXPECT_TRUE(boxes.boxes().empty());

    key(Qt::Key_Escape);
    expectShown(QStringLiteral("5"), Start);
    EXPECT_EQ(notifications(), 1u);
    key(Qt::Key_Tab);
    EXPECT_TRUE(m_after->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(Table, SpinEditInvalidText, ::testing::Values(u"-", u"+", u"e", u"1e2", u"E5", u"--1", u"5-"));

struct TypingCase
{
    QChar character;
    bool accepted;
};

class SpinEditTyping : public SpinEditTest, public ::testing::WithParamInterface<TypingCase>
{
};

TEST_P(SpinEditTyping, RefusesEveryCharacterANumberCannotHoldWithABeep)
{
    const TypingCase& c = GetParam();
    enterSpin();
    edit()->end(false);
    QTest::keyClicks(edit(), QString(c.character));
    if (c.accepted) {
        EXPECT_EQ(m_spin->text(), QStringLiteral("5") + c.character);
        EXPECT_EQ(notifications(), 1u);
        EXPECT_EQ(m_beeps.count, 0);
    } else {
        EXPECT_EQ(m_spin->text(), QStringLiteral("5"));
        EXPECT_EQ(notifications(), 0u);
        EXPECT_EQ(m_beeps.count, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SpinEditTyping,
                         ::testing::Values(TypingCase{u'0', true}, TypingCase{u'9', true}, TypingCase{u'+', true},
                                           TypingCase{u'-', true}, TypingCase{u'e', true}, TypingCase{u'E', true},
                                           TypingCase{u'.', false}, TypingCase{u',', false}, TypingCase{u'a', false},
                                           TypingCase{u' ', false}, TypingCase{u'x', false}, TypingCase{u'/', false}));

TEST_F(SpinEditTest, ControlKeysEditWithoutABeepAndNotifyOncePerChange)
{
    enterSpin(12);
    key(Qt::Key_End);
    key(Qt::Key_Left);
    key(Qt::Key_Backspace); // "2"
    key(Qt::Key_Delete);    // ""
    key(Qt::Key_Delete);    // nothing left to delete
    expectShown(QString(), 1);
    EXPECT_EQ(notifications(), 2u);
    EXPECT_EQ(m_beeps.count, 0);
}

// A paste is taken as typing takes it, the blanks around it dropped; a character typing refuses refuses
// the whole paste with a beep, so no text that cannot be left comes in. Either way one notification at most.
TEST_F(SpinEditTest, APasteIsTakenAsTypedWithoutTheBlanksAroundItOrRefusedWithABeep)
{
    FakeClipboard clipboard;
    struct Case
    {
        const char* pasted;
        const char16_t* shown; // the whole text was selected and held "5"
        qint64 value;
    };
    const Case cases[] = {
        {" 7 ", u"7", 7},
        {"\t12\xC2\xA0\r\n", u"12", 12},
        {"2147483648", u"2147483648", 2147483648},
        {"-3", u"-3", -3},
        {"20\t5", u"5", Start},
        {"\xD9\xA1\xD9\xA2", u"5", Start}, // Arabic-Indic one, two
        {"0x10", u"5", Start},
        {"3.5 kg", u"5", Start},
    };
    for (const Case& c : cases) {
        enterSpin();
        clipboard.content.text = c.pasted;
        key(Qt::Key_V, Qt::ControlModifier);
        const bool taken = c.value != Start;
        expectShown(QString::fromUtf16(c.shown), c.value);
        EXPECT_EQ(notifications(), taken ? 1u : 0u) << c.pasted;
        EXPECT_EQ(m_beeps.count, taken ? 0 : 1) << c.pasted;
    }

    edit()->selectAll();
    key(Qt::Key_X, Qt::ControlModifier);
    expectShown(QString(), 1);
    EXPECT_EQ(notifications(), 1u);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("5"));
}

// Every way in reads the clipboard through the door, never Qt's clipboard beside it ("99" here): an owner
// that never answers pastes nothing and leaves the menu's Paste disabled.
TEST_F(SpinEditTest, EveryPasteAsksTheClipboardDoorAndANeverAnsweringOwnerPastesNothing)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));
    FakeClipboard clipboard;
    clipboard.silent = true;
    enterSpin(1);
    key(Qt::Key_End);
    key(Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(edit(), Qt::MiddleButton, Qt::NoModifier, QPoint(edit()->width() - 2, 4));
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(2, 2), edit()->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(edit(), &request);
    QCoreApplication::processEvents(); // the clipboard's answer
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->actions().at(5)->text().startsWith(QStringLiteral("&Paste")));
    EXPECT_FALSE(menu->actions().at(5)->isEnabled());
    menu->close();
    EXPECT_EQ(m_spin->text(), QStringLiteral("1"));
    EXPECT_EQ(clipboard.reads, 3);
}

TEST_F(SpinEditTest, EscapeRestoresTheValueFromWhenTheFocusArrived)
{
    enterSpin();
    key(Qt::Key_Escape); // nothing changed yet
    EXPECT_EQ(notifications(), 0u);

    key(Qt::Key_Up);
    key(Qt::Key_Up);
    typeOver(QStringLiteral("17"));
    key(Qt::Key_Escape);
    expectShown(QStringLiteral("5"), Start);
    EXPECT_EQ(notifications(), 5u); // two steps, two keystrokes, the restore

    // Leaving accepts the new value, and it is the one the next visit restores.
    typeOver(QStringLiteral("9"));
    key(Qt::Key_Tab);
    QTest::keyClick(m_after, Qt::Key_Backtab);
    ASSERT_TRUE(edit()->hasFocus());
    typeOver(QStringLiteral("3"));
    key(Qt::Key_Escape);
    expectShown(QStringLiteral("9"), 9);
}

TEST_F(SpinEditTest, ATabOrderSetOnTheWidgetReachesItsEditor)
{
    QWidget::setTabOrder(m_after, m_spin);
    QWidget::setTabOrder(m_spin, m_before);
    m_after->setFocus();
    QTest::keyClick(m_after, Qt::Key_Tab);
    EXPECT_TRUE(edit()->hasFocus());
    EXPECT_EQ(edit()->selectedText(), QStringLiteral("5"));
    key(Qt::Key_Tab);
    EXPECT_TRUE(m_before->hasFocus());
}

TEST_F(SpinEditTest, EnterValidatesNothing)
{
    enterSpin();
    typeOver(QStringLiteral("25"));
    m_seen.clear();
    key(Qt::Key_Return);
    key(Qt::Key_Enter);
    expectShown(QStringLiteral("25"), 25);
    EXPECT_EQ(notifications(), 0u);
    EXPECT_TRUE(edit()->hasFocus());
}

TEST_F(SpinEditTest, SettingTheValueOrTheBoundsNeverNotifies)
{
    m_spin->setValue(3);
    m_spin->setMaxValue(2);
    m_spin->setMinValue(0);
    EXPECT_EQ(m_spin->value(), 3);
    EXPECT_EQ(m_spin->text(), QStringLiteral("3"));
    EXPECT_EQ(notifications(), 0u);
}

TEST_F(SpinEditTest, BoundsAreInForceOnlyWhileTheMaximumExceedsTheMinimum)
{
    m_spin->setMaxValue(1); // equal bounds: none in force
    enterSpin(1);
    key(Qt::Key_PageUp);
    EXPECT_EQ(m_spin->text(), QStringLiteral("11"));
    typeOver(QStringLiteral("-30"));
    key(Qt::Key_Tab);
    EXPECT_EQ(m_spin->text(), QStringLiteral("-30"));
}

TEST_F(SpinEditTest, AHandlerThatThrowsIsReportedAndTheEditorCarriesOn)
{
    MessageBoxRecorder boxes;
    m_throwBeyond32Bits = true;
    enterSpin();
    QGuiApplication::clipboard()->setText(QStringLiteral("2147483648"));
    key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("Range check error."));
    EXPECT_EQ(m_spin->text(), QStringLiteral("2147483648"));

    key(Qt::Key_Tab);
    expectShown(QStringLiteral("20"), 20);
    EXPECT_EQ(boxes.boxes().size(), 1u);
    EXPECT_TRUE(m_after->hasFocus());
}

TEST_F(SpinEditTest, AModalBoxOverTheTypingNeitherValidatesNorTrapsTheFocus)
{
    // The report as a real modal dialog with a focusable control, dismissed once it holds the focus.
    bool boxHadTheFocus = false;
    const MessageBoxRecorder boxes([&](const MessageBoxRequest&) {
        QDialog box(&m_window);
        auto* field = new QLineEdit(&box);
        box.setWindowModality(Qt::ApplicationModal);
        QTimer::singleShot(0, &box, [&] {
            boxHadTheFocus = QTest::qWaitFor([&] { return field->hasFocus(); }, 2000);
            box.accept();
        });
        box.exec();
    });
    m_throwBeyond32Bits = true;
    enterSpin();
    typeOver(QStringLiteral("3000000000"));
    EXPECT_TRUE(boxHadTheFocus);
    m_window.activateWindow(); // a desktop's window manager does this when the box goes
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit()->hasFocus(); }, 2000));
    // One notification per keystroke, none from the box taking and giving back the focus.
    EXPECT_EQ(notifications(), 10u);
    expectShown(QStringLiteral("3000000000"), 3000000000);
    key(Qt::Key_Tab);
    expectShown(QStringLiteral("20"), 20);
}

TEST_F(SpinEditTest, TheWheelStepsOnlyWhileTheEditorHasTheFocus)
{
    auto wheel = [&](int delta) {
        const QPointF at = edit()->rect().center();
        QWheelEvent event(at, edit()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(edit(), &event);
    };
    m_after->setFocus();
    wheel(120);
    EXPECT_EQ(m_spin->text(), QStringLiteral("5"));

    enterSpin();
    wheel(120);
    expectShown(QStringLiteral("6"), 6);
    wheel(60);
    EXPECT_EQ(m_spin->text(), QStringLiteral("6"));
    wheel(-300); // with the half notch before: two notches down
    expectShown(QStringLiteral("4"), 4);
    EXPECT_EQ(notifications(), 3u);
}

TEST_F(SpinEditTest, AHeldButtonStepsAtOnceAfterTheDelayAndThenAtTheInterval)
{
    m_after->setFocus();
    SpinButtons* buttons = m_spin->buttons();
    const QPoint up = buttons->partRect(SpinButtons::Part::Up).center();
    QElapsedTimer clock;
    clock.start();
    QTest::mousePress(buttons, Qt::LeftButton, {}, up);
    EXPECT_TRUE(edit()->hasFocus());
    expectShown(QStringLiteral("6"), 6);
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifications() == 2; }, 5000));
    EXPECT_GE(clock.elapsed(), SpinButtons::RepeatDelay - 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifications() == 4; }, 5000));
    EXPECT_GE(clock.elapsed(), SpinButtons::RepeatDelay + 2 * SpinButtons::RepeatInterval - 1);
    QTest::mouseRelease(buttons, Qt::LeftButton, {}, up);
    EXPECT_FALSE(buttons->isRepeating());
    const std::size_t steps = notifications();
    expectShown(QString::number(Start + qint64(steps)), Start + qint64(steps));

    // At the minimum the down button does nothing, held or not.
    enterSpin(1);
    const QPoint down = buttons->partRect(SpinButtons::Part::Down).center();
    QTest::mousePress(buttons, Qt::LeftButton, {}, down);
    EXPECT_TRUE(buttons->isRepeating());
    QTest::mouseRelease(buttons, Qt::LeftButton, {}, down);
    EXPECT_EQ(m_spin->text(), QStringLiteral("1"));
    EXPECT_EQ(notifications(), 0u);

    // The focus going elsewhere lets go of a held button: nothing steps unattended.
    QTest::mousePress(buttons, Qt::LeftButton, {}, up);
    m_after->setFocus();
    EXPECT_FALSE(buttons->isRepeating());
    EXPECT_EQ(buttons->pressedPart(), SpinButtons::Part::None);
}

TEST_F(SpinEditTest, AnotherWindowTakingTheFocusIsNoLeaving)
{
    enterSpin();
    typeOver(QStringLiteral("25"));
    m_seen.clear();
    QWidget other;
    auto* otherEdit = new QLineEdit(&other);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    otherEdit->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(otherEdit->hasFocus());
    EXPECT_EQ(m_spin->text(), QStringLiteral("25"));
    EXPECT_EQ(m_spin->value(), 25);
    EXPECT_EQ(notifications(), 0u);

    m_window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit()->hasFocus(); }, 2000));
    key(Qt::Key_Escape); // the editing went on: Escape still knows the value from before
    expectShown(QStringLiteral("5"), Start);
}

TEST_F(SpinEditTest, AnInvalidTextNeverPullsTheFocusBackFromAnotherWindow)
{
    enterSpin();
    typeOver(QStringLiteral("-"));
    QWidget other;
    auto* otherEdit = new QLineEdit(&other);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    otherEdit->setFocus();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &other);
    EXPECT_TRUE(otherEdit->hasFocus());
    EXPECT_EQ(m_spin->text(), QStringLiteral("-"));
}

// A number copied out of a spreadsheet comes with a line break; a one-line box takes the line before it,
// whichever way the paste comes.
TEST_F(SpinEditTest, APasteTakesTheClipboardTextUpToItsFirstLineBreak)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    enterSpin();
    for (const QString& copied : {QStringLiteral("7\n"), QStringLiteral("7\r\n"), QStringLiteral("7\r8")}) {
        clipboard->setText(copied);
        edit()->selectAll();
        key(Qt::Key_V, Qt::ControlModifier);
        expectShown(QStringLiteral("7"), 7);
        edit()->selectAll();
        key(Qt::Key_Insert, Qt::ShiftModifier);
        expectShown(QStringLiteral("7"), 7);
    }

    clipboard->setText(QStringLiteral("12\r\n"));
    edit()->selectAll();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(2, 2), edit()->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(edit(), &request);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    const QString pasteKeys = QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    QAction* paste = nullptr;
    for (QAction* action : QApplication::activePopupWidget()->actions())
        if (action->text().endsWith(pasteKeys))
            paste = action;
    ASSERT_NE(paste, nullptr);
    QCoreApplication::processEvents(); // the clipboard's answer, which enables Paste
    paste->trigger();
    QApplication::activePopupWidget()->close();
    expectShown(QStringLiteral("12"), 12);

    if (clipboard->supportsSelection()) {
        clipboard->setText(QStringLiteral("3\n4"), QClipboard::Selection);
        edit()->selectAll();
        QTest::mouseClick(edit(), Qt::MiddleButton, Qt::NoModifier, QPoint(edit()->width() - 2, 4));
        EXPECT_EQ(m_spin->text(), QStringLiteral("123"));
        clipboard->clear(QClipboard::Selection);
    }
    clipboard->clear();
}

} // namespace
