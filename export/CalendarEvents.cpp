#include "export/CalendarEvents.h"

#include "core/AsciiText.h"
#include "core/DayMarks.h"
#include "core/IsoDate.h"

#include <algorithm>
#include <string>
#include <utility>

namespace tenvik {
namespace {

constexpr std::string_view UidDomain = "tenvik.example.org";

} // namespace

DayNumber CalendarFileEnd(DayNumber first)
{
    return std::min(first + CalendarFileDays, MaxViewDate);
}

std::string_view KindName(EventKind kind)
{
    switch (kind) {
    case EventKind::Duty:
        return "duty";
    case EventKind::Rdo:
        return "rdo";
    case EventKind::Payday:
        return "payday";
    case EventKind::PayPeriodStart:
        return "pp";
    case EventKind::Entry:
        return "entry";
    }
    return "day";
}

std::string EventUid(DayNumber day, EventKind kind, std::string_view group)
{
    std::string uid = FormatBasicDate(day) + "-" + std::string(KindName(kind));
    if (kind == EventKind::Duty || kind == EventKind::Rdo) {
        uid += '-';
        for (char c : group)
            uid += AsciiLower(c);
    }
    return uid + "@" + std::string(UidDomain);
}

std::string EntryUid(DayNumber day, std::int64_t id)
{
    return FormatBasicDate(day) + "-" + std::string(KindName(EventKind::Entry)) + "-" + std::to_string(id) + "@"
        + std::string(UidDomain);
}

void AddEntryEvents(std::vector<DayEvent>& events, std::span<const EntryEventText> entries, DayNumber first,
                    DayNumber last, std::string_view category)
{
    const auto firstDay = static_cast<DayNumber>(WholeDay(first));
    for (const EntryEventText& entry : entries) {
        if (entry.day < firstDay || entry.day > last)
            continue;
        DayEvent event{entry.day,     EventKind::Entry,  EntryUid(entry.day, entry.id),
                       entry.summary, entry.description, std::string(category)};
        // After every event of its day and the entries added before it.
        const auto place = std::upper_bound(events.begin(), events.end(), entry.day,
                                            [](DayNumber day, const DayEvent& other) { return day < other.day; });
        events.insert(place, std::move(event));
    }
}

std::vector<DayEvent> EventsFor(DayNumber first, DayNumber last, const UserProfile& profile, const EventKinds& kinds,
                                const EventPhrases& phrases)
{
    const std::string_view agency = profile.agency;
    const std::string_view group = profile.group;
    const std::string platoon(1, profile.Platoon().value_or(' '));
    const std::string days = std::to_string(PayPeriodLength);
    std::vector<DayEvent> events;
    for (auto day = static_cast<DayNumber>(WholeDay(first)); day <= last; day += 1) {
        const DayMarks marks = MarksFor(day, profile);
        const auto add = [&](EventKind kind, std::string summary, std::string description,
                             const std::string& category) {
            events.push_back(
                {day, kind, EventUid(day, kind, group), std::move(summary), std::move(description), category});
        };
        if (kinds.duty && marks.onDuty)
            add(EventKind::Duty, FillIn(phrases.dutySummary, {group}),
                FillIn(phrases.dutyDescription, {agency, group, platoon}), phrases.dutyCategory);
        if (kinds.rdo && marks.ownRdo)
            add(EventKind::Rdo, FillIn(phrases.rdoSummary, {group}), FillIn(phrases.rdoDescription, {agency, group}),
                phrases.rdoCategory);
        if (kinds.payday && marks.payday)
            add(EventKind::Payday, FillIn(phrases.paydaySummary, {agency}), FillIn(phrases.paydayDescription, {agency}),
                phrases.paydayCategory);
        if (kinds.payPeriodStart && marks.payPeriodStart)
            add(EventKind::PayPeriodStart, FillIn(phrases.payPeriodSummary, {marks.payPeriodLabel, agency}),
                FillIn(phrases.payPeriodDescription, {agency, marks.payPeriodLabel, days}), phrases.payPeriodCategory);
    }
    return events;
}

std::vector<DayEvent> PlatoonEventsFor(DayNumber first, DayNumber last, char platoon, std::string_view agency,
                                       const EventPhrases& phrases)
{
    const std::string letter(1, platoon);
    const auto code = static_cast<ShiftCode>(platoon);
    std::vector<DayEvent> events;
    for (auto day = static_cast<DayNumber>(WholeDay(first)); day <= last; day += 1) {
        if (MarksFor(day, UserProfile{}).platoon != code)
            continue;
        events.push_back({day, EventKind::Duty, EventUid(day, EventKind::Duty, letter),
                          FillIn(phrases.platoonSummary, {letter}),
                          FillIn(phrases.platoonDescription, {agency, letter}), phrases.dutyCategory});
    }
    return events;
}

} // namespace tenvik
