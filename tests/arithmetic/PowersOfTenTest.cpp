#include "arithmetic/PowersOfTen.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// 10^power as little-endian 32-bit limbs: exact integer arithmetic, no floating point.
std::vector<std::uint32_t> exactPowerOfTen(int power)
{
    std::vector<std::uint32_t> limbs{1};
    for (int i = 0; i < power; ++i) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            const std::uint64_t product = std::uint64_t{limb} * 10 + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0)
            limbs.push_back(static_cast<std::uint32_t>(carry));
    }
    return limbs;
}

bool bitAt(const std::vector<std::uint32_t>& limbs, long index)
{
    return index >= 0 && (limbs[static_cast<std::size_t>(index / 32)] >> (index % 32) & 1U) != 0;
}

// The significand and unbiased exponent of the extended value nearest n: the top 64 bits, rounded to
// nearest with ties to even on the bits below.
struct Nearest
{
    std::uint64_t significand;
    long exponent;
};

Nearest nearestExtended(const std::vector<std::uint32_t>& limbs)
{
    long top = static_cast<long>(limbs.size()) * 32 - 1;
    while (!bitAt(limbs, top))
        --top;
    std::uint64_t significand = 0;
    for (long i = top; i > top - 64; --i)
        significand = significand << 1 | (bitAt(limbs, i) ? 1U : 0U);
    const long roundBit = top - 64;
    bool sticky = false;
    for (long i = roundBit - 1; i >= 0 && !sticky; --i)
        sticky = bitAt(limbs, i);
    long exponent = top;
    if (bitAt(limbs, roundBit) && (sticky || (significand & 1U) != 0)) {
        ++significand;
        if (significand == 0) {
            significand = std::uint64_t{1} << 63;
            ++exponent;
        }
    }
    return {significand, exponent};
}

void expectNearest(Extended entry, int power)
{
    const ExtendedBits bits(entry);
    const Nearest expected = nearestExtended(exactPowerOfTen(power));
    EXPECT_EQ(bits.significand(), expected.significand) << "10^" << power;
    EXPECT_FALSE(bits.isNegative()) << "10^" << power;
    EXPECT_EQ(bits.exponent(), expected.exponent) << "10^" << power;
}

TEST(PowersOfTen, EveryEntryIsTheExtendedValueNearestTheExactPower)
{
    for (int k = 0; k < 32; ++k)
        expectNearest(PowersOfTen1[k], k);
    for (int k = 1; k < 16; ++k)
        expectNearest(PowersOfTen32[k], 32 * k);
    for (int k = 1; k < 10; ++k)
        expectNearest(PowersOfTen512[k], 512 * k);
}

TEST(PowersOfTen, PowersUpToTwentySevenAreExact)
{
    for (int k = 0; k <= 27; ++k) {
        const std::vector<std::uint32_t> exact = exactPowerOfTen(k);
        long top = static_cast<long>(exact.size()) * 32 - 1;
        while (!bitAt(exact, top))
            --top;
        bool lowBitsSet = false;
        for (long i = top - 64; i >= 0; --i)
            lowBitsSet = lowBitsSet || bitAt(exact, i);
        EXPECT_FALSE(lowBitsSet) << "10^" << k;
    }
    EXPECT_EQ(PowersOfTen1[27], 1e27L);
}

} // namespace
