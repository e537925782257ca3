// Pay-period starts are stored as locale short dates and read back at the next start; the
// file may have been edited, and the pattern itself comes from the user's locale settings.
// Each input is read as a date under a few fixed locales, and is also tried as a pattern.
#include "FuzzCheck.h"

#include "core/DayNumber.h"
#include "core/Payday.h"
#include "settings/LocaleDate.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using tenvik::fuzzing::Require;

namespace {

tenvik::FormatSettings WithPattern(std::string pattern)
{
    tenvik::FormatSettings locale = tenvik::UsEnglishFormatSettings();
    locale.DateSeparator = tenvik::DateSeparatorOf(pattern);
    locale.ShortDateFormat = std::move(pattern);
    return locale;
}

// Patterns as Qt reports them for real locales: US, German, ISO, British, Hungarian
// (literal text after the last field), Dutch, Chinese (quoted literals) and one with
// fields side by side.
const std::vector<tenvik::FormatSettings>& FixedLocales()
{
    static const std::vector<tenvik::FormatSettings> locales = [] {
        std::vector<tenvik::FormatSettings> all;
        for (const char* pattern : {"M/d/yy", "dd.MM.yy", "yyyy-MM-dd", "dd/MM/yyyy", "yyyy. MM. dd.", "d-M-yy",
                                    "yyyy'\xE5\xB9\xB4'M'\xE6\x9C\x88'd'\xE6\x97\xA5'", "yyyyMMdd"})
            all.push_back(WithPattern(pattern));
        return all;
    }();
    return locales;
}

// The default start, the ends of the shown and of the encodable range, and 1 November and
// 11 January, which a pattern with unpadded fields side by side would write alike.
const std::array<tenvik::DayNumber, 7>& WrittenDays()
{
    static const std::array<tenvik::DayNumber, 7> days = {
        tenvik::DefaultPayPeriodStart,   tenvik::MinViewDate,      tenvik::MaxViewDate,
        tenvik::MinEncodableDate,        tenvik::MaxEncodableDate, tenvik::EncodeDate(2020, 11, 1),
        tenvik::EncodeDate(2020, 1, 11),
    };
    return days;
}

void RequireReadsBack(tenvik::DayNumber day, const tenvik::FormatSettings& locale)
{
    const std::string text = tenvik::FormatShortDate(day, locale);
    Require(tenvik::ParseShortDate(text, locale) == day, "a written date reads back as the same day");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text{reinterpret_cast<const char*>(data), size};

    for (const tenvik::FormatSettings& locale : FixedLocales()) {
        const auto day = tenvik::ParseShortDate(text, locale);
        if (!day)
            continue;
        Require(std::trunc(*day) == *day, "a date reads as a whole day");
        Require(*day >= tenvik::MinEncodableDate && *day <= tenvik::MaxEncodableDate,
                "a date reads inside the years 1 to 9999");
        RequireReadsBack(*day, locale);
    }

    // The same bytes as the locale's own pattern: it must normalise to a pattern that
    // stays as it is, and the dates the calendar writes must read back under it.
    const std::string normalized = tenvik::NormalizeShortDatePattern(text);
    Require(tenvik::NormalizeShortDatePattern(normalized) == normalized, "a normalised pattern normalises to itself");
    const tenvik::FormatSettings locale = WithPattern(std::string{text});
    for (const tenvik::DayNumber day : WrittenDays()) {
        const std::string written = tenvik::FormatShortDate(day, locale);
        Require(tenvik::ParseShortDate(written, locale) == day, "a written date reads back as the same day");
    }
    return 0;
}
