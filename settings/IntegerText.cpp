#include "settings/IntegerText.h"

#include <limits>

namespace tenvik {
namespace {

int DigitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// Parses into an unsigned magnitude no larger than `limit`; nothing on overflow or junk.
std::optional<std::uint64_t> ParseMagnitude(std::string_view digits, int base, std::uint64_t limit)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        if (value > (limit - static_cast<std::uint64_t>(digit)) / static_cast<std::uint64_t>(base))
            return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    return value;
}

// Hex values are bit patterns of `bits` width; decimal values must fit the signed type.
std::optional<std::int64_t> ParseInteger(std::string_view text, int bits)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::string_view rest = text.substr(pos);

    int base = 10;
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
        base = 16;
        rest.remove_prefix(1);
    } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
        base = 16;
        rest.remove_prefix(2);
    }

    const std::uint64_t widthMask = bits == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
    const std::uint64_t signedMax = widthMask >> 1;
    const std::uint64_t limit = base == 16 ? widthMask : signedMax + (negative ? 1 : 0);
    const auto magnitude = ParseMagnitude(rest, base, limit);
    if (!magnitude)
        return std::nullopt;

    std::uint64_t pattern = negative ? (~*magnitude + 1) : *magnitude;
    pattern &= widthMask;
    // Sign-extend the pattern from its width.
    if (bits < 64 && (pattern >> (bits - 1)) != 0)
        pattern |= ~widthMask;
    return static_cast<std::int64_t>(pattern);
}

} // namespace

std::optional<std::int64_t> ParseInt64(std::string_view text)
{
    return ParseInteger(text, 64);
}

std::optional<std::int32_t> ParseInt32(std::string_view text)
{
    const auto value = ParseInteger(text, 32);
    if (!value)
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

} // namespace tenvik
