#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

// A property that does not hold ends the run the way a crash does, so libFuzzer keeps the
// input that broke it under the artifact prefix.
namespace tenvik::fuzzing {

inline void Require(bool holds, std::string_view property)
{
    if (holds)
        return;
    std::fprintf(stderr, "Property broken: %.*s\n", static_cast<int>(property.size()), property.data());
    std::abort();
}

} // namespace tenvik::fuzzing
