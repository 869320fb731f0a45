#include "transfer/PastedField.h"

#include "arithmetic/GroupedNumber.h"
#include "arithmetic/Utf8.h"

#include <algorithm>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The byte length of the blank that starts `text`, or 0.
std::size_t blankAtStart(std::string_view text)
{
    if (text.empty())
        return 0;
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char c = byte(0);
    if (c == ' ' || (c >= '\t' && c <= '\r'))
        return 1;
    if (c == 0xC2 && text.size() >= 2 && (byte(1) == 0x85 || byte(1) == 0xA0))
        return 2;
    if (text.size() < 3)
        return 0;
    const char32_t point = (char32_t(c & 0x0F) << 12) | (char32_t(byte(1) & 0x3F) << 6) | char32_t(byte(2) & 0x3F);
    if ((c & 0xF0) != 0xE0)
        return 0;
    const bool blank = point == 0x1680 || (point >= 0x2000 && point <= 0x200A) || point == 0x2028 || point == 0x2029
                       || point == 0x202F || point == 0x205F || point == 0x3000;
    return blank ? 3 : 0;
}

// The byte length of the blank that ends `text`, or 0.
std::size_t blankAtEnd(std::string_view text)
{
    for (const std::size_t length : {std::size_t(1), std::size_t(2), std::size_t(3)}) {
        if (text.size() >= length && blankAtStart(text.substr(text.size() - length)) == length)
            return length;
    }
    return 0;
}

// `number` (digits with at most one decimal separator, an optional minus) divided by a hundred, by moving the
// separator; empty when `number` is not of that form.
std::string hundredthOf(std::string_view number, const std::string& decimal)
{
    std::string sign;
    if (!number.empty() && number.front() == '-') {
        sign = "-";
        number.remove_prefix(1);
    }
    std::string digits;
    std::size_t whole = number.size();
    for (std::size_t i = 0; i < number.size();) {
        if (isDigit(number[i])) {
            digits += number[i++];
        } else if (whole == number.size() && number.substr(i, decimal.size()) == decimal) {
            whole = digits.size();
            i += decimal.size();
        } else {
            return std::string();
        }
    }
    if (digits.empty())
        return std::string();
    whole = std::min(whole, digits.size());
    // Two more fraction digits; zeros in front where the whole part is shorter than two digits.
    if (whole < 2) {
        digits.insert(0, 2 - whole, '0');
        whole = 2;
    }
    whole -= 2;
    std::string integer = digits.substr(0, whole);
    std::string fraction = digits.substr(whole);
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (integer.empty())
        integer = "0";
    fraction.erase(std::min(fraction.find_last_not_of('0') + 1, fraction.size()));
    return sign + integer + (fraction.empty() ? std::string() : decimal + fraction);
}

// Only a text holding a thousands separator can lose one: any other is taken as it is, in one copy.
std::string ungrouped(std::string_view text, const NumberSeparators& separators)
{
    if (separators.thousands == 0 || text.find(Utf8Of(separators.thousands)) == std::string_view::npos)
        return std::string(text);
    return WithoutThousandsSeparators(text, separators);
}

} // namespace

std::string_view TrimmedField(std::string_view text)
{
    while (const std::size_t n = blankAtStart(text))
        text.remove_prefix(n);
    while (const std::size_t n = blankAtEnd(text))
        text.remove_suffix(n);
    return text;
}

std::string PastedFieldText(std::string_view text, const NumberSeparators& separators)
{
    const std::string_view field = TrimmedField(text);
    if (field.size() > 1 && field.back() == '%') {
        const std::string number = ungrouped(TrimmedField(field.substr(0, field.size() - 1)), separators);
        std::string value = hundredthOf(number, Utf8Of(separators.decimal));
        if (!value.empty())
            return value;
    }
    return ungrouped(field, separators);
}

std::string FullValueFieldText(std::string_view value, const NumberSeparators& separators)
{
    value = TrimmedField(value);
    std::size_t i = 0;
    const auto digitsFrom = [&value, &i] {
        const std::size_t start = i;
        while (i < value.size() && isDigit(value[i]))
            ++i;
        return i - start;
    };
    if (i < value.size() && (value[i] == '-' || value[i] == '+'))
        ++i;
    std::size_t mantissa = digitsFrom();
    const std::size_t point = i;
    if (i < value.size() && value[i] == '.') {
        ++i;
        mantissa += digitsFrom();
    }
    if (mantissa == 0)
        return std::string();
    if (i < value.size() && (value[i] == 'e' || value[i] == 'E')) {
        ++i;
        if (i < value.size() && (value[i] == '-' || value[i] == '+'))
            ++i;
        if (digitsFrom() == 0)
            return std::string();
    }
    if (i != value.size())
        return std::string();
    std::string out(value);
    if (point < out.size() && out[point] == '.')
        out.replace(point, 1, Utf8Of(separators.decimal));
    if (out.front() == '+')
        out.erase(0, 1);
    return out;
}
