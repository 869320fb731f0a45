#pragma once

// The property that the fuzz target checks and that the corpus replay test checks again in the normal
// build: whatever bytes arrive, parsing answers accepted or not, both entry points agree, an accepted
// value is finite and formats, and the formatted text (without its grouping) parses back to a value
// that formats to the same text.

#include "arithmetic/NumberText.h"

#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace NumberTextProperty {

struct Variant
{
    NumberSeparators separators;
    std::string_view thousands; // as written by the formatter
};

// The first byte of an input picks the separators; the rest is the cell text.
inline constexpr Variant Variants[] = {
    {{U'.', U','}, ","},
    {{U',', U'.'}, "."},
    {{U'.', 0}, ""},
    {{U'\u066B', U'\u202F'}, "\u202F"},
};

inline bool sameBits(Extended a, Extended b)
{
    return ExtendedBits(a) == ExtendedBits(b);
}

inline std::string withoutGrouping(const std::string& text, std::string_view thousands)
{
    if (thousands.empty())
        return text;
    std::string result;
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, thousands.size(), thousands) == 0) {
            i += thousands.size();
        } else {
            result += text[i];
            ++i;
        }
    }
    return result;
}

// An empty answer when the property holds, otherwise what went wrong.
inline std::string check(std::string_view input)
{
    if (input.empty())
        return {};
    const Variant& variant = Variants[static_cast<unsigned char>(input.front()) % std::size(Variants)];
    SetNumberSeparators(variant.separators);
    const std::string_view text = input.substr(1);

    Extended value = 0;
    const bool accepted = TryParseNumber(text, value);
    try {
        const Extended parsed = ParseNumber(text);
        if (!accepted)
            return "ParseNumber accepted a text that TryParseNumber refused";
        if (!sameBits(parsed, value))
            return "ParseNumber and TryParseNumber disagree on the value";
    } catch (const std::invalid_argument& error) {
        if (accepted)
            return "ParseNumber refused a text that TryParseNumber accepted";
        // what() is a C string: a text with a NUL byte is quoted up to that byte.
        const std::string message = "'" + std::string(text) + "' is not a valid floating point value";
        if (std::strcmp(error.what(), message.c_str()) != 0)
            return "ParseNumber's message does not quote the text";
    }
    if (!accepted)
        return {};
    if (!std::isfinite(value))
        return "an accepted value is not finite";

    const std::string formatted = FormatResult(value);
    if (formatted.empty())
        return "an accepted value formats to the empty text";
    Extended reparsed = 0;
    if (!TryParseNumber(withoutGrouping(formatted, variant.thousands), reparsed))
        return "the result text '" + formatted + "' does not parse";
    const std::string again = FormatResult(reparsed);
    if (again != formatted)
        return "the result text '" + formatted + "' parses to a value written '" + again + "'";
    return {};
}

} // namespace NumberTextProperty
