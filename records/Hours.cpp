#include "records/Hours.h"

#include <cstdlib>

namespace tenvik::records {

std::string FormatHours(Hours hours)
{
    const int magnitude = std::abs(hours.hundredths);
    std::string text = hours.hundredths < 0 ? "-" : "";
    text += std::to_string(magnitude / 100);
    const int fraction = magnitude % 100;
    if (fraction != 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            text += static_cast<char>('0' + fraction % 10);
    }
    return text;
}

std::optional<Hours> ParseHours(std::string_view text)
{
    const auto dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
    // Six digits are far beyond any valid entry and keep the sum clear of overflow.
    if (whole.empty() || whole.size() > 6 || fraction.size() > 2 || (dot != std::string_view::npos && fraction.empty()))
        return std::nullopt;
    int value = 0;
    for (const char c : whole) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    value *= 100;
    int scale = 10;
    for (const char c : fraction) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value += (c - '0') * scale;
        scale /= 10;
    }
    return Hours{value};
}

} // namespace tenvik::records
