#pragma once

#include "settings/Color.h"

#include <array>
#include <optional>

// The Settings page's colour buttons carry the role they set as their tag, and the colour
// list takes over the tag of the button that opened it, so that closing the list knows
// which colour it sets.
namespace tenvik::Main {

struct ColorButtonTag {
    ColorRole role;
    int tag;
};

// Tags 3 and 4 name no button.
inline constexpr std::array<ColorButtonTag, 5> ColorButtonTags = {{
    {ColorRole::APlt, 1},
    {ColorRole::BPlt, 2},
    {ColorRole::XPlt, 5},
    {ColorRole::LdTr, 6},
    {ColorRole::BkGr, 7},
}};

constexpr int TagForColorRole(ColorRole role)
{
    for (const ColorButtonTag& button : ColorButtonTags) {
        if (button.role == role)
            return button.tag;
    }
    return 0;
}

// The role a button tag names, or nothing for any other tag.
constexpr std::optional<ColorRole> ColorRoleForTag(int tag)
{
    for (const ColorButtonTag& button : ColorButtonTags) {
        if (button.tag == tag)
            return button.role;
    }
    return std::nullopt;
}

} // namespace tenvik::Main
