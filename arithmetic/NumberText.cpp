#include "arithmetic/NumberText.h"

#include <stdexcept>

namespace {
NumberSeparators g_separators;
}

void SetNumberSeparators(const NumberSeparators& separators) { g_separators = separators; }

NumberSeparators CurrentNumberSeparators() { return g_separators; }

// Placeholder bodies until the number rules land; nothing calls them yet.
bool TryParseNumber(std::string_view, Extended&) { return false; }

Extended ParseNumber(std::string_view text)
{
    throw std::invalid_argument("'" + std::string(text) + "' is not a valid floating point value");
}

std::string FormatResult(Extended) { return {}; }

Extended ScaleByPowerOfTen(Extended value, int) { return value; }
