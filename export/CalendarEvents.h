#pragma once

#include "core/DayNumber.h"
#include "core/Profile.h"
#include "export/EventPhrases.h"

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

enum class EventKind { Duty, Rdo, Payday, PayPeriodStart };

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

// The short name of a kind in identifiers and categories: "duty", "rdo", "payday", "pp".
std::string_view KindName(EventKind kind);
// "20261210-rdo-a2@tenvik.example.org" for a duty day or an RDO of group A2;
// "20261210-payday@tenvik.example.org" for the paydays and pay periods, which are the same
// for everyone in the agency.
std::string EventUid(DayNumber day, EventKind kind, std::string_view group);

// Every event of the days from first to last, both included, in date order and, within a
// day, in the order of EventKind, worded by phrases.
std::vector<DayEvent> EventsFor(DayNumber first, DayNumber last, const UserProfile& profile,
                                const EventKinds& kinds = {}, const EventPhrases& phrases = {});

} // namespace tenvik
