#pragma once

#include "records/Hours.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the user records on a day: a shift traded with a colleague, leave, extra hours or
// a note. One struct for the four kinds keeps the database row, the CSV line and the
// dialog the same shape; the fields a kind does not use stay at their defaults.
namespace tenvik::records {

enum class EntryKind { Trade, Leave, Extra, Note };

enum class TradeDirection {
    IWorkedForThem,  // they owe me the hours
    TheyWorkedForMe, // I owe them the hours
};

enum class LeaveKind { Vacation, Sick, Compensatory, Holiday, Other };
inline constexpr std::array AllLeaveKinds = {LeaveKind::Vacation, LeaveKind::Sick, LeaveKind::Compensatory,
                                             LeaveKind::Holiday, LeaveKind::Other};

enum class ExtraKind { Overtime, Callback };
enum class ExtraPay { Paid, Banked }; // banked hours become compensatory time

// The hours a trade starts with until the user says otherwise: one shift.
inline constexpr Hours DefaultShiftLength = Hours::Whole(24);

struct Entry {
    std::int64_t id = 0; // 0 until stored
    int day = 0;         // a whole day number
    EntryKind kind = EntryKind::Note;
    TradeDirection direction = TradeDirection::IWorkedForThem; // trades
    LeaveKind leave = LeaveKind::Vacation;                     // leave
    ExtraKind extra = ExtraKind::Overtime;                     // extra hours
    ExtraPay pay = ExtraPay::Paid;                             // extra hours
    std::string colleague;                                     // trades
    Hours hours;                                               // all but notes
    std::optional<std::int64_t> paysBack;                      // a trade: the earlier trade it settles
    std::string text;                                          // the note; a remark on the other kinds

    friend bool operator==(const Entry&, const Entry&) = default;
};

// The entry with the fields its kind does not use at their defaults (a note holds no
// hours), as the database keeps it and reads it back.
Entry Normalised(Entry entry);

// The words the database and the CSV files store: never translated.
std::string_view KindKeyword(EntryKind kind);
std::string_view DetailKeyword(const Entry& entry); // direction, leave kind or extra kind
std::string_view PayKeyword(ExtraPay pay);
std::optional<EntryKind> KindFromKeyword(std::string_view keyword);
// Sets the direction, leave kind or extra kind the keyword names for the entry's kind;
// false when it names none of them (a note takes only the empty keyword).
bool SetDetailFromKeyword(Entry& entry, std::string_view keyword);
std::optional<ExtraPay> PayFromKeyword(std::string_view keyword);

} // namespace tenvik::records
