#include "arithmetic/NumberText.h"

#include "arithmetic/PowersOfTen.h"
#include "arithmetic/Utf8.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace {

constexpr int ScaleLimit = 5120;
constexpr int ExponentReadLimit = 500;
constexpr int ResultDigits = 18;    // digits of the scaled integer in the digit generation
constexpr int ResultPrecision = 18; // significant digits of "#,##0.######"
constexpr int ResultDecimals = 6;   // decimals of "#,##0.######"
constexpr int ScientificPrecision = 15;
constexpr int UnlimitedDecimals = 1 << 20;
constexpr int InfiniteExponent = 32767;
constexpr int NanExponent = 32768;
constexpr int Log10Of2Times65536 = 19728;
constexpr Extended TenToThe18 = 1000000000000000000.0L;
// The largest accumulator for which acc * 10 + 9 still fits 64 bits, so that every step is exact.
constexpr std::uint64_t ExactAccumulatorLimit = (std::numeric_limits<std::uint64_t>::max() - 9) / 10;

// A separator as the UTF-8 bytes that stand for it in a text; size 0 matches nothing.
struct EncodedSeparator
{
    char bytes[4] = {};
    unsigned size = 0;
};

bool isScalarValue(char32_t c)
{
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

EncodedSeparator encodeUtf8(char32_t c)
{
    const std::string bytes = Utf8Of(c);
    EncodedSeparator encoded;
    for (const char byte : bytes)
        encoded.bytes[encoded.size++] = byte;
    return encoded;
}

struct SeparatorState
{
    NumberSeparators settings;
    EncodedSeparator decimal = encodeUtf8(U'.');
    EncodedSeparator thousands = encodeUtf8(U',');
};

SeparatorState g_separators;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

const char* skipBlanks(const char* p, const char* end)
{
    while (p != end && *p == ' ')
        ++p;
    return p;
}

// Separators are one to four bytes: a plain loop beats a call to memcmp.
bool startsWith(const char* p, const char* end, const EncodedSeparator& separator)
{
    if (separator.size == 0 || static_cast<std::size_t>(end - p) < separator.size)
        return false;
    for (unsigned i = 0; i < separator.size; ++i) {
        if (p[i] != separator.bytes[i])
            return false;
    }
    return true;
}

const char* skipDigits(const char* p, const char* end)
{
    while (p != end && isDigit(*p))
        ++p;
    return p;
}

// v = v * 10, then v = v + digit, for every digit in turn. While the accumulated integer stays below
// 2^64 both operations are exact in the extended format, so they run in integer arithmetic and give
// the same bits; from there on each one is a rounded extended operation.
class DigitAccumulator
{
public:
    void add(const char* p, const char* end)
    {
        for (; p != end && m_exact; ++p) {
            if (m_integer > ExactAccumulatorLimit) {
                m_value = static_cast<Extended>(m_integer);
                m_exact = false;
                break;
            }
            m_integer = m_integer * 10 + static_cast<unsigned>(*p - '0');
        }
        for (; p != end; ++p) {
            m_value = m_value * 10;
            m_value = m_value + static_cast<Extended>(*p - '0');
        }
    }

    Extended value() const { return m_exact ? static_cast<Extended>(m_integer) : m_value; }

private:
    std::uint64_t m_integer = 0;
    Extended m_value = 0;
    bool m_exact = true;
};

// The decimal digits of |x| and where the decimal point goes: |x| is about 0.d1d2... x 10^exponent.
struct DecimalDigits
{
    int exponent = 0; // InfiniteExponent or NanExponent for those values
    bool negative = false;
    int count = 0;
    char digits[ResultDigits] = {};
};

constexpr char DigitPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                              "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                              "8081828384858687888990919293949596979899";

void writeNineDigits(std::uint32_t n, char* out)
{
    out[8] = static_cast<char>('0' + n % 10);
    n /= 10;
    for (int i = 6; i >= 0; i -= 2) {
        const std::uint32_t pair = n % 100;
        n /= 100;
        out[i] = DigitPairs[2 * pair];
        out[i + 1] = DigitPairs[2 * pair + 1];
    }
}

// Two independent halves in 32-bit arithmetic: shorter dependency chains than one 64-bit loop.
void writeEighteenDigits(std::uint64_t n, char* out)
{
    constexpr std::uint64_t Billion = 1000000000;
    writeNineDigits(static_cast<std::uint32_t>(n / Billion), out);
    writeNineDigits(static_cast<std::uint32_t>(n % Billion), out + 9);
}

// The integer value of a non-negative extended value that holds an integer below 2^63.
std::uint64_t integerOf(Extended integral)
{
    const ExtendedBits bits(integral);
    if (bits.significand() == 0)
        return 0;
    return bits.significand() >> (63 - bits.exponent());
}

DecimalDigits generateDigits(Extended x, int precision, int decimals)
{
    DecimalDigits result;
    const ExtendedBits bits(x);
    const bool signBit = bits.isNegative();
    if (bits.isZero() || bits.isSubnormal())
        return result;
    if (bits.isInfinite()) {
        result.exponent = InfiniteExponent;
        result.negative = signBit;
        return result;
    }
    if (bits.isNan()) {
        result.exponent = NanExponent;
        return result;
    }
    if (bits.isUnnormal()) {
        // An unnormal: no arithmetic operation produces one and the x87 rejects it as an operand.
        result.exponent = NanExponent;
        return result;
    }

    const int binaryExponent = bits.exponent();
    // An arithmetic shift: the estimate must round toward minus infinity for values below 1 too.
    int exponent = ((binaryExponent * Log10Of2Times65536) >> 16) + 1;
    Extended y = std::rint(ScaleByPowerOfTen(std::fabs(x), ResultDigits - exponent));
    if (y >= TenToThe18) {
        y = y / 10;
        ++exponent;
        // Rounding an integer again changes nothing, so only the quotient needs it.
        y = std::rint(y);
    }
    writeEighteenDigits(integerOf(y), result.digits);

    long long cut = static_cast<long long>(exponent) + decimals;
    if (cut < 0)
        return result;
    if (cut > precision)
        cut = precision;
    if (cut > ResultDigits)
        cut = ResultDigits;
    int count = static_cast<int>(cut);
    if (count < ResultDigits && result.digits[count] >= '5') {
        int i = count - 1;
        while (i >= 0 && result.digits[i] == '9')
            --i;
        if (i < 0) {
            result.digits[0] = '1';
            count = 1;
            ++exponent;
        } else {
            ++result.digits[i];
            count = i + 1;
        }
    } else {
        while (count > 0 && result.digits[count - 1] == '0')
            --count;
    }
    if (count == 0)
        return result;
    result.exponent = exponent;
    result.negative = signBit;
    result.count = count;
    return result;
}

// Room for "-", 18 integer digits with five separators, the decimal separator and six decimals, or
// for the scientific form: every separator at most four bytes.
constexpr int ResultBufferSize = 64;

class TextBuffer
{
public:
    void put(char c) { m_text[m_size++] = c; }
    void put(const char* p, int n)
    {
        for (int i = 0; i < n; ++i)
            m_text[m_size++] = p[i];
    }
    void put(const EncodedSeparator& separator) { put(separator.bytes, static_cast<int>(separator.size)); }
    std::string text() const { return std::string(m_text, static_cast<std::size_t>(m_size)); }

private:
    char m_text[ResultBufferSize];
    int m_size = 0;
};

std::string scientificText(Extended x, const EncodedSeparator& decimal)
{
    const DecimalDigits d = generateDigits(x, ScientificPrecision, UnlimitedDecimals);
    TextBuffer out;
    if (d.negative)
        out.put('-');
    out.put(d.digits[0]);
    if (d.count > 1) {
        out.put(decimal);
        out.put(d.digits + 1, d.count - 1);
    }
    out.put('E');
    char exponentText[8];
    int n = 0;
    for (int e = d.exponent - 1; e > 0 || n == 0; e /= 10)
        exponentText[n++] = static_cast<char>('0' + e % 10);
    while (n > 0)
        out.put(exponentText[--n]);
    return out.text();
}

} // namespace

void SetNumberSeparators(const NumberSeparators& separators)
{
    NumberSeparators settings = separators;
    // A separator that no text can hold falls back to the default: a decimal separator must be a
    // character that can appear in a text (not NUL), a thousands separator a character or none.
    if (settings.decimal == 0 || !isScalarValue(settings.decimal))
        settings.decimal = NumberSeparators{}.decimal;
    if (!isScalarValue(settings.thousands))
        settings.thousands = NumberSeparators{}.thousands;
    g_separators.settings = settings;
    g_separators.decimal = encodeUtf8(settings.decimal);
    g_separators.thousands = settings.thousands == 0 ? EncodedSeparator{} : encodeUtf8(settings.thousands);
}

NumberSeparators CurrentNumberSeparators()
{
    return g_separators.settings;
}

bool TryParseNumber(std::string_view text, Extended& value)
{
    const EncodedSeparator& decimal = g_separators.decimal;
    const char* p = text.data();
    const char* const end = p + text.size();

    p = skipBlanks(p, end);
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    const char* const integerBegin = p;
    p = skipDigits(p, end);
    const char* const integerEnd = p;
    const char* fractionBegin = p;
    bool hasDecimalSeparator = false;
    if (startsWith(p, end, decimal)) {
        hasDecimalSeparator = true;
        p += decimal.size;
        fractionBegin = p;
        p = skipDigits(p, end);
    }
    const char* const fractionEnd = p;
    if (integerBegin == integerEnd && !hasDecimalSeparator)
        return false;

    int exponent = 0;
    if (p != end && (*p == 'E' || *p == 'e')) {
        ++p;
        bool negativeExponent = false;
        if (p != end && (*p == '+' || *p == '-')) {
            negativeExponent = *p == '-';
            ++p;
        }
        // Reading stops after the digit that brings the exponent to the limit, so the value never
        // grows past 4999 and any further digit is left over.
        while (p != end && isDigit(*p) && exponent < ExponentReadLimit) {
            exponent = exponent * 10 + (*p - '0');
            ++p;
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    p = skipBlanks(p, end);
    if (p != end)
        return false;

    // All x87 exceptions stay masked, so an overflow gives an infinity. None of these operations can be
    // invalid (no operand is a NaN, and no step multiplies an infinity by zero or subtracts infinities),
    // and an infinity survives every later step except the early zero of a scaling by 10^-5120 or less.
    // Testing for an infinity after the digits and after the scaling is therefore exactly the test of the
    // overflow and invalid flags, without touching the floating-point environment.
    DigitAccumulator digits;
    digits.add(integerBegin, integerEnd);
    digits.add(fractionBegin, fractionEnd);
    Extended v = digits.value();
    if (std::isinf(v))
        return false;
    const long long fractionDigits = fractionEnd - fractionBegin;
    const long long scale = exponent - fractionDigits;
    v = ScaleByPowerOfTen(v, scale <= -ScaleLimit ? -ScaleLimit : static_cast<int>(scale));
    if (std::isinf(v))
        return false;
    if (negative)
        v = -v;
    value = v;
    return true;
}

Extended ParseNumber(std::string_view text)
{
    Extended value = 0;
    if (!TryParseNumber(text, value)) {
        std::string message;
        message.reserve(text.size() + 40);
        message += '\'';
        message += text;
        message += "' is not a valid floating point value";
        throw std::invalid_argument(message);
    }
    return value;
}

std::string FormatResult(Extended value)
{
    const EncodedSeparator& decimal = g_separators.decimal;
    const EncodedSeparator& thousands = g_separators.thousands;
    const DecimalDigits d = generateDigits(value, ResultPrecision, ResultDecimals);
    if (d.exponent == InfiniteExponent)
        return d.negative ? "-INF" : "INF";
    if (d.exponent == NanExponent)
        return "NAN";
    if (d.exponent > ResultDigits)
        return scientificText(value, decimal);

    TextBuffer out;
    if (d.negative)
        out.put('-');
    if (d.exponent <= 0) {
        out.put('0');
    } else {
        for (int i = 0; i < d.exponent; ++i) {
            out.put(i < d.count ? d.digits[i] : '0');
            const int after = d.exponent - 1 - i;
            if (after > 0 && after % 3 == 0)
                out.put(thousands);
        }
    }
    const int integerDigits = d.exponent > 0 ? d.exponent : 0;
    if (d.count > integerDigits) {
        out.put(decimal);
        for (int i = d.exponent; i < 0; ++i)
            out.put('0');
        out.put(d.digits + integerDigits, d.count - integerDigits);
    }
    return out.text();
}

Extended ScaleByPowerOfTen(Extended value, int n)
{
    if (n == 0)
        return value;
    if (n >= ScaleLimit)
        return std::numeric_limits<Extended>::infinity();
    if (n <= -ScaleLimit)
        return 0;
    const unsigned m = n < 0 ? static_cast<unsigned>(-n) : static_cast<unsigned>(n);
    const unsigned low = m % 32;
    const unsigned middle = (m / 32) % 16;
    const unsigned high = m / 512;
    if (n > 0) {
        value = value * PowersOfTen1[low];
        if (middle != 0)
            value = value * PowersOfTen32[middle];
        if (high != 0)
            value = value * PowersOfTen512[high];
    } else {
        value = value / PowersOfTen1[low];
        if (middle != 0)
            value = value / PowersOfTen32[middle];
        if (high != 0)
            value = value / PowersOfTen512[high];
    }
    return value;
}
