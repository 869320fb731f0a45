#include "arithmetic/Extended.h"

#include <gtest/gtest.h>

#include <limits>

TEST(ExtendedBits, NamesTheFieldsAndKindOfEachClassOfValue)
{
    using L = std::numeric_limits<Extended>;
    EXPECT_EQ(ExtendedBits(1.0L), ExtendedBits(0x3FFF, 0x8000000000000000));
    EXPECT_EQ(ExtendedBits(-3.0L), ExtendedBits(0xC000, 0xC000000000000000));
    EXPECT_EQ(ExtendedBits(0xC000, 0xC000000000000000).value(), -3.0L);
    EXPECT_EQ(ExtendedBits(1.0L).exponent(), 0);
    EXPECT_EQ(ExtendedBits(L::max()), ExtendedBits(0x7FFE, 0xFFFFFFFFFFFFFFFF));

    const ExtendedBits negativeZero(-0.0L);
    EXPECT_TRUE(negativeZero.isZero() && negativeZero.isNegative() && !negativeZero.isSubnormal());
    EXPECT_TRUE(ExtendedBits(L::denorm_min()).isSubnormal());
    EXPECT_FALSE(ExtendedBits(L::min()).isSubnormal() || ExtendedBits(L::min()).isZero());
    EXPECT_TRUE(ExtendedBits(-L::infinity()).isInfinite() && ExtendedBits(-L::infinity()).isNegative());
    EXPECT_TRUE(ExtendedBits(L::quiet_NaN()).isNan() && !ExtendedBits(L::quiet_NaN()).isInfinite());
    EXPECT_TRUE(ExtendedBits(0x3FFF, 0x4000000000000000).isUnnormal());
    EXPECT_FALSE(ExtendedBits(1.0L).isUnnormal() || ExtendedBits(1.0L).isSpecial());
}
