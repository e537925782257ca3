#pragma once

#include <cstddef>
#include <string_view>

namespace tenvik {

constexpr bool IsUtf8Continuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 character at the start of a non-empty text, or 0
// when its first bytes start none (overlong forms, surrogates and values past U+10FFFF
// included). Texts that are cut or folded must never split a character.
constexpr std::size_t Utf8CharacterLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        secondHigh = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF; // nothing beyond U+10FFFF
    }
    if (length == 0 || text.size() < length || byte(1) < secondLow || byte(1) > secondHigh)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsUtf8Continuation(byte(i)))
            return 0;
    }
    return length;
}

} // namespace tenvik
