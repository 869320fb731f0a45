#pragma once

#include "arithmetic/Extended.h"

#include <string>

// The shortest decimal text that a correctly rounding reader turns back into exactly `value` (at most 21
// significant digits for this format), with "." as the decimal point, no grouping, and an exponent only
// where it is shorter: what spreadsheets are handed as a cell's value beside the text it shows.
//   0.1L -> "0.1", 1000.2469135780000L -> "1000.246913578", -0.0L -> "-0", 2^64 -> "18446744073709551616"
std::string FullValueText(Extended value);
