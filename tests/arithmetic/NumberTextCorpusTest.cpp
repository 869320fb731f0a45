// Replays the saved fuzz corpus through the property that the fuzz target checks.
#include "fuzz/NumberTextProperty.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

TEST(NumberTextCorpus, EverySavedInputKeepsTheNumberTextProperty)
{
    const NumberSeparators saved = CurrentNumberSeparators();
    const std::filesystem::path folder(QUORLIN_NUMBER_TEXT_CORPUS);
    int inputs = 0;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string input((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_EQ(NumberTextProperty::check(input), "") << entry.path().filename();
        ++inputs;
    }
    SetNumberSeparators(saved);
    EXPECT_GE(inputs, 20) << "the corpus folder " << folder << " is missing or nearly empty";
}

TEST(NumberTextCorpus, GroupingIsRemovedBeforeAResultTextIsReadBack)
{
    EXPECT_EQ(NumberTextProperty::withoutGrouping("1,234,567.5", ","), "1234567.5");
    EXPECT_EQ(NumberTextProperty::withoutGrouping("1\u202F234\u202F567", "\u202F"), "1234567");
    EXPECT_EQ(NumberTextProperty::withoutGrouping("1234", ""), "1234");
}

} // namespace
