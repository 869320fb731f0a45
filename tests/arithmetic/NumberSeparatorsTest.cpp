#include "arithmetic/NumberText.h"

#include <gtest/gtest.h>

TEST(NumberSeparators, SettingsAreProcessWideUntilChangedAgain)
{
    const NumberSeparators saved = CurrentNumberSeparators();
    SetNumberSeparators({U',', U'\u202F'});
    EXPECT_EQ(CurrentNumberSeparators().decimal, U',');
    EXPECT_EQ(CurrentNumberSeparators().thousands, U'\u202F');
    SetNumberSeparators(saved);
    EXPECT_EQ(CurrentNumberSeparators().decimal, saved.decimal);
}
