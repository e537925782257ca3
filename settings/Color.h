#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// The colour vocabulary: ARGB values, the named-colour table, the texts the settings
// file stores, and the black-or-white text rule.
namespace tenvik {

// Alpha in the top byte: opaque red is 0xFFFF0000. Always compared as a whole number.
using TAlphaColor = std::uint32_t;

struct TAlphaColorMapEntry {
    TAlphaColor Value;
    std::string_view Name;
};

inline constexpr int NamedColorCount = 148;
inline constexpr int NullColorIndex = 147;

// The 147 CSS Color Level 3 keywords in alphabetical order ("Aliceblue" … "Yellowgreen"),
// then "Null" (0x00000000), which means no colour is given.
extern const std::array<TAlphaColorMapEntry, NamedColorCount> NamedColors;

namespace colors {
inline constexpr TAlphaColor Null = 0x00000000;
inline constexpr TAlphaColor Black = 0xFF000000;
inline constexpr TAlphaColor White = 0xFFFFFFFF;
inline constexpr TAlphaColor Red = 0xFFFF0000;
inline constexpr TAlphaColor Blue = 0xFF0000FF;
inline constexpr TAlphaColor Navy = 0xFF000080;
inline constexpr TAlphaColor Darkblue = 0xFF00008B;
inline constexpr TAlphaColor Dimgray = 0xFF696969;
inline constexpr TAlphaColor Slategray = 0xFF708090;
inline constexpr TAlphaColor Darkgray = 0xFFA9A9A9;
inline constexpr TAlphaColor Fuchsia = 0xFFFF00FF;
inline constexpr TAlphaColor Silver = 0xFFC0C0C0;
} // namespace colors

// A text that names or encodes no colour.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The lowest-index name with the same 32-bit value, else "#" and eight upper-case hex digits.
std::string ColorToText(TAlphaColor color);
// A name (any ASCII case, optionally behind "cla" or "cl"), or an integer (decimal, or hex
// behind "#", "$", "x", "X", "0x", "0X"). Throws EConvertError
// "'<text>' is not a valid integer value" for anything else.
TAlphaColor TextToColor(std::string_view text);
// White for the 26 dark fills of a fixed list, black for every other value.
TAlphaColor ContrastColor(TAlphaColor fill);

// The five colours the user sets.
enum class ColorRole { APlt, BPlt, XPlt, LdTr, BkGr };

struct ColorRoleInfo {
    ColorRole role;
    std::string_view key;         // settings key in section "Colors"
    std::string_view defaultText; // as stored
    TAlphaColor defaultValue;
};

// The one table of the roles' keys and defaults; the settings record and the window
// take their first colours from it.
inline constexpr std::array<ColorRoleInfo, 5> ColorRoles = {{
    {ColorRole::APlt, "APlt", "Red", colors::Red},
    {ColorRole::BPlt, "BPlt", "Blue", colors::Blue},
    {ColorRole::XPlt, "XPlt", "Fuchsia", colors::Fuchsia},
    {ColorRole::LdTr, "LdTr", "Silver", colors::Silver},
    {ColorRole::BkGr, "BkGr", "White", colors::White},
}};

constexpr TAlphaColor DefaultColor(ColorRole role)
{
    for (const ColorRoleInfo& info : ColorRoles) {
        if (info.role == role)
            return info.defaultValue;
    }
    return colors::Null;
}

} // namespace tenvik
