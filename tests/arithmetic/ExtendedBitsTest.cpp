#include "arithmetic/Extended.h"

#include <gtest/gtest.h>

#include <limits>

TEST(ExtendedBits, NamesTheFieldsAndKindsOfEveryClassOfValue)
{
    using L = std::numeric_limits<Extended>;
    const ExtendedBits one(1.0L);
    EXPECT_EQ(one, ExtendedBits(0x3FFF, 0x8000000000000000));
    EXPECT_EQ(one.exponent(), 0);
    EXPECT_FALSE(one.isZero() || one.isSubnormal() || one.isSpecial() || one.isUnnormal());
    EXPECT_EQ(ExtendedBits(-3.0L), ExtendedBits(0xC000, 0xC000000000000000));
    EXPECT_TRUE(ExtendedBits(-3.0L).isNegative());

    const ExtendedBits negativeZero(-0.0L);
    EXPECT_TRUE(negativeZero.isZero() && negativeZero.isNegative() && !negativeZero.isSubnormal());
    EXPECT_EQ(ExtendedBits(L::denorm_min()), ExtendedBits(0x0000, 1));
    EXPECT_TRUE(ExtendedBits(L::denorm_min()).isSubnormal());
    EXPECT_FALSE(ExtendedBits(L::min()).isSubnormal());
    EXPECT_EQ(ExtendedBits(L::max()), ExtendedBits(0x7FFE, 0xFFFFFFFFFFFFFFFF));

    EXPECT_TRUE(ExtendedBits(-L::infinity()).isInfinite() && ExtendedBits(-L::infinity()).isNegative());
    EXPECT_TRUE(ExtendedBits(L::quiet_NaN()).isNan());
    EXPECT_FALSE(ExtendedBits(L::quiet_NaN()).isInfinite());
    EXPECT_TRUE(ExtendedBits(0x3FFF, 0x4000000000000000).isUnnormal());
}

TEST(ExtendedBits, GivesBackTheValueItWasTakenFrom)
{
    for (const Extended value : {0.1L, -1e4000L, std::numeric_limits<Extended>::denorm_min(), -0.0L}) {
        const Extended back = ExtendedBits(value).value();
        EXPECT_EQ(ExtendedBits(back), ExtendedBits(value));
    }
    EXPECT_EQ(ExtendedBits(0x4000, 0xC000000000000000).value(), 3.0L);
}
