// Switch values and colour numbers share one integer grammar in two widths. Whatever the
// text, the 32-bit reading must be the 64-bit one cut to 32 bits, and any value must read
// back from its decimal text.
#include "FuzzCheck.h"

#include "settings/IntegerText.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

using tenvik::fuzzing::Require;

namespace {

// Hex texts are bit patterns, decimal texts are values: "$FFFFFFFF" is -1 in 32 bits and
// 4294967295 in 64, while "4294967295" does not read in 32 bits at all.
bool IsHexText(std::string_view text)
{
    while (text.starts_with(' '))
        text.remove_prefix(1);
    if (text.starts_with('+') || text.starts_with('-'))
        text.remove_prefix(1);
    return text.starts_with('$') || text.starts_with('x') || text.starts_with('X') || text.starts_with("0x")
        || text.starts_with("0X");
}

bool IsNegativeText(std::string_view text)
{
    while (text.starts_with(' '))
        text.remove_prefix(1);
    return text.starts_with('-');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text{reinterpret_cast<const char*>(data), size};
    const auto wide = tenvik::ParseInt64(text);
    const auto narrow = tenvik::ParseInt32(text);

    if (narrow) {
        Require(wide.has_value(), "a text that reads in 32 bits also reads in 64 bits");
        Require(static_cast<std::uint32_t>(*wide) == static_cast<std::uint32_t>(*narrow),
                "both widths agree in their low 32 bits");
        Require(tenvik::ParseInt32(std::to_string(*narrow)) == narrow,
                "a 32-bit value reads back from its decimal text");
    }
    if (wide) {
        bool fits = false;
        if (IsHexText(text)) {
            const auto bits = static_cast<std::uint64_t>(*wide);
            const std::uint64_t magnitude = IsNegativeText(text) ? ~bits + 1 : bits;
            fits = magnitude <= std::numeric_limits<std::uint32_t>::max();
        } else {
            fits =
                *wide >= std::numeric_limits<std::int32_t>::min() && *wide <= std::numeric_limits<std::int32_t>::max();
            if (fits)
                Require(narrow == static_cast<std::int32_t>(*wide),
                        "a decimal value that fits 32 bits reads the same in both widths");
        }
        Require(narrow.has_value() == fits, "a text reads in 32 bits exactly when its value fits them");
        Require(tenvik::ParseInt64(std::to_string(*wide)) == wide, "a 64-bit value reads back from its decimal text");
    }
    return 0;
}
