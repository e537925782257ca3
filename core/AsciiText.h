#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

// Names in the settings file, colour names and assignment groups compare without regard
// to case, but only ASCII letters fold: a locale-aware fold could match texts that no
// name spells.
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

// Where the first character from i on that is not a blank stands; text.size() if none.
constexpr std::size_t SkipBlanks(std::string_view text, std::size_t i)
{
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return i;
}

constexpr std::string_view TrimTrailingBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

constexpr std::string_view TrimBlanks(std::string_view text)
{
    return TrimTrailingBlanks(text.substr(SkipBlanks(text, 0)));
}

} // namespace tenvik
