#include "records/IsoDay.h"

#include "core/IsoDate.h"

namespace tenvik::records {

std::optional<int> ParseIsoDay(std::string_view text)
{
    const auto day = ParseIsoDate(text);
    if (!day)
        return std::nullopt;
    return static_cast<int>(WholeDay(*day));
}

std::string FormatIsoDay(int day)
{
    return FormatIsoDate(day);
}

} // namespace tenvik::records
