#include "fuzz/NumberTextProperty.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string failure = NumberTextProperty::check(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!failure.empty()) {
        std::fprintf(stderr, "number text property failed: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
