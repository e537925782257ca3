#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The integer grammar shared by switch values and colour numbers: leading blanks, an
// optional sign, then decimal digits or a hex marker ("$", "x", "X", "0x", "0X") and hex
// digits of either case. Nothing may follow the digits and at least one is required.
namespace tenvik {

// A decimal value must fit the signed type; a hex value is a bit pattern of at most the
// type's width (so "$FFFFFFFF" is -1 as 32 bits). Anything else gives nothing.
std::optional<std::int64_t> ParseInt64(std::string_view text);
std::optional<std::int32_t> ParseInt32(std::string_view text);

} // namespace tenvik
