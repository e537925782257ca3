#pragma once

#include <algorithm>
#include <string_view>

// Names in the settings file and colour names compare without regard to case, but only
// ASCII letters fold: a locale-aware fold could match texts that no name spells.
namespace tenvik {

constexpr char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

constexpr bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

} // namespace tenvik
