#pragma once

#include "records/Entry.h"

#include <span>

// Which marks a day of the grid carries for the user's entries: one per kind of entry the
// day holds, whatever their number, hours or direction.
namespace tenvik::records {

struct EntryMarks {
    bool trade = false;
    bool leave = false;
    bool extra = false;
    bool note = false;

    bool Any() const { return trade || leave || extra || note; }
    friend bool operator==(const EntryMarks&, const EntryMarks&) = default;
};

// The marks of day from entries of any days (those of other days are passed over).
EntryMarks EntryMarksOf(int day, std::span<const Entry> entries);

} // namespace tenvik::records
