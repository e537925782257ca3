#include "export/CalendarEvents.h"
#include "settings/Settings.h"

#include "core/Rotation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace tenvik {
namespace {

DayNumber Day(int year, int month, int day)
{
    return EncodeDate(year, month, day);
}

UserProfile Profile(std::string group, std::string agency = "Velmora Fire")
{
    UserProfile profile;
    profile.group = std::move(group);
    profile.agency = std::move(agency);
    return profile;
}

std::vector<EventKind> KindsOn(DayNumber day, const UserProfile& profile, const EventKinds& kinds = {})
{
    std::vector<EventKind> found;
    for (const DayEvent& event : EventsFor(day, day, profile, kinds))
        found.push_back(event.kind);
    return found;
}

TEST(UserProfileTest, ComesFromTheSavedSettingsAsTheWindowReadsThem)
{
    struct Case {
        const char* agency;
        const char* assignment;
        const char* wantAgency;
        const char* wantGroup;
    };
    const Case cases[] = {
        {"Ostrand Fire", "A3", "Ostrand Fire", "A3"},
        {"", "b7", "Velmora Fire", "B7"}, // an empty agency shows the default; the group is matched without case
        {"X", "C1", "X", "RDO"},          // no such group: none, as the assignment box does
        {"X", "", "X", "RDO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.assignment);
        SettingsRecord settings;
        settings.agency = c.agency;
        settings.assignment = c.assignment;
        settings.payPeriodStart = Day(2021, 1, 3);
        const UserProfile profile = ProfileFromSettings(settings);
        EXPECT_EQ(profile.agency, c.wantAgency);
        EXPECT_EQ(profile.group, c.wantGroup);
        EXPECT_EQ(profile.payPeriodStart, Day(2021, 1, 3));
    }
    EXPECT_EQ(ProfileTitle(Profile("A2")), "Velmora Fire - A2");
    EXPECT_EQ(ProfileTitle(Profile("RDO")), "Velmora Fire");
}

TEST(CalendarEventsTest, KnownDays)
{
    using K = EventKind;
    struct Case {
        DayNumber day;
        const char* group;
        std::vector<EventKind> kinds;
    };
    const Case cases[] = {
        {Day(2012, 1, 6), "A1", {K::Payday}}, // a payday before the RDO schedule
        {Day(2012, 1, 16), "A1", {}},         // no rotation shown before 17 January 2012
        {Day(2012, 1, 17), "A1", {K::Rdo}},   // the schedule's first day is A1's RDO
        {Day(2012, 1, 17), "B1", {}},         // an A day
        {Day(2012, 1, 17), "A2", {K::Duty}},
        {Day(2012, 1, 17), "RDO", {}}, // no group: no duty days, no RDOs
        {Day(2012, 1, 20), "A2", {K::Rdo, K::Payday}},
        {Day(2012, 1, 20), "A5", {K::Duty, K::Payday}},
        {Day(2020, 12, 20), "RDO", {K::PayPeriodStart}}, // PP1 with the default start
        {Day(2020, 12, 25), "B7", {K::Rdo, K::Payday}},
        {Day(2020, 12, 25), "B1", {K::Duty, K::Payday}},
        {Day(2021, 12, 5), "RDO", {K::PayPeriodStart}}, // PP26
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(CalendarYear(c.day)) + "-" + std::to_string(CalendarMonth(c.day)) + "-"
                     + std::to_string(CalendarDay(c.day)) + " " + c.group);
        EXPECT_EQ(KindsOn(c.day, Profile(c.group)), c.kinds);
    }
}

// Every day the user's platoon works is a duty day or the user's RDO, never both; each
// group has 14 RDOs in every 196 days.
TEST(CalendarEventsTest, DutyAndRdoSplitThePlatoonsWorkingDays)
{
    const DayNumber first = RdoAnchor;
    const DayNumber last = RdoAnchor + 2 * RdoCycleLength - 1;
    for (std::string_view code : AssignmentCodes) {
        if (code == "RDO")
            continue;
        SCOPED_TRACE(std::string(code));
        const UserProfile profile = Profile(std::string(code));
        std::map<DayNumber, std::vector<EventKind>> byDay;
        for (const DayEvent& event : EventsFor(first, last, profile, {true, true, false, false}))
            byDay[event.day].push_back(event.kind);
        int rdos = 0;
        for (DayNumber d = first; d <= last; d += 1) {
            const bool platoonWorks = static_cast<char>(ShiftCodeFor(d, "RDO")) == code.front();
            const auto it = byDay.find(d);
            ASSERT_EQ(it != byDay.end(), platoonWorks) << d;
            if (platoonWorks) {
                ASSERT_EQ(it->second.size(), 1u) << d;
                const bool rdo = it->second.front() == EventKind::Rdo;
                EXPECT_EQ(rdo, ShiftCodeFor(d, code) == ShiftCode::X) << d;
                rdos += rdo ? 1 : 0;
            }
        }
        EXPECT_EQ(rdos, 28);
    }
}

TEST(CalendarEventsTest, EachKindCanBeLeftOut)
{
    const DayNumber day = Day(2012, 1, 20); // A2's RDO and a payday
    UserProfile profile = Profile("A2");
    profile.payPeriodStart = day;
    EXPECT_EQ(KindsOn(day, profile).size(), 3u);
    EXPECT_EQ(KindsOn(day, profile, {true, false, true, true}),
              (std::vector{EventKind::Payday, EventKind::PayPeriodStart}));
    EXPECT_EQ(KindsOn(day, profile, {true, true, false, true}),
              (std::vector{EventKind::Rdo, EventKind::PayPeriodStart}));
    EXPECT_EQ(KindsOn(day, profile, {true, true, true, false}), (std::vector{EventKind::Rdo, EventKind::Payday}));
    EXPECT_EQ(KindsOn(Day(2012, 1, 17), Profile("A2"), {false, true, true, true}), std::vector<EventKind>{});
}

TEST(CalendarEventsTest, TextsNameTheGroupTheAgencyAndThePayPeriod)
{
    UserProfile profile = Profile("A2", "Ostrand Fire");
    profile.payPeriodStart = Day(2012, 1, 20);
    std::map<EventKind, DayEvent> events;
    for (const DayEvent& event : EventsFor(Day(2012, 1, 17), Day(2012, 1, 20), profile))
        events[event.kind] = event;
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[EventKind::Duty].summary, "On duty - A2");
    EXPECT_EQ(events[EventKind::Duty].description, "Ostrand Fire, group A2: A platoon on duty.");
    EXPECT_EQ(events[EventKind::Rdo].summary, "RDO - A2");
    EXPECT_EQ(events[EventKind::Payday].summary, "Payday - Ostrand Fire");
    EXPECT_EQ(events[EventKind::PayPeriodStart].summary, "PP1 begins - Ostrand Fire");
}

// The words come from one set of patterns a translation can replace; what is put into
// them (an agency with "%" in it) is never read as a pattern.
TEST(CalendarEventsTest, AnotherLanguagesPhrasesWordTheEvents)
{
    EventPhrases german;
    german.dutySummary = "Dienst - %1";
    german.dutyDescription = "%1, Gruppe %2: Zug %3 im Dienst.";
    german.rdoSummary = "Frei (%1)";
    german.paydaySummary = "Zahltag - %1";
    german.payPeriodSummary = "%2: %1 beginnt, 100%";
    german.payPeriodDescription = "%1: %2, %3 Tage, %4 %";
    german.rdoCategory = "Freischicht";
    UserProfile profile = Profile("A2", "Wache %2 & 50%");
    profile.payPeriodStart = Day(2012, 1, 20);
    std::map<EventKind, DayEvent> events;
    for (const DayEvent& event : EventsFor(Day(2012, 1, 17), Day(2012, 1, 20), profile, {}, german))
        events[event.kind] = event;
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[EventKind::Duty].summary, "Dienst - A2");
    EXPECT_EQ(events[EventKind::Duty].description, "Wache %2 & 50%, Gruppe A2: Zug A im Dienst.");
    EXPECT_EQ(events[EventKind::Rdo].summary, "Frei (A2)");
    EXPECT_EQ(events[EventKind::Rdo].description, "Wache %2 & 50%, group A2: Regular Day Off."); // not replaced
    EXPECT_EQ(events[EventKind::Rdo].category, "Freischicht");
    EXPECT_EQ(events[EventKind::Duty].category, "Duty");
    EXPECT_EQ(events[EventKind::Payday].summary, "Zahltag - Wache %2 & 50%");
    EXPECT_EQ(events[EventKind::PayPeriodStart].summary, "Wache %2 & 50%: PP1 beginnt, 100%");
    EXPECT_EQ(events[EventKind::PayPeriodStart].description, "Wache %2 & 50%: PP1, 14 Tage, %4 %");
}

// Two people of one household import into one shared calendar: their duty days and RDOs
// must never share an identifier, while the agency's paydays and pay periods may.
TEST(CalendarEventsTest, IdentifiersNameTheGroupOfDutyDaysAndRdos)
{
    struct Case {
        EventKind kind;
        const char* group;
        const char* uid;
    };
    const Case cases[] = {
        {EventKind::Rdo, "A2", "20261210-rdo-a2@tenvik.example.org"},
        {EventKind::Duty, "B7", "20261210-duty-b7@tenvik.example.org"},
        {EventKind::Payday, "A2", "20261210-payday@tenvik.example.org"},
        {EventKind::PayPeriodStart, "B7", "20261210-pp@tenvik.example.org"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.uid);
        EXPECT_EQ(EventUid(Day(2026, 12, 10), c.kind, c.group), c.uid);
    }
    EXPECT_EQ(EventUid(Day(1901, 1, 1), EventKind::Rdo, "B1"), "19010101-rdo-b1@tenvik.example.org");

    // A year for every group: no duty or RDO identifier is shared; the others are.
    std::map<std::string, std::string> dutyAndRdoOwners;
    std::map<std::string, int> agencyWide;
    for (std::string_view group : AssignmentCodes) {
        if (group == AssignmentCodes.front())
            continue;
        for (const DayEvent& event : EventsFor(Day(2027, 1, 1), Day(2027, 12, 31), Profile(std::string(group)))) {
            if (event.kind == EventKind::Duty || event.kind == EventKind::Rdo) {
                const auto [owner, added] = dutyAndRdoOwners.emplace(event.uid, group);
                EXPECT_TRUE(added) << event.uid << " of " << group << " and of " << owner->second;
            } else {
                ++agencyWide[event.uid];
            }
        }
    }
    EXPECT_GT(dutyAndRdoOwners.size(), 14u * 150u);
    for (const auto& [uid, count] : agencyWide)
        EXPECT_EQ(count, 14) << uid;
}

// The entries join the days' events after them, in the order given, within the range only.
TEST(CalendarEventsTest, EntriesFollowTheirDaysEvents)
{
    const UserProfile profile = Profile("A2");
    std::vector<DayEvent> events = EventsFor(Day(2027, 1, 4), Day(2027, 1, 6), profile);
    const std::size_t before = events.size();
    const std::vector<EntryEventText> entries = {
        {Day(2027, 1, 3), 1, "too early", ""},  {Day(2027, 1, 5), 42, "Worked for Ana", ""},
        {Day(2027, 1, 4), 7, "Note", "a text"}, {Day(2027, 1, 5), 3, "Vacation", ""},
        {Day(2027, 1, 7), 9, "too late", ""},
    };
    AddEntryEvents(events, entries, Day(2027, 1, 4), Day(2027, 1, 6), "Mine");

    ASSERT_EQ(events.size(), before + 3);
    EXPECT_TRUE(std::is_sorted(events.begin(), events.end(),
                               [](const DayEvent& a, const DayEvent& b) { return a.day < b.day; }));
    std::vector<std::string> entryUids;
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (events[i].kind != EventKind::Entry)
            continue;
        entryUids.push_back(events[i].uid);
        EXPECT_EQ(events[i].category, "Mine");
        // Nothing of the rotation comes after an entry on its day.
        if (i + 1 < events.size() && events[i + 1].day == events[i].day) {
            EXPECT_EQ(events[i + 1].kind, EventKind::Entry);
        }
    }
    EXPECT_EQ(entryUids,
              (std::vector<std::string>{"20270104-entry-7@tenvik.example.org", "20270105-entry-42@tenvik.example.org",
                                        "20270105-entry-3@tenvik.example.org"}));
}

} // namespace
} // namespace tenvik
