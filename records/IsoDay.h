#pragma once

#include <optional>
#include <string>
#include <string_view>

// The days of the records as ISO 8601 dates, "2026-12-10", the form of every CSV file
// they are written to. A day is a whole day number (core/DayNumber.h).
namespace tenvik::records {

// Exactly "YYYY-MM-DD" naming a real day; nothing for any other text.
std::optional<int> ParseIsoDay(std::string_view text);
std::string FormatIsoDay(int day);

} // namespace tenvik::records
