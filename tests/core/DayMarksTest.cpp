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

TEST(DayMarks, KnownDays)
{
    using S = ShiftCode;
    struct Case {
        DayNumber day;
        const char* group;
        S shift;
        S platoon;
        bool onDuty;
        bool ownRdo;
        std::string_view rdoGroup;
        bool payday;
    };
    const Case cases[] = {
        {40914, "A1", S::Z, S::Z, false, false, "", true},     // Friday 6 January 2012: a payday, no rotation yet
        {40924, "A1", S::Z, S::Z, false, false, "", false},    // the last day before the RDO schedule
        {40925, "A1", S::X, S::A, false, true, "A1", false},   // its first day is A1's RDO
        {40925, "A2", S::A, S::A, true, false, "A1", false},   // and an A day for the rest of A
        {40925, "B1", S::A, S::A, false, false, "A1", false},  // B is off
        {40925, "RDO", S::A, S::A, false, false, "A1", false}, // no group: never on duty
        {40928, "A2", S::X, S::A, false, true, "A2", true},    // Friday 20 January 2012
        {40928, "A5", S::A, S::A, true, false, "A2", true},
        {44190, "B7", S::X, S::B, false, true, "B7", true}, // Friday 25 December 2020
        {44190, "B1", S::B, S::B, true, false, "B7", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + " " + c.group);
        const DayMarks marks = MarksFor(c.day, Profile(c.group));
        EXPECT_EQ(marks.shift, c.shift);
        EXPECT_EQ(marks.platoon, c.platoon);
        EXPECT_EQ(marks.onDuty, c.onDuty);
        EXPECT_EQ(marks.ownRdo, c.ownRdo);
        EXPECT_EQ(marks.rdoGroup, c.rdoGroup);
        EXPECT_EQ(marks.payday, c.payday);
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

// The grid, the status line, the spoken day and the exports read the marks; the marks must
// say what each rule says on its own, for every group, over two RDO cycles and a shifted
// pay-period start.
TEST(DayMarks, AgreeWithEveryRuleForEveryGroup)
{
    const DayNumber payPeriodStart = 41000;
    for (std::string_view group : AssignmentCodes) {
        SCOPED_TRACE(std::string(group));
        const UserProfile profile = Profile(std::string(group), payPeriodStart);
        for (DayNumber d = RdoAnchor - 20; d < RdoAnchor + 2 * RdoCycleLength; d += 1) {
            const DayMarks marks = MarksFor(d, profile);
            ASSERT_EQ(marks.shift, ShiftCodeFor(d, group)) << d;
            ASSERT_EQ(marks.platoon, ShiftCodeFor(d, "RDO")) << d;
            ASSERT_EQ(marks.ownRdo, marks.shift == ShiftCode::X) << d;
            // On duty: the own platoon's day that is not the own RDO.
            const bool platoonWorks = group != "RDO" && static_cast<char>(marks.platoon) == group.front();
            ASSERT_EQ(marks.onDuty, platoonWorks && !marks.ownRdo) << d;
            ASSERT_EQ(marks.rdoGroup, RdoLabelFor(d)) << d;
            ASSERT_EQ(marks.payday, IsPayday(d)) << d;
            ASSERT_EQ(marks.payPeriodStart, IsPayPeriodStart(d, payPeriodStart)) << d;
            ASSERT_EQ(marks.payPeriodLabel, PayPeriodLabel(d, payPeriodStart)) << d;
        }
    }
}

} // namespace
} // namespace tenvik
