#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

// A number of hours to the hundredth, held as a whole number so that sums are exact and
// a CSV file reads back to the same value it was written from: 10.5 hours is 1050.
namespace tenvik::records {

struct Hours {
    int hundredths = 0;

    static constexpr Hours Whole(int hours) { return Hours{hours * 100}; }
    friend constexpr auto operator<=>(Hours, Hours) = default;
    friend constexpr Hours operator+(Hours a, Hours b) { return Hours{a.hundredths + b.hundredths}; }
    friend constexpr Hours operator-(Hours a, Hours b) { return Hours{a.hundredths - b.hundredths}; }
    friend constexpr Hours operator-(Hours a) { return Hours{-a.hundredths}; }
    friend constexpr Hours operator*(Hours a, int n) { return Hours{a.hundredths * n}; }
    constexpr Hours& operator+=(Hours b)
    {
        hundredths += b.hundredths;
        return *this;
    }
    constexpr Hours& operator-=(Hours b)
    {
        hundredths -= b.hundredths;
        return *this;
    }
};

// The most hours one entry may hold: two shifts back to back.
inline constexpr Hours MaxEntryHours = Hours::Whole(48);

// "24", "10.5", "7.25", "-3": a dot, never the locale's comma, and no trailing zeros.
std::string FormatHours(Hours hours);
// Digits with at most two after an optional dot ("24", "10.5", "0.25"); no sign, no
// blanks. Nothing for anything else.
std::optional<Hours> ParseHours(std::string_view text);

} // namespace tenvik::records
