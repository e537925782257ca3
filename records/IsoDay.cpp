#include "records/IsoDay.h"

#include "core/DayNumber.h"

#include <cstdio>

namespace tenvik::records {
namespace {

std::optional<int> Digits(std::string_view text)
{
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<int> ParseIsoDay(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto year = Digits(text.substr(0, 4));
    const auto month = Digits(text.substr(5, 2));
    const auto day = Digits(text.substr(8, 2));
    if (!year || !month || !day)
        return std::nullopt;
    const auto encoded = TryEncodeDate(*year, *month, *day);
    if (!encoded)
        return std::nullopt;
    return static_cast<int>(WholeDay(*encoded));
}

std::string FormatIsoDay(int day)
{
    const CivilDate date = DecodeDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

} // namespace tenvik::records
