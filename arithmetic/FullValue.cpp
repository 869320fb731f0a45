#include "arithmetic/FullValue.h"

#include <charconv>
#include <system_error>

std::string FullValueText(Extended value)
{
    // Sign, 21 digits, point, "e-4951": well inside the buffer.
    char buffer[64];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (result.ec != std::errc())
        return std::string();
    return std::string(buffer, result.ptr);
}
