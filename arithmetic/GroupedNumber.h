#pragma once

#include "arithmetic/NumberText.h"

#include <string>
#include <string_view>

// A number written with thousands separators the way results are written (an optional minus, one to three
// digits, then groups of three after each separator, then the decimal separator and digits) loses its
// thousands separators; any other text comes back as it is (examples with '.' and ','):
//   "1,234.5" -> "1234.5"    "-12,345,678" -> "-12345678"    "1,23" -> "1,23"    "1,234," -> "1,234,"
//   "12" -> "12"             "abc" -> "abc"                  with ',' and '.': "1.234,5" -> "1234,5"
std::string WithoutThousandsSeparators(std::string_view text, const NumberSeparators& separators);
