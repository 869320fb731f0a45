#pragma once

#include <limits>
#include <string>
#include <string_view>

using Extended = long double; // x87 80-bit extended
static_assert(std::numeric_limits<Extended>::digits == 64, "Extended must be the x87 80-bit format");

struct NumberSeparators
{
    char32_t decimal = U'.';
    char32_t thousands = U','; // 0: no grouping
};

// Process-wide; read by every parse and format at the moment it runs.
void SetNumberSeparators(const NumberSeparators&);
NumberSeparators CurrentNumberSeparators();

bool TryParseNumber(std::string_view text, Extended& value);
Extended ParseNumber(std::string_view text);
std::string FormatResult(Extended value);
Extended ScaleByPowerOfTen(Extended value, int n);
