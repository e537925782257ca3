#pragma once

#include "core/DayNumber.h"
#include "records/Entry.h"
#include "records/RecordsFile.h"

#include <cstdint>
#include <optional>
#include <string>

// Short ways to make the entries and the database the records tests work on.
namespace tenvik::testing {

inline int Day(int year, int month, int day)
{
    return static_cast<int>(WholeDay(EncodeDate(year, month, day)));
}

inline records::Entry Trade(int day, records::TradeDirection direction, std::string colleague, double hours,
                            std::optional<std::int64_t> paysBack = std::nullopt)
{
    records::Entry entry;
    entry.day = day;
    entry.kind = records::EntryKind::Trade;
    entry.direction = direction;
    entry.colleague = std::move(colleague);
    entry.hours = records::Hours{static_cast<int>(hours * 100)};
    entry.paysBack = paysBack;
    return entry;
}

inline records::Entry Leave(int day, records::LeaveKind kind, double hours)
{
    records::Entry entry;
    entry.day = day;
    entry.kind = records::EntryKind::Leave;
    entry.leave = kind;
    entry.hours = records::Hours{static_cast<int>(hours * 100)};
    return entry;
}

inline records::Entry Extra(int day, records::ExtraKind kind, records::ExtraPay pay, double hours)
{
    records::Entry entry;
    entry.day = day;
    entry.kind = records::EntryKind::Extra;
    entry.extra = kind;
    entry.pay = pay;
    entry.hours = records::Hours{static_cast<int>(hours * 100)};
    return entry;
}

inline records::Entry Note(int day, std::string text)
{
    records::Entry entry;
    entry.day = day;
    entry.kind = records::EntryKind::Note;
    entry.text = std::move(text);
    return entry;
}

// The moment every test opens its database at, unless it says otherwise.
inline constexpr records::Moment TestMoment{{2026, 12, 10}, 9, 30, 0};

} // namespace tenvik::testing
