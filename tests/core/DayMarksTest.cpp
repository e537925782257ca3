#include "core/DayMarks.h"
#include "core/Payday.h"
#include "core/Profile.h"
#include "core/Rotation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace tenvik {
namespace {

UserProfile Profile(std::string group, DayNumber payPeriodStart = DefaultPayPeriodStart)
{
    UserProfile profile;
    profile.group = std::move(group);
    profile.payPeriodStart = payPeriodStart;
    return profile;
}

TEST(UserProfile, GroupLookupAsTheAssignmentBoxDoesIt)
{
    struct Case {
        std::string_view text;
        std::optional<std::string_view> code;
        int index;
    };
    const Case cases[] = {
        {"RDO", "RDO", 0},       {"rdo", "RDO", 0},        {"A1", "A1", 1},          {"a3", "A3", 3},
        {"B7", "B7", 14},        {"b7", "B7", 14},         {"", std::nullopt, 0},    {"C1", std::nullopt, 0},
        {"A8", std::nullopt, 0}, {" A1", std::nullopt, 0}, {"A1 ", std::nullopt, 0}, {"A", std::nullopt, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(AssignmentCodeFor(c.text), c.code);
        EXPECT_EQ(AssignmentIndexFor(c.text), c.index);
    }
}

TEST(UserProfile, NoGroupAndTheTitle)
{
    struct Case {
        const char* agency;
        const char* group;
        std::optional<char> platoon;
        const char* title;
    };
    const Case cases[] = {
        {"Velmora Fire", "A2", 'A', "Velmora Fire - A2"},
        {"Ostrand Fire", "B7", 'B', "Ostrand Fire - B7"},
        {"Velmora Fire", "RDO", std::nullopt, "Velmora Fire"},
        {"Velmora Fire", "", std::nullopt, "Velmora Fire"}, // the assignment box with nothing selected
        {"", "A2", 'A', " - A2"},                           // the title shows the field as it is
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.agency) + "/" + c.group);
        UserProfile profile = Profile(c.group);
        profile.agency = c.agency;
        EXPECT_EQ(profile.Platoon(), c.platoon);
        EXPECT_EQ(profile.HasGroup(), c.platoon.has_value());
        EXPECT_EQ(ProfileTitle(profile), c.title);
    }
    EXPECT_EQ(AgencyOrDefault(""), "Velmora Fire");
    EXPECT_EQ(AgencyOrDefault(" "), " ");
    EXPECT_EQ(AgencyOrDefault("Harbour Rescue"), "Harbour Rescue");
}

// The grid, the status line, the spoken day and the exports read the marks: known days of
// groups of either platoon and of none, with the pay periods counted from the default start
// and from a moved one (Sunday 1 April 2012), across that start and a year on.
TEST(DayMarks, KnownDays)
{
    using S = ShiftCode;
    constexpr DayNumber Moved = 41000;
    struct Case {
        DayNumber day;
        const char* group;
        DayNumber payPeriodStart;
        S shift;
        S platoon;
        bool onDuty;
        std::string_view rdoGroup;
        bool payday;
        bool periodStart;
        const char* period;
    };
    const Case cases[] = {
        // Friday 6 January 2012: a payday, no rotation yet
        {40914, "A1", DefaultPayPeriodStart, S::Z, S::Z, false, "", true, false, ""},
        // the last day before the RDO schedule
        {40924, "A1", DefaultPayPeriodStart, S::Z, S::Z, false, "", false, false, ""},
        // its first day is A1's RDO, an A day for the rest of A, and B is off
        {40925, "A1", DefaultPayPeriodStart, S::X, S::A, false, "A1", false, false, ""},
        {40925, "A2", DefaultPayPeriodStart, S::A, S::A, true, "A1", false, false, ""},
        {40925, "B1", DefaultPayPeriodStart, S::A, S::A, false, "A1", false, false, ""},
        {40925, "RDO", DefaultPayPeriodStart, S::A, S::A, false, "A1", false, false, ""}, // no group: never on duty
        // Friday 20 January 2012
        {40928, "A2", DefaultPayPeriodStart, S::X, S::A, false, "A2", true, false, ""},
        {40928, "A5", DefaultPayPeriodStart, S::A, S::A, true, "A2", true, false, ""},
        // Friday 25 December 2020
        {44190, "B7", DefaultPayPeriodStart, S::X, S::B, false, "B7", true, false, "PP1"},
        {44190, "B1", DefaultPayPeriodStart, S::B, S::B, true, "B7", true, false, "PP1"},
        // Saturday 31 March 2012, the day before the moved start, and the start itself
        {40999, "B5", Moved, S::X, S::B, false, "B5", false, false, ""},
        {41000, "A5", Moved, S::X, S::A, false, "A5", false, true, "PP1"},
        {41000, "A1", Moved, S::A, S::A, true, "A5", false, true, "PP1"},
        {41000, "B2", Moved, S::A, S::A, false, "A5", false, true, "PP1"},
        {41000, "RDO", Moved, S::A, S::A, false, "A5", false, true, "PP1"},
        // Friday 13 April 2012 and Sunday 15 April 2012
        {41012, "B3", Moved, S::A, S::A, false, "A3", true, false, "PP1"},
        {41014, "B1", Moved, S::B, S::B, true, "B4", false, true, "PP2"},
        // Saturday 30 March 2013, and the next day, 364 days on
        {41363, "B7", Moved, S::X, S::B, false, "B7", false, false, "PP26"},
        {41364, "A7", Moved, S::X, S::A, false, "A7", false, true, "PP1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + " " + c.group);
        const DayMarks marks = MarksFor(c.day, Profile(c.group, c.payPeriodStart));
        EXPECT_EQ(marks.shift, c.shift);
        EXPECT_EQ(marks.platoon, c.platoon);
        EXPECT_EQ(marks.onDuty, c.onDuty);
        EXPECT_EQ(marks.ownRdo, c.shift == S::X);
        EXPECT_EQ(marks.rdoGroup, c.rdoGroup);
        EXPECT_EQ(marks.payday, c.payday);
        EXPECT_EQ(marks.payPeriodStart, c.periodStart);
        EXPECT_EQ(marks.payPeriodLabel, c.period);
    }
}

TEST(DayMarks, PayPeriodsAsNumberAndLabel)
{
    struct Case {
        DayNumber day;
        bool start;
        int number;
        const char* label;
    };
    const Case cases[] = {
        {44184, false, 0, ""},                                 // the day before the default start
        {44185, true, 1, "PP1"},                               // Sunday 20 December 2020
        {44198, false, 1, "PP1"},                              // the last day of PP1
        {44199, true, 2, "PP2"},    {44535, true, 26, "PP26"}, // Sunday 5 December 2021
        {44548, false, 26, "PP26"}, {44549, true, 1, "PP1"},   // 364 days on, the count starts again
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        const DayMarks marks = MarksFor(c.day, Profile("RDO"));
        EXPECT_EQ(marks.payPeriodStart, c.start);
        EXPECT_EQ(marks.payPeriod, c.number);
        EXPECT_EQ(marks.payPeriodLabel, c.label);
        EXPECT_EQ(PayPeriodLabelOf(c.number), c.label);
    }
    // The profile's start, not the default, counts.
    const DayMarks moved = MarksFor(44199, Profile("RDO", 44199));
    EXPECT_EQ(moved.payPeriod, 1);
    EXPECT_TRUE(moved.payPeriodStart);
}

} // namespace
} // namespace tenvik
