#include "platform/window/ErrorReport.h"

#include "tests/support/MessageBoxRecorder.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

struct FullStopCase
{
    const char16_t* message;
    const char16_t* shown;
};

class ErrorReportFullStop : public ::testing::TestWithParam<FullStopCase>
{
};

TEST_P(ErrorReportFullStop, AppendsAFullStopOnlyAfterCharactersBeyondIt)
{
    const FullStopCase& c = GetParam();
    EXPECT_EQ(ErrorReportText(QString::fromUtf16(c.message)), QString::fromUtf16(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Table, ErrorReportFullStop,
                         ::testing::Values(FullStopCase{u"Floating point overflow", u"Floating point overflow."},
                                           FullStopCase{u"Error 42", u"Error 42."},
                                           FullStopCase{u"Reason:", u"Reason:."}, FullStopCase{u"Really?", u"Really?."},
                                           FullStopCase{u"Stop.", u"Stop."}, FullStopCase{u"Stop!", u"Stop!"},
                                           FullStopCase{u"(see above)", u"(see above)"}, FullStopCase{u"'x'", u"'x'"},
                                           FullStopCase{u"say \"x\"", u"say \"x\""}, FullStopCase{u"a,", u"a,"},
                                           FullStopCase{u"a-", u"a-"}, FullStopCase{u"a ", u"a "},
                                           FullStopCase{u"", u""}, FullStopCase{u"caf\u00e9", u"caf\u00e9."}),
                         [](const ::testing::TestParamInfo<FullStopCase>& row) {
                             return "Message" + std::to_string(row.index);
                         });

TEST(ErrorReport, ShowsOneErrorBoxCaptionedWithTheApplicationTitle)
{
    MessageBoxRecorder recorder;
    ShowErrorReport(std::runtime_error("Cannot open clipboard"));
    ASSERT_EQ(recorder.boxes().size(), 1u);
    EXPECT_EQ(recorder.boxes()[0].caption, QStringLiteral("Quorlin"));
    EXPECT_EQ(recorder.boxes()[0].text, QStringLiteral("Cannot open clipboard."));
    EXPECT_EQ(recorder.boxes()[0].icon, MessageIcon::Error);
}

TEST(ErrorReport, AGuardedHandlerThatThrowsIsReportedAndTheCallerCarriesOn)
{
    MessageBoxRecorder recorder;
    bool after = false;
    RunGuarded([] { throw std::range_error("Range check error"); });
    after = true;
    ASSERT_EQ(recorder.boxes().size(), 1u);
    EXPECT_EQ(recorder.boxes()[0].text, QStringLiteral("Range check error."));
    EXPECT_TRUE(after);
}
