#include "arithmetic/GroupedNumber.h"

#include "arithmetic/Utf8.h"

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number of digits at the start of `text`.
std::size_t digitsAt(std::string_view text)
{
    std::size_t n = 0;
    while (n < text.size() && isDigit(text[n]))
        ++n;
    return n;
}

} // namespace

std::string WithoutThousandsSeparators(std::string_view text, const NumberSeparators& separators)
{
    const std::string original(text);
    if (separators.thousands == 0 || separators.thousands == separators.decimal)
        return original;
    const std::string thousands = Utf8Of(separators.thousands);
    const std::string decimal = Utf8Of(separators.decimal);

    std::string out;
    std::string_view rest = text;
    if (!rest.empty() && rest.front() == '-') {
        out += '-';
        rest.remove_prefix(1);
    }
    const std::size_t lead = digitsAt(rest);
    if (lead < 1 || lead > 3)
        return original;
    out += rest.substr(0, lead);
    rest.remove_prefix(lead);
    int groups = 0;
    while (rest.substr(0, thousands.size()) == thousands) {
        rest.remove_prefix(thousands.size());
        if (digitsAt(rest) != 3)
            return original;
        out += rest.substr(0, 3);
        rest.remove_prefix(3);
        ++groups;
    }
    if (groups == 0)
        return original;
    if (!rest.empty()) {
        if (rest.substr(0, decimal.size()) != decimal)
            return original;
        rest.remove_prefix(decimal.size());
        const std::size_t fraction = digitsAt(rest);
        if (fraction == 0 || fraction != rest.size())
            return original;
        out += decimal;
        out += rest;
    }
    return out;
}
