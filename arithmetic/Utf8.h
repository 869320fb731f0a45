#pragma once

#include <string>

// The UTF-8 bytes of one code point (a scalar value): U'.' -> ".", U'\u00A0' -> "\xC2\xA0",
// U'\u202F' -> "\xE2\x80\xAF".
inline std::string Utf8Of(char32_t c)
{
    std::string out;
    const auto put = [&out](char32_t byte) { out += static_cast<char>(byte); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
    return out;
}
