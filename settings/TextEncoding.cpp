#include "settings/TextEncoding.h"

#include "settings/Utf8.h"

namespace tenvik {
namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeBom = "\xFF\xFE";
constexpr std::string_view Utf16BeBom = "\xFE\xFF";
constexpr char32_t ReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Any value below 0x110000, surrogates included.
void AppendUtf8(std::string& out, char32_t c)
{
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (c < 0x80) {
        out += byte(c);
    } else if (c < 0x800) {
        out += byte(0xC0 | (c >> 6));
        out += byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += byte(0xE0 | (c >> 12));
        out += byte(0x80 | ((c >> 6) & 0x3F));
        out += byte(0x80 | (c & 0x3F));
    } else {
        out += byte(0xF0 | (c >> 18));
        out += byte(0x80 | ((c >> 12) & 0x3F));
        out += byte(0x80 | ((c >> 6) & 0x3F));
        out += byte(0x80 | (c & 0x3F));
    }
}

void AppendUtf16(std::string& out, char32_t unit, bool bigEndian)
{
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

DecodedText DecodeUtf16(std::string_view bytes, TextEncoding encoding)
{
    const bool bigEndian = encoding == TextEncoding::Utf16Be;
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    };
    DecodedText decoded;
    decoded.encoding = encoding;
    const std::size_t whole = bytes.size() & ~std::size_t{1};
    decoded.text.reserve(whole / 2 * 3 / 2);
    for (std::size_t i = 0; i < whole; i += 2) {
        const char32_t unit = unitAt(i);
        if (IsHighSurrogate(unit) && i + 2 < whole && IsLowSurrogate(unitAt(i + 2))) {
            AppendUtf8(decoded.text, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
            i += 2;
        } else {
            AppendUtf8(decoded.text, unit);
        }
    }
    decoded.oddByte = bytes.substr(whole);
    return decoded;
}

// The three-byte form of a lone surrogate (ED A0 80 to ED BF BF), or nothing.
char32_t SurrogateAt(std::string_view text)
{
    if (text.size() < 3 || static_cast<unsigned char>(text[0]) != 0xED)
        return 0;
    const auto second = static_cast<unsigned char>(text[1]);
    const auto third = static_cast<unsigned char>(text[2]);
    if (second < 0xA0 || second > 0xBF || !IsUtf8Continuation(third))
        return 0;
    return 0xD000 | static_cast<char32_t>((second & 0x3F) << 6) | (third & 0x3F);
}

char32_t CodePointOf(std::string_view character)
{
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(character[i])); };
    switch (character.size()) {
    case 1:
        return byte(0);
    case 2:
        return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    case 3:
        return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    default:
        return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 | (byte(3) & 0x3F);
    }
}

} // namespace

DecodedText DecodeText(std::string bytes)
{
    const std::string_view view{bytes};
    if (view.starts_with(Utf16LeBom))
        return DecodeUtf16(view.substr(Utf16LeBom.size()), TextEncoding::Utf16Le);
    if (view.starts_with(Utf16BeBom))
        return DecodeUtf16(view.substr(Utf16BeBom.size()), TextEncoding::Utf16Be);
    DecodedText decoded;
    if (view.starts_with(Utf8Bom)) {
        decoded.encoding = TextEncoding::Utf8WithBom;
        bytes.erase(0, Utf8Bom.size());
    }
    decoded.text = std::move(bytes);
    return decoded;
}

std::string EncodeText(std::string_view text, TextEncoding encoding, std::string_view oddByte)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return std::string{text};
    case TextEncoding::Utf8WithBom:
        return std::string{Utf8Bom}.append(text);
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        break;
    }
    const bool bigEndian = encoding == TextEncoding::Utf16Be;
    std::string out{bigEndian ? Utf16BeBom : Utf16LeBom};
    out.reserve(out.size() + 2 * text.size() + oddByte.size());
    while (!text.empty()) {
        const std::size_t length = Utf8CharacterLength(text);
        if (length > 0) {
            const char32_t c = CodePointOf(text.substr(0, length));
            if (c >= 0x10000) {
                AppendUtf16(out, 0xD800 + ((c - 0x10000) >> 10), bigEndian);
                AppendUtf16(out, 0xDC00 + ((c - 0x10000) & 0x3FF), bigEndian);
            } else {
                AppendUtf16(out, c, bigEndian);
            }
            text.remove_prefix(length);
        } else if (const char32_t surrogate = SurrogateAt(text)) {
            AppendUtf16(out, surrogate, bigEndian);
            text.remove_prefix(3);
        } else {
            AppendUtf16(out, ReplacementCharacter, bigEndian);
            text.remove_prefix(1);
        }
    }
    return out.append(oddByte);
}

} // namespace tenvik
