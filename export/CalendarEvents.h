#pragma once

#include "core/DayNumber.h"
#include "core/Profile.h"
#include "export/EventPhrases.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The all-day events of a calendar export: one per day and kind, each with an
// identifier that depends on nothing but the day, the kind and, for duty days and RDOs,
// the group, so that a calendar program importing a newer file updates its events instead
// of adding copies, and two people of one household in different groups never overwrite
// each other's days in a shared calendar.
namespace tenvik {

// A calendar file covers this many days after its first unless told otherwise: a year and
// a day in all.
inline constexpr int CalendarFileDays = 365;
// The last day of a calendar file of the usual length that begins on first, kept within
// the calendar's range.
DayNumber CalendarFileEnd(DayNumber first);

enum class EventKind { Duty, Rdo, Payday, PayPeriodStart, Entry };

// Which kinds an export carries; every kind by default.
struct EventKinds {
    bool duty = true;
    bool rdo = true;
    bool payday = true;
    bool payPeriodStart = true;
};

struct DayEvent {
    DayNumber day = 0;
    EventKind kind = EventKind::Duty;
    std::string uid;
    std::string summary;
    std::string description;
    std::string category;
};

// The short name of a kind in identifiers and categories: "duty", "rdo", "payday", "pp",
// "entry".
std::string_view KindName(EventKind kind);
// "20261210-rdo-a2@tenvik.example.org" for a duty day or an RDO of group A2;
// "20261210-payday@tenvik.example.org" for the paydays and pay periods, which are the same
// for everyone in the agency.
std::string EventUid(DayNumber day, EventKind kind, std::string_view group);

// An entry the user recorded on a day, already worded: this layer knows nothing of the
// records but their ids, which stay with an entry while it lives.
struct EntryEventText {
    DayNumber day = 0;
    std::int64_t id = 0;
    std::string summary;
    std::string description;
};

// "20270113-entry-42@tenvik.example.org": the day and the entry's id, so that a newer file
// updates the event of an edited entry and no entry's event takes another's place.
std::string EntryUid(DayNumber day, std::int64_t id);

// Adds an event for each entry on the days first to last, after the other events of its
// day and in the order given, keeping events in date order.
void AddEntryEvents(std::vector<DayEvent>& events, std::span<const EntryEventText> entries, DayNumber first,
                    DayNumber last, std::string_view category);

// Every event of the days from first to last, both included, in date order and, within a
// day, in the order of EventKind, worded by phrases.
std::vector<DayEvent> EventsFor(DayNumber first, DayNumber last, const UserProfile& profile,
                                const EventKinds& kinds = {}, const EventPhrases& phrases = {});

// Every day from first to last on which the platoon ('A' or 'B') works, RDOs or not: the
// days of a platoon's published calendar. The identifiers name the platoon where a
// group's name the group ("20261210-duty-a@tenvik.example.org").
std::vector<DayEvent> PlatoonEventsFor(DayNumber first, DayNumber last, char platoon, std::string_view agency,
                                       const EventPhrases& phrases = {});

} // namespace tenvik
