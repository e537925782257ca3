#include "core/Rotation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tenvik {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

constexpr auto Groups = [] {
    std::array<std::string_view, AssignmentCodes.size() - 1> groups{};
    std::copy(AssignmentCodes.begin() + 1, AssignmentCodes.end(), groups.begin());
    return groups;
}();

// The platoon on duty, as a user in no group sees it.
char PlatoonOnDuty(DayNumber d)
{
    return static_cast<char>(ShiftCodeFor(d, "RDO"));
}

TEST(ShiftCodeFor, KnownDays)
{
    struct Case {
        DayNumber day;
        ShiftCode noGroup;
        std::string_view ownGroup; // the group that sees 'X', or empty when none does
        std::string_view label;
    };
    const Case cases[] = {
        {40908, ShiftCode::Z, "", ""},     // 31 December 2011, the rotation's anchor
        {40924, ShiftCode::Z, "", ""},     // 16 January 2012
        {40924.9, ShiftCode::Z, "", ""},   // late on 16 January 2012: still before the schedule
        {40925, ShiftCode::A, "A1", "A1"}, // 17 January 2012, the schedule's first day
        {40926, ShiftCode::B, "B1", "B1"}, // 18 January 2012
        {40927, ShiftCode::B, "B2", "B2"}, // 19 January 2012
        {40928, ShiftCode::A, "A2", "A2"}, // 20 January 2012
        {41121, ShiftCode::A, "A1", "A1"}, // 31 July 2012, the second cycle
        {44190, ShiftCode::B, "B7", "B7"}, // 25 December 2020
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        EXPECT_EQ(ShiftCodeFor(c.day, "RDO"), c.noGroup);
        EXPECT_EQ(RdoLabelFor(c.day), c.label);
        for (const std::string_view group : Groups) {
            const ShiftCode expected = group == c.ownGroup ? ShiftCode::X : c.noGroup;
            EXPECT_EQ(ShiftCodeFor(c.day, group), expected) << group;
        }
    }
}

// Regression: the schedule's first day had no label although its group saw it as 'X'.
TEST(RdoLabelFor, FirstDayOfTheScheduleIsLabelled)
{
    EXPECT_EQ(RdoLabelFor(RdoAnchor), "A1");
    EXPECT_EQ(ShiftCodeFor(RdoAnchor, RdoLabelFor(RdoAnchor)), ShiftCode::X);
    EXPECT_EQ(RdoLabelFor(RdoAnchor - 1), "");
}

// Two days A, two days B, without end; together with the known days this pins the rotation.
TEST(ShiftCodeFor, PlatoonsAlternateInPairs)
{
    for (DayNumber d = RdoAnchor; d + 4 <= MaxViewDate; ++d) {
        ASSERT_EQ(PlatoonOnDuty(d), PlatoonOnDuty(d + 4)) << d;
        ASSERT_NE(PlatoonOnDuty(d), PlatoonOnDuty(d + 2)) << d;
    }
}

TEST(RdoTable, EachGroupFourteenTimesSixteenDaysApart)
{
    std::map<std::string_view, std::vector<int>> positions;
    for (int i = 0; i < RdoCycleLength; ++i)
        positions[RdoTable[static_cast<std::size_t>(i)]].push_back(i);

    ASSERT_EQ(positions.size(), Groups.size());
    for (const std::string_view group : Groups) {
        SCOPED_TRACE(group);
        const std::vector<int>& days = positions[group];
        ASSERT_EQ(days.size(), 14U);
        std::multiset<int> gaps;
        for (std::size_t i = 0; i < days.size(); ++i) {
            const int next = i + 1 < days.size() ? days[i + 1] : days.front() + RdoCycleLength;
            gaps.insert(next - days[i]);
        }
        EXPECT_EQ(gaps.count(16), 12U);
        EXPECT_EQ(gaps.count(3), 1U);
        EXPECT_EQ(gaps.count(1), 1U);
    }
}

// A group's RDO falls on a day its own platoon works, in every cycle.
TEST(RdoTable, EveryEntryMatchesThePlatoonOnDuty)
{
    for (const DayNumber cycleStart : {RdoAnchor, RdoAnchor + 196, RdoAnchor + 50 * 196}) {
        for (int i = 0; i < RdoCycleLength; ++i) {
            const DayNumber day = cycleStart + i;
            ASSERT_EQ(RdoTable[static_cast<std::size_t>(i)].front(), PlatoonOnDuty(day)) << "entry " << i;
        }
    }
}

TEST(ShiftCodeFor, FourteenRdosInEvery196Days)
{
    for (const std::string_view group : Groups) {
        SCOPED_TRACE(group);
        auto isRdo = [group](DayNumber d) { return ShiftCodeFor(d, group) == ShiftCode::X; };
        int inWindow = 0;
        for (DayNumber d = RdoAnchor; d < RdoAnchor + RdoCycleLength; ++d)
            inWindow += isRdo(d) ? 1 : 0;
        // Slide the window a day at a time across the whole shown range after the anchor.
        for (DayNumber start = RdoAnchor; start + RdoCycleLength <= MaxViewDate + 1; ++start) {
            ASSERT_EQ(inWindow, 14) << "window from " << start;
            inWindow += (isRdo(start + RdoCycleLength) ? 1 : 0) - (isRdo(start) ? 1 : 0);
        }
    }
}

// Each day from the anchor on: 'X' exactly for the labelled group, and that group's
// platoon is the one on duty; every other group sees the platoon letter.
TEST(ShiftCodeFor, OwnRdoExactlyOnTheLabelledDays)
{
    for (DayNumber d = RdoAnchor; d <= MaxViewDate; ++d) {
        const std::string_view label = RdoLabelFor(d);
        const char platoon = PlatoonOnDuty(d);
        ASSERT_TRUE(platoon == 'A' || platoon == 'B') << d;
        ASSERT_EQ(label.front(), platoon) << d;
        for (const std::string_view group : Groups) {
            const ShiftCode expected = group == label ? ShiftCode::X : static_cast<ShiftCode>(platoon);
            ASSERT_EQ(ShiftCodeFor(d, group), expected) << d << ' ' << group;
        }
    }
}

TEST(ShiftCodeFor, GroupIsMatchedExactly)
{
    const DayNumber a1Day = 40925;
    EXPECT_EQ(ShiftCodeFor(a1Day, "A1"), ShiftCode::X);
    for (const std::string_view near : {"a1", "A1 ", " A1", "A", "", "RDO", "A10"})
        EXPECT_EQ(ShiftCodeFor(a1Day, near), ShiftCode::A) << '"' << near << '"';
}

TEST(ShiftCodeFor, NonFiniteDays)
{
    EXPECT_EQ(ShiftCodeFor(NaN, "A1"), ShiftCode::Z); // day 0
    EXPECT_EQ(RdoLabelFor(NaN), "");
    EXPECT_EQ(ShiftCodeFor(-Inf, "A1"), ShiftCode::Z);
    EXPECT_EQ(RdoLabelFor(-Inf), "");
    for (const std::string_view group : AssignmentCodes)
        EXPECT_EQ(ShiftCodeFor(Inf, group), ShiftCodeFor(MaxEncodableDate, group)) << group;
    EXPECT_EQ(RdoLabelFor(Inf), RdoLabelFor(MaxEncodableDate));
    EXPECT_EQ(RdoLabelFor(1e300), RdoLabelFor(MaxEncodableDate));
}

} // namespace
} // namespace tenvik
