#pragma once

#include "arithmetic/Extended.h"

#include <string>
#include <string_view>

struct NumberSeparators
{
    char32_t decimal = U'.';
    char32_t thousands = U','; // 0: no grouping
};

// Process-wide; read by every parse and format at the moment it runs.
void SetNumberSeparators(const NumberSeparators&);
NumberSeparators CurrentNumberSeparators();

// Cell text to number, with the current decimal separator (examples with '.'):
//   " 12.5 " -> 12.5     "-.5" -> -0.5     "." -> 0     "1e" -> 1     "2.5e-3" -> 0.0025
//   "1e-4999" -> 0       "-0" -> -0        "1.2e4932", "1e5000", "1,000", "\t1", "0x10" -> not a number
// Every digit goes through v = v * 10 and v = v + digit, each rounded; then the scaling by 10^(e - f).
// A text whose digits or value overflow the extended range is not a number; underflow gives a
// subnormal value or zero.
bool TryParseNumber(std::string_view text, Extended& value);
// The same, but a text that is not a number throws std::invalid_argument:
//   "abc" -> "'abc' is not a valid floating point value"
Extended ParseNumber(std::string_view text);
// Number to result text with "#,##0.######" and the current separators (examples with '.' and ','):
//   1000 -> "1,000"    -1234.5 -> "-1,234.5"    0.3333333 -> "0.333333"    -0.0000004 -> "0"
//   999999999999999999.4 -> "999,999,999,999,999,999"    1e20 -> "1E20"    infinity -> "INF"
std::string FormatResult(Extended value);
// value x 10^n, multiplying (or dividing, for n < 0) by the nearest extended values of 10^(n mod 32),
// 10^(32k) and 10^(512k) in turn, each step rounded:
//   (1.5, 0) -> 1.5    (1, 3) -> 1000    (v, 5120 or more) -> infinity    (v, -5120 or less) -> 0
Extended ScaleByPowerOfTen(Extended value, int n);
