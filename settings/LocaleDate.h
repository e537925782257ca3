#pragma once

#include "core/DayNumber.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The user's locale as plain values, captured once at start-up by the window, and the
// short-date text the settings file stores.
namespace tenvik {

struct FormatSettings {
    std::array<std::string, 12> LongMonthNames;
    std::array<std::string, 12> ShortMonthNames;
    std::array<std::string, 7> ShortDayNames; // Sunday first
    // A numeric pattern of d/dd, M/MM and yyyy fields (Qt's letters), e.g. "M/d/yyyy".
    std::string ShortDateFormat;
    std::string DateSeparator;
};

// English (United States): M/d/yyyy. Tests pin it; it is also the fallback.
FormatSettings UsEnglishFormatSettings();

// A locale's short date pattern as the calendar uses it: two-digit years widened to four
// ("M/d/yy" → "M/d/yyyy", "dd.MM.yy" → "dd.MM.yyyy") and blanks at its ends dropped; a
// pattern that is not all numbers (month names, weekdays) or has digits in its literal
// text becomes ISO "yyyy-MM-dd". Normalising a normalised pattern gives it back.
std::string NormalizeShortDatePattern(std::string_view qtPattern);
// The separator between the fields of a normalized pattern ("/" for "M/d/yyyy").
std::string DateSeparatorOf(std::string_view pattern);

std::string FormatShortDate(DayNumber d, const FormatSettings& locale);
// The settings file's form of a date: ISO "yyyy-MM-dd", the same under every locale.
std::string FormatStoredDate(DayNumber d);
// Reads what FormatShortDate writes; when the locale's pattern fails, ISO "yyyy-MM-dd" is
// tried, so a file survives a change of locale where it can. Nothing for anything else.
std::optional<DayNumber> ParseShortDate(std::string_view text, const FormatSettings& locale);

} // namespace tenvik
