#pragma once

#include "core/DayNumber.h"

#include <optional>
#include <string>
#include <string_view>

// ISO 8601 calendar dates, "2026-12-10", as the command line and the CSV files take them,
// and the basic form "20261210" that calendar files use.
namespace tenvik {

// Exactly four digits, a hyphen, two digits, a hyphen, two digits, naming a real day.
std::optional<DayNumber> ParseIsoDate(std::string_view text);
std::string FormatIsoDate(DayNumber day);
std::string FormatBasicDate(DayNumber day);

} // namespace tenvik
