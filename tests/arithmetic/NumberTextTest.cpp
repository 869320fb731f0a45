// Expected bit patterns come from number_text_reference.py, an exact rational model of the rules.
#include "arithmetic/NumberText.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

// Printed as gtest reports a mismatch: sign-and-exponent word, then significand.
static void PrintTo(const ExtendedBits& bits, std::ostream* out)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04X:%016llX", bits.signAndExponent(),
                  static_cast<unsigned long long>(bits.significand()));
    *out << text;
}

namespace {

struct ParseRow
{
    std::string text;
    bool accepted;
    ExtendedBits bits;
};

// Texts use '.' for the decimal separator and ',' for the thousands separator; each variant
// substitutes its own separators.
struct SeparatorVariant
{
    const char* name;
    NumberSeparators separators;
    std::string decimal;
    std::string thousands; // as written by the formatter
};

const SeparatorVariant Variants[] = {
    {"PointAndComma", {U'.', U','}, ".", ","},
    {"CommaAndPoint", {U',', U'.'}, ",", "."},
    {"PointWithoutGrouping", {U'.', 0}, ".", ""},
    {"MultiByte", {U'\u066B', U'\u202F'}, "\u066B", "\u202F"},
};

std::string withSeparators(const std::string& text, const SeparatorVariant& variant)
{
    std::string result;
    for (char c : text) {
        if (c == '.')
            result += variant.decimal;
        else if (c == ',')
            result += variant.thousands.empty() ? std::string(",") : variant.thousands;
        else
            result += c;
    }
    return result;
}

class NumberTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_saved = CurrentNumberSeparators();
        SetNumberSeparators({});
    }
    void TearDown() override { SetNumberSeparators(m_saved); }

    static void expectParse(const ParseRow& row, const std::string& text)
    {
        Extended value = 0;
        const bool accepted = TryParseNumber(text, value);
        EXPECT_EQ(accepted, row.accepted) << '"' << text << '"';
        if (accepted && row.accepted) {
            EXPECT_EQ(ExtendedBits(value), row.bits) << '"' << text << '"';
        }
    }

private:
    NumberSeparators m_saved;
};

constexpr ExtendedBits Zero{0x0000, 0};
constexpr ExtendedBits NegativeZero{0x8000, 0};
constexpr ExtendedBits One{0x3FFF, 0x8000000000000000};

const std::vector<ParseRow> CellTextRows = {
    {" 12.5 ", true, {0x4002, 0xC800000000000000}},
    {"+3", true, {0x4000, 0xC000000000000000}},
    {"00012", true, {0x4002, 0xC000000000000000}},
    {"-.5", true, {0xBFFE, 0x8000000000000000}},
    {"5.", true, {0x4001, 0xA000000000000000}},
    {".5", true, {0x3FFE, 0x8000000000000000}},
    {".", true, Zero},
    {"+.", true, Zero},
    {"-.", true, NegativeZero},
    {"1e", true, One},
    {"1E+", true, One},
    {"1e-", true, One},
    {"2.5e-3", true, {0x3FF6, 0xA3D70A3D70A3D70A}},
    {"1E+3", true, {0x4008, 0xFA00000000000000}},
    {"1e500", true, {0x467B, 0xF9B2FF649B8695D7}},
    {"1.1e4932", true, {0x7FFE, 0xECB12AED7F5875E1}},
    {"1e-4999", true, Zero},
    {"1.2e4932", false, {}},
    {"1e4999", false, {}},
    {"1e5000", false, {}},
    {"", false, {}},
    {"   ", false, {}},
    {"+", false, {}},
    {"-", false, {}},
    {"+-1", false, {}},
    {"- 1", false, {}},
    {"\t1", false, {}},
    {"1 2", false, {}},
    {"1.2.3", false, {}},
    {"1,000", false, {}},
    {"e5", false, {}},
    {"0x10", false, {}},
    {"INF", false, {}},
    {"NAN", false, {}},
};

TEST_F(NumberTextTest, CellTextsCountAsTheirValuesWithEverySeparatorSetting)
{
    for (const SeparatorVariant& variant : Variants) {
        SCOPED_TRACE(variant.name);
        SetNumberSeparators(variant.separators);
        for (const ParseRow& row : CellTextRows)
            expectParse(row, withSeparators(row.text, variant));
    }
}

TEST_F(NumberTextTest, OnlyTheCurrentDecimalSeparatorIsAccepted)
{
    SetNumberSeparators({U',', U'.'});
    Extended value = 0;
    ASSERT_TRUE(TryParseNumber("1,5", value));
    EXPECT_EQ(value, 1.5L);
    EXPECT_FALSE(TryParseNumber("1.5", value));
    SetNumberSeparators({U'\u066B', U'\u202F'});
    EXPECT_FALSE(TryParseNumber("1\xD9", value)) << "half of a two-byte separator";
    EXPECT_FALSE(TryParseNumber("1\xAB", value));
    EXPECT_FALSE(TryParseNumber("1.5", value));
}

const std::vector<ParseRow> TrapRows = {
    // Twenty digits and more: v * 10 and v + d each round, and the result differs from the nearest value.
    {"90532746179102435345", true, {0x4041, 0x9D0C9D9F94401D03}},
    {"85460336068819949348", true, {0x4041, 0x9440035BB8F082E5}},
    {"751326527868963874392", true, {0x4044, 0xA2EB002197D4DD9A}},
    {"1576434269572747779829815", true, {0x404F, 0xA6E956249ED8588A}},
    // Around 2^64, where the digits stop being exact.
    {"1844674407370955161", true, {0x403B, 0xCCCCCCCCCCCCCCC8}},
    {"18446744073709551615", true, {0x403E, 0xFFFFFFFFFFFFFFFF}},
    {"18446744073709551616", true, {0x403F, 0x8000000000000000}},
    {"18446744073709551617", true, {0x403F, 0x8000000000000000}},
    {"18446744073709551619", true, {0x403F, 0x8000000000000002}},
    // Long fractions.
    {"3.14159265358979323846264338327950288419716939937510", true, {0x4000, 0xC90FDAA22168C238}},
    {"0.1234567890123456789012345678901234567890", true, {0x3FFB, 0xFCD6E9BA37B2F8E2}},
    {"0.00000000000000000000000000000000000000000000000001234567890123456789", true, {0x3F59, 0x93CF654E932DEDAA}},
    // Around 10^18.
    {"999999999999999998.5", true, {0x403A, 0xDE0B6B3A763FFFE8}},
    {"999999999999999999.4", true, {0x403A, 0xDE0B6B3A763FFFF6}},
    {"1000000000000000000", true, {0x403A, 0xDE0B6B3A76400000}},
    {"1000000000000000000.4", true, {0x403A, 0xDE0B6B3A76400006}},
    // Subnormal results and underflow to zero, the sign kept.
    {"1e-4940", true, {0x0000, 0x0000000663278E62}},
    {"1e-4945", true, {0x0000, 0x0000000000042F9D}},
    {"2e-4951", true, {0x0000, 0x0000000000000001}},
    {"3.64519953188247460253e-4951", true, {0x0000, 0x0000000000000001}},
    {"1.8e-4951", true, Zero},
    {"-1e-4999", true, NegativeZero},
    {"-0", true, NegativeZero},
    {"3.36210314311209350626e-4932", true, {0x0001, 0x8000000000000000}},
    // The top of the range.
    {"1e4932", true, {0x7FFE, 0xD72CB2A95C7EF6CD}},
    {"1.18973149535723176505e4932", true, {0x7FFE, 0xFFFFFFFFFFFFFFFF}},
    // The exponent: read digit by digit until it reaches 500.
    {"1e0500", true, {0x467B, 0xF9B2FF649B8695D7}},
    {"1e00000000000000000001", true, {0x4002, 0xA000000000000000}},
    {"1e-05000", false, {}},
    {"1e5 ", true, {0x400F, 0xC350000000000000}},
    {"1 e5", false, {}},
    {"1e 5", false, {}},
    {"1\t", false, {}},
    {"1e5x", false, {}},
};

TEST_F(NumberTextTest, EveryDigitRoundsTwiceAndScalingFollowsTheTables)
{
    for (const ParseRow& row : TrapRows)
        expectParse(row, row.text);
}

TEST_F(NumberTextTest, DigitsThatOverflowMakeTheTextNotANumberWhateverTheScaling)
{
    const std::vector<ParseRow> rows = {
        {"1" + std::string(4931, '0'), true, {0x7FFB, 0xAC23C22116CBF8A4}},
        {std::string(4932, '9'), true, {0x7FFE, 0xD72CB2A95C7EF6CD}},
        {std::string(4932, '1') + "e-4931", true, {0x3FFF, 0x8E38E38E38E38E20}},
        {std::string(4933, '9'), false, {}},
        {std::string(4933, '9') + "e-10", false, {}},
        {"1." + std::string(5000, '0'), false, {}},
        // e - f is below -5120: the scaling gives 0 without an operation, but the digits overflowed.
        {"1." + std::string(5200, '0'), false, {}},
        {"0." + std::string(6000, '0') + "1", true, Zero},
        {std::string(100000, '0') + "1.5", true, {0x3FFF, 0xC000000000000000}},
    };
    for (const ParseRow& row : rows)
        expectParse(row, row.text);
}

// The parser tests for infinities instead of reading the status flags; the two must agree: an accepted
// text raises neither the overflow nor the invalid flag, and each overflowing text raises overflow.
TEST_F(NumberTextTest, AcceptanceAgreesWithTheOverflowAndInvalidFlags)
{
    std::vector<ParseRow> rows = CellTextRows;
    rows.insert(rows.end(), TrapRows.begin(), TrapRows.end());
    rows.push_back({std::string(4932, '9'), true, {}});
    rows.push_back({"0." + std::string(6000, '0') + "1", true, {}});
    for (const ParseRow& row : rows) {
        if (!row.accepted)
            continue;
        std::feclearexcept(FE_ALL_EXCEPT);
        Extended value = 0;
        ASSERT_TRUE(TryParseNumber(row.text, value)) << row.text;
        EXPECT_FALSE(std::fetestexcept(FE_OVERFLOW | FE_INVALID)) << row.text;
    }
    const std::string overflowing[] = {"1.2e4932", "1e4999", std::string(4933, '9') + "e-10",
                                       "1." + std::string(5200, '0')};
    for (const std::string& text : overflowing) {
        std::feclearexcept(FE_ALL_EXCEPT);
        Extended value = 0;
        EXPECT_FALSE(TryParseNumber(text, value)) << text;
        EXPECT_TRUE(std::fetestexcept(FE_OVERFLOW)) << text;
    }
    std::feclearexcept(FE_ALL_EXCEPT);
}

TEST_F(NumberTextTest, EmbeddedNulAndStrayBytesAreNotNumbers)
{
    Extended value = 0;
    EXPECT_FALSE(TryParseNumber(std::string_view("1\0", 2), value));
    EXPECT_FALSE(TryParseNumber(std::string_view("\0"
                                                 "1",
                                                 2),
                                value));
    EXPECT_FALSE(TryParseNumber(std::string_view("1\0"
                                                 "2",
                                                 3),
                                value));
    EXPECT_FALSE(TryParseNumber("\xEF\xBC\x91", value)) << "a full-width digit";
    EXPECT_FALSE(TryParseNumber("1\xC2\xA0", value)) << "a no-break space is not a blank";
    EXPECT_TRUE(TryParseNumber(std::string_view("12\0", 2), value));
    EXPECT_EQ(value, 12.0L);
}

TEST_F(NumberTextTest, ParseNumberNamesTheTextAsGiven)
{
    EXPECT_EQ(ExtendedBits(ParseNumber("-2.5e-3")), ExtendedBits(-0.0025L));
    try {
        ParseNumber(" 1x ");
        FAIL() << "no error";
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(error.what(), "' 1x ' is not a valid floating point value");
    }
    EXPECT_THROW(ParseNumber("1.2e4932"), std::invalid_argument);
    EXPECT_THROW(ParseNumber(""), std::invalid_argument);
}

TEST_F(NumberTextTest, ScalingLimitsAndSteps)
{
    EXPECT_EQ(ExtendedBits(ScaleByPowerOfTen(1.5L, 0)), ExtendedBits(1.5L));
    EXPECT_EQ(ScaleByPowerOfTen(0.0L, 5120), std::numeric_limits<Extended>::infinity());
    EXPECT_EQ(ExtendedBits(ScaleByPowerOfTen(-1e300L, -5120)), Zero);
    EXPECT_EQ(ExtendedBits(ScaleByPowerOfTen(1, 500)), (ExtendedBits{0x467B, 0xF9B2FF649B8695D7}));
    EXPECT_EQ(ExtendedBits(ScaleByPowerOfTen(1, 4932)), (ExtendedBits{0x7FFE, 0xD72CB2A95C7EF6CD}));
    EXPECT_EQ(ExtendedBits(ScaleByPowerOfTen(1, -4940)), (ExtendedBits{0x0000, 0x0000000663278E62}));
    EXPECT_EQ(ScaleByPowerOfTen(1, 4933), std::numeric_limits<Extended>::infinity());
}

struct FormatRow
{
    std::string valueText;
    std::string expected;
};

// The values are those of the texts, parsed with '.' as the decimal separator.
const std::vector<FormatRow> FormatRows = {
    {"0", "0"},
    {"1", "1"},
    {"0.5", "0.5"},
    {"2.5", "2.5"},
    {"100", "100"},
    {"1000", "1,000"},
    {"-1234.5", "-1,234.5"},
    {"0.3333333", "0.333333"},
    {"1234567.1234567", "1,234,567.123457"},
    {"123456.0000004", "123,456"},
    {"999999.9999996", "1,000,000"},
    {"0.0000005", "0.000001"},
    {"-0.0000005", "-0.000001"},
    {"0.0000015", "0.000002"},
    {"-0.0000004", "0"},
    {"0.0000001", "0"},
    {"12345678901234.56789", "12,345,678,901,234.5679"},
    {"1e15", "1,000,000,000,000,000"},
    {"999999999999999999.4", "999,999,999,999,999,999"},
    {"999999999999999999.5", "1E18"},
    {"1e20", "1E20"},
    {"1.5e19", "1.5E19"},
    {"-2.5e25", "-2.5E25"},
    {"123456789012345678901", "1.23456789012346E20"},
    {"-999999999999999999999", "-1E21"},
    {"1e500", "1E500"},
    {"1E+3", "1,000"},
    {"-0", "0"},
    // Half-up at the sixth decimal on the 18-digit string, also where the binary value lies below it.
    {"2.0000005", "2.000001"},
    {"7.4999995", "7.5"},
    {"1000000.0000005", "1,000,000.000001"},
    {"0.9999995", "1"},
    {"0.0000025", "0.000003"},
    {"0.0000004999999999999999999", "0.000001"},
    {"0.00000049999999", "0"},
    // 18 significant digits decide: with the decimal exponent one too high (a division instead of an
    // arithmetic shift) only 17 would be kept, and they would round up to 0.000001.
    {"0.0000004999999999999999994", "0"},
    {"9.9999995", "10"},
    {"123456789012.1234565", "123,456,789,012.123456"},
    {"99999999999999999.95", "100,000,000,000,000,000"},
    {"999999999999999998.5", "999,999,999,999,999,998"},
    {"1000000000000000000", "1E18"},
    {"1000000000000000000.4", "1E18"},
    {"-999999999999999999.6", "-1E18"},
    {"18446744073709551617", "1.84467440737096E19"},
    // Subnormal and tiny values are written 0; the largest finite value in the scientific form.
    {"1e-4940", "0"},
    {"3.36210314311209350626e-4932", "0"},
    {"1.18973149535723176502e4932", "1.18973149535723E4932"},
};

TEST_F(NumberTextTest, ResultsAreWrittenWithEverySeparatorSetting)
{
    for (const FormatRow& row : FormatRows) {
        SetNumberSeparators({});
        const Extended value = ParseNumber(row.valueText);
        for (const SeparatorVariant& variant : Variants) {
            SetNumberSeparators(variant.separators);
            std::string expected;
            for (char c : row.expected) {
                if (c == '.')
                    expected += variant.decimal;
                else if (c == ',')
                    expected += variant.thousands;
                else
                    expected += c;
            }
            EXPECT_EQ(FormatResult(value), expected) << row.valueText << " with " << variant.name;
        }
    }
}

TEST_F(NumberTextTest, SpecialValuesAreWrittenByName)
{
    constexpr Extended Infinity = std::numeric_limits<Extended>::infinity();
    EXPECT_EQ(FormatResult(Infinity), "INF");
    EXPECT_EQ(FormatResult(-Infinity), "-INF");
    EXPECT_EQ(FormatResult(std::numeric_limits<Extended>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatResult(-std::numeric_limits<Extended>::quiet_NaN()), "NAN");
    // An unnormal (integer bit clear with a non-zero exponent) comes from no operation.
    EXPECT_EQ(FormatResult(ExtendedBits(0x3FFF, 0x4000000000000000).value()), "NAN");
}

TEST_F(NumberTextTest, UnusableSeparatorSettingsFallBackToTheDefaults)
{
    SetNumberSeparators({0, 0x110000});
    EXPECT_EQ(CurrentNumberSeparators().decimal, U'.');
    EXPECT_EQ(CurrentNumberSeparators().thousands, U',');
    SetNumberSeparators({0xD800, 0});
    EXPECT_EQ(CurrentNumberSeparators().decimal, U'.');
    EXPECT_EQ(CurrentNumberSeparators().thousands, 0U);
    EXPECT_EQ(FormatResult(1234567.5L), "1234567.5");
}

} // namespace
