#include "core/IsoDate.h"

#include <cstdio>

namespace tenvik {
namespace {

std::optional<int> Digits(std::string_view text)
{
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string Format(DayNumber day, const char* pattern)
{
    const CivilDate date = DecodeDate(day);
    char text[40];
    std::snprintf(text, sizeof text, pattern, date.year, date.month, date.day);
    return text;
}

} // namespace

std::optional<DayNumber> ParseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto year = Digits(text.substr(0, 4));
    const auto month = Digits(text.substr(5, 2));
    const auto day = Digits(text.substr(8, 2));
    if (!year || !month || !day)
        return std::nullopt;
    return TryEncodeDate(*year, *month, *day);
}

std::string FormatIsoDate(DayNumber day)
{
    return Format(day, "%04d-%02d-%02d");
}

std::string FormatBasicDate(DayNumber day)
{
    return Format(day, "%04d%02d%02d");
}

} // namespace tenvik
