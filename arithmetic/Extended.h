#pragma once

#include <cstdint>
#include <cstring>
#include <limits>

using Extended = long double; // x87 80-bit extended
static_assert(std::numeric_limits<Extended>::digits == 64, "Extended must be the x87 80-bit format");

// An extended value as the x87 stores it: a 64-bit significand with an explicit integer bit, then one
// 16-bit word holding the sign and a 15-bit biased exponent.
//   1.0      -> signAndExponent 0x3FFF, significand 0x8000000000000000
//   -0.0     -> signAndExponent 0x8000, significand 0
//   denorm_min -> signAndExponent 0x0000, significand 1            (subnormal)
//   infinity -> signAndExponent 0x7FFF, significand 0x8000000000000000
class ExtendedBits
{
public:
    static constexpr std::uint16_t SignMask = 0x8000;
    static constexpr std::uint16_t ExponentMask = 0x7FFF;
    static constexpr int ExponentBias = 16383;
    static constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;

    constexpr ExtendedBits() = default;
    constexpr ExtendedBits(std::uint16_t signAndExponent, std::uint64_t significand)
        : m_signAndExponent(signAndExponent)
        , m_significand(significand)
    {
    }
    explicit ExtendedBits(Extended value)
    {
        unsigned char bytes[sizeof(Extended)];
        std::memcpy(bytes, &value, sizeof bytes);
        std::memcpy(&m_significand, bytes, sizeof m_significand);
        std::memcpy(&m_signAndExponent, bytes + sizeof m_significand, sizeof m_signAndExponent);
    }

    Extended value() const
    {
        unsigned char bytes[sizeof(Extended)] = {};
        std::memcpy(bytes, &m_significand, sizeof m_significand);
        std::memcpy(bytes + sizeof m_significand, &m_signAndExponent, sizeof m_signAndExponent);
        Extended result = 0;
        std::memcpy(&result, bytes, sizeof result);
        return result;
    }

    constexpr std::uint16_t signAndExponent() const { return m_signAndExponent; }
    constexpr std::uint64_t significand() const { return m_significand; }
    constexpr bool isNegative() const { return (m_signAndExponent & SignMask) != 0; }
    // The biased exponent: 0 for zeros and subnormals, ExponentMask for infinities and NaNs.
    constexpr int exponentField() const { return m_signAndExponent & ExponentMask; }
    // The power of two of the integer bit, for finite values with an exponent field above 0.
    constexpr int exponent() const { return exponentField() - ExponentBias; }

    constexpr bool isZero() const { return exponentField() == 0 && m_significand == 0; }
    constexpr bool isSubnormal() const { return exponentField() == 0 && m_significand != 0; }
    constexpr bool isSpecial() const { return exponentField() == ExponentMask; }
    constexpr bool isInfinite() const { return isSpecial() && (m_significand & ~IntegerBit) == 0; }
    constexpr bool isNan() const { return isSpecial() && !isInfinite(); }
    // A finite exponent without the integer bit: an encoding the x87 no longer produces or accepts.
    constexpr bool isUnnormal() const
    {
        return exponentField() != 0 && !isSpecial() && (m_significand & IntegerBit) == 0;
    }

    constexpr bool operator==(const ExtendedBits&) const = default;

private:
    std::uint16_t m_signAndExponent = 0;
    std::uint64_t m_significand = 0;
};
