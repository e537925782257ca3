#include "export/CalendarEvents.h"

#include "core/AsciiText.h"
#include "export/IsoDate.h"

#include <utility>

namespace tenvik {
namespace {

constexpr std::string_view UidDomain = "tenvik.example.org";

std::string DutySummary(const ExportProfile& profile)
{
    return "On duty - " + profile.group;
}

std::string DutyDescription(const ExportProfile& profile)
{
    return profile.agency + ", group " + profile.group + ": " + std::string(1, *profile.Platoon())
        + " platoon on duty.";
}

std::string RdoSummary(const ExportProfile& profile)
{
    return "RDO - " + profile.group;
}

std::string RdoDescription(const ExportProfile& profile)
{
    return profile.agency + ", group " + profile.group + ": Regular Day Off.";
}

// A phone calendar may hold the paydays of more than one employer; the agency tells them apart.
std::string PaydaySummary(const ExportProfile& profile)
{
    return "Payday - " + profile.agency;
}

std::string PaydayDescription(const ExportProfile& profile)
{
    return profile.agency + ": payday.";
}

std::string PayPeriodSummary(const ExportProfile& profile, const std::string& label)
{
    return label + " begins - " + profile.agency;
}

std::string PayPeriodDescription(const ExportProfile& profile, const std::string& label)
{
    return profile.agency + ": pay period " + label + " begins today and runs " + std::to_string(PayPeriodLength)
        + " days.";
}

} // namespace

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

std::vector<DayEvent> EventsFor(DayNumber first, DayNumber last, const ExportProfile& profile, const EventKinds& kinds)
{
    std::vector<DayEvent> events;
    for (auto day = static_cast<DayNumber>(WholeDay(first)); day <= last; day += 1) {
        const DayMarks marks = MarksFor(day, profile);
        const auto add = [&](EventKind kind, std::string summary, std::string description) {
            events.push_back(
                {day, kind, EventUid(day, kind, profile.group), std::move(summary), std::move(description)});
        };
        if (kinds.duty && marks.onDuty)
            add(EventKind::Duty, DutySummary(profile), DutyDescription(profile));
        if (kinds.rdo && marks.ownRdo)
            add(EventKind::Rdo, RdoSummary(profile), RdoDescription(profile));
        if (kinds.payday && marks.payday)
            add(EventKind::Payday, PaydaySummary(profile), PaydayDescription(profile));
        if (kinds.payPeriodStart && !marks.payPeriodStart.empty())
            add(EventKind::PayPeriodStart, PayPeriodSummary(profile, marks.payPeriodStart),
                PayPeriodDescription(profile, marks.payPeriodStart));
    }
    return events;
}

} // namespace tenvik
