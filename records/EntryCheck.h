#pragma once

#include "records/Entry.h"

#include <optional>
#include <string_view>

// The checks every entry passes before anything is written, from the dialog and from a
// CSV file alike. A problem is a fact; the window and tenvik-export put it into words.
namespace tenvik::records {

enum class EntryProblemKind {
    HoursOutOfRange,  // below 0 or above 48
    DayOutOfRange,    // before 1 January 1901 or after 31 December 2060
    ControlCharacter, // a tab, a line break or another control character in a text
    InvalidText,      // bytes that are no UTF-8
    TextTooLong,      // more than MaxTextBytes
    MissingColleague, // a trade names nobody
    EmptyNote,        // a note with no text
    PaysBackUnknown,  // the trade it settles is not there, or is no trade
    PaysBackMismatch, // it settles a trade of another colleague, the same direction, a later day, or itself
    NoSuchEntry,      // an edit or a removal of an entry that is gone
};

// The field a problem is about, as the CSV header names it.
struct EntryProblem {
    EntryProblemKind kind;
    std::string_view field;
    friend bool operator==(const EntryProblem&, const EntryProblem&) = default;
};

// A colleague's name or a note; far beyond what a day needs, short of what would slow
// the month's reading.
inline constexpr std::size_t MaxTextBytes = 4000;

// The checks that need nothing but the entry itself (the link of a payback is checked
// against the database).
std::optional<EntryProblem> CheckEntry(const Entry& entry);
// The checks of one text alone: control characters, UTF-8, length.
std::optional<EntryProblemKind> CheckText(std::string_view text);

} // namespace tenvik::records
