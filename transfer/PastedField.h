#pragma once

#include "arithmetic/NumberText.h"

#include <string>
#include <string_view>

// What a pasted cell text is stored as: blanks around it dropped, a number grouped the way results are
// written stored without its thousands separators, and a percentage stored as its value, the decimal
// separator moved two places in the digits (examples with '.' and ','):
//   " a " -> "a"    "1,234.5" -> "1234.5"    "12.5%" -> "0.125"    "1,234.5%" -> "12.345"
//   "50 %" -> "0.5"    "-3%" -> "-0.03"    "1e3%", "%", "x%" -> unchanged
std::string PastedFieldText(std::string_view text, const NumberSeparators& separators);

// A spreadsheet's full value ("3.14159265", "-1.5E-20": '.' and digits, an optional exponent) written with
// the current decimal separator; empty when `value` is not such a number.
//   with ',': "3.14159265" -> "3,14159265"    "1E+300" -> "1E+300"    "abc", "1.2.3", "" -> ""
std::string FullValueFieldText(std::string_view value, const NumberSeparators& separators);

// `text` without the blanks (spaces, tabs, line breaks, the Unicode spaces) at either end.
std::string_view TrimmedField(std::string_view text);
