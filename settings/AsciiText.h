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

// The blanks dropped around names, values and dates: spaces and tabs, nothing else.
constexpr bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

constexpr std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace tenvik
