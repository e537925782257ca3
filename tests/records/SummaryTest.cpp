#include "records/Summary.h"

#include "RecordsTestSupport.h"

#include <gtest/gtest.h>

namespace tenvik::records {
namespace {

using testing::Day;
using Dir = TradeDirection;

Hours H(double hours)
{
    return Hours{static_cast<int>(hours * 100)};
}

std::vector<Entry> WithIds(std::vector<Entry> entries)
{
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i].id = static_cast<std::int64_t>(i) + 1;
    return entries;
}

TEST(TradeBalances, SettleByPaybackAndListWhatStaysOpen)
{
    const auto entries = WithIds({
        testing::Trade(Day(2024, 1, 5), Dir::IWorkedForThem, "Bob", 24),      // 1
        testing::Trade(Day(2024, 2, 5), Dir::TheyWorkedForMe, "Bob", 24, 1),  // 2 settles 1
        testing::Trade(Day(2024, 1, 9), Dir::TheyWorkedForMe, "Carol", 24),   // 3
        testing::Trade(Day(2024, 3, 1), Dir::IWorkedForThem, "Dan", 24),      // 4
        testing::Trade(Day(2024, 3, 20), Dir::TheyWorkedForMe, "Dan", 12, 4), // 5 settles half of 4
        testing::Trade(Day(2024, 4, 2), Dir::IWorkedForThem, "Eve", 12),      // 6
        testing::Trade(Day(2024, 3, 2), Dir::IWorkedForThem, "Eve", 12),      // 7
        testing::Leave(Day(2024, 3, 2), LeaveKind::Sick, 24),                 // no trade
    });
    const auto balances = TradeBalances(entries);

    struct Expected {
        std::string colleague;
        Hours owedToMe;
        std::vector<std::int64_t> open;
    };
    const std::vector<Expected> expected = {
        {"Bob", H(0), {}}, {"Carol", H(-24), {3}}, {"Dan", H(12), {4}}, {"Eve", H(24), {7, 6}}, // oldest first
    };
    ASSERT_EQ(balances.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].colleague);
        EXPECT_EQ(balances[i].colleague, expected[i].colleague);
        EXPECT_EQ(balances[i].owedToMe, expected[i].owedToMe);
        std::vector<std::int64_t> open;
        for (const Entry& trade : balances[i].openTrades)
            open.push_back(trade.id);
        EXPECT_EQ(open, expected[i].open);
    }
}

TEST(LeaveSummary, TakenPerKindCountsOnlyTheYear)
{
    const std::vector<Entry> entries = {
        testing::Leave(Day(2023, 12, 31), LeaveKind::Vacation, 24),
        testing::Leave(Day(2024, 1, 1), LeaveKind::Vacation, 24),
        testing::Leave(Day(2024, 12, 31), LeaveKind::Vacation, 10.5),
        testing::Leave(Day(2024, 6, 1), LeaveKind::Sick, 12),
        testing::Leave(Day(2024, 6, 2), LeaveKind::Holiday, 24),
    };
    const LeaveByKind taken = LeaveTakenIn(entries, 2024);
    EXPECT_EQ(taken[static_cast<std::size_t>(LeaveKind::Vacation)], H(34.5));
    EXPECT_EQ(taken[static_cast<std::size_t>(LeaveKind::Sick)], H(12));
    EXPECT_EQ(taken[static_cast<std::size_t>(LeaveKind::Holiday)], H(24));
    EXPECT_EQ(taken[static_cast<std::size_t>(LeaveKind::Compensatory)], H(0));
}

TEST(LeaveSummary, BalanceTodayAndAtYearEnd)
{
    const std::vector<Entry> entries = {
        testing::Leave(Day(2024, 1, 2), LeaveKind::Vacation, 24),
        testing::Leave(Day(2024, 7, 1), LeaveKind::Vacation, 24), // planned, after today
        testing::Leave(Day(2023, 7, 1), LeaveKind::Vacation, 24), // another year
        testing::Extra(Day(2024, 1, 5), ExtraKind::Overtime, ExtraPay::Banked, 4),
        testing::Extra(Day(2024, 1, 6), ExtraKind::Callback, ExtraPay::Paid, 3),
        testing::Leave(Day(2024, 2, 1), LeaveKind::Compensatory, 10),
    };
    // Pay periods from the default start (Sunday 20 December 2020) begin in 2024 on
    // 14 January and every 14 days after it: 5 of them up to 15 March, 26 in the year.
    const UserProfile profile;
    const int today = Day(2024, 3, 15);
    struct Case {
        const char* name;
        LeaveKind kind;
        LeaveAccount account;
        int today;
        LeaveBalance expected;
    };
    const Case cases[] = {
        {"vacation with accrual", LeaveKind::Vacation, {H(80), H(4)}, today, {H(80 + 20 - 24), H(80 + 104 - 48)}},
        {"vacation without accrual", LeaveKind::Vacation, {H(80), H(0)}, today, {H(56), H(32)}},
        {"accrual on the first period's start", LeaveKind::Vacation, {H(0), H(4)}, Day(2024, 1, 14), {H(-20), H(56)}},
        {"today before the year", LeaveKind::Vacation, {H(80), H(4)}, Day(2023, 12, 1), {H(80), H(136)}},
        {"today after the year", LeaveKind::Vacation, {H(80), H(4)}, Day(2025, 2, 1), {H(136), H(136)}},
        {"compensatory gains banked hours only", LeaveKind::Compensatory, {H(0), H(0)}, today, {H(-6), H(-6)}},
        {"a kind never taken", LeaveKind::Sick, {H(40), H(2)}, today, {H(50), H(92)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LeaveBalance balance = LeaveBalanceOf(entries, c.kind, c.account, 2024, c.today, profile);
        EXPECT_EQ(balance.today, c.expected.today);
        EXPECT_EQ(balance.yearEnd, c.expected.yearEnd);
    }
}

// Group A1 from the default pay-period start: PP2 runs from Sunday 31 December 2023 to
// Saturday 13 January 2024. A1 is on duty on 1, 2, 5, 6, 9 and 13 January, and has its
// RDO on 10 January, a day platoon A works.
TEST(PayPeriodTotals, PeriodAcrossTheYearEnd)
{
    UserProfile profile;
    profile.group = "A1";
    const std::vector<Entry> entries = {
        testing::Trade(Day(2023, 12, 30), Dir::IWorkedForThem, "Bob", 24),  // PP1, not this one
        testing::Trade(Day(2023, 12, 31), Dir::IWorkedForThem, "Bob", 24),  // a day off
        testing::Trade(Day(2024, 1, 10), Dir::IWorkedForThem, "Carol", 24), // own RDO and a trade
        testing::Trade(Day(2024, 1, 13), Dir::TheyWorkedForMe, "Dan", 12),
        testing::Leave(Day(2024, 1, 2), LeaveKind::Vacation, 24),
        testing::Extra(Day(2024, 1, 5), ExtraKind::Overtime, ExtraPay::Banked, 4),
        testing::Extra(Day(2024, 1, 6), ExtraKind::Callback, ExtraPay::Paid, 2.5),
        testing::Note(Day(2024, 1, 7), "counts nothing"),
        testing::Leave(Day(2024, 1, 14), LeaveKind::Sick, 24), // PP3
    };
    PayPeriodTotals expected;
    expected.number = 2;
    expected.first = Day(2023, 12, 31);
    expected.last = Day(2024, 1, 13);
    expected.scheduled = H(6 * 24);
    expected.tradesIn = H(48);
    expected.tradesOut = H(12);
    expected.leave = H(24);
    expected.extra = H(6.5);

    const auto of2023 = PayPeriodsOfYear(entries, profile, DefaultShiftLength, 2023);
    const auto of2024 = PayPeriodsOfYear(entries, profile, DefaultShiftLength, 2024);
    ASSERT_FALSE(of2023.empty());
    ASSERT_FALSE(of2024.empty());
    EXPECT_EQ(of2023.back(), expected);
    EXPECT_EQ(of2024.front(), expected);
    EXPECT_EQ(expected.Total(), H(144 + 48 - 12 - 24 + 6.5));
    // The periods follow each other without a gap and cover the year.
    EXPECT_LE(of2024.front().first, Day(2024, 1, 1));
    EXPECT_GE(of2024.back().last, Day(2024, 12, 31));
    for (std::size_t i = 1; i < of2024.size(); ++i)
        EXPECT_EQ(of2024[i].first, of2024[i - 1].last + 1);
    EXPECT_EQ(of2024[1].number, 3);
    EXPECT_EQ(of2024[1].leave, H(24));
}

TEST(PayPeriodTotals, ScheduledHoursFollowTheGroupAndShiftLength)
{
    struct Case {
        const char* group;
        Hours shiftLength;
        Hours scheduled; // PP2 of the test above
    };
    // Each platoon works 7 of the 14 days and every group has one RDO among them (B3's
    // on 31 December, the period's first day); no group at all schedules nothing.
    const Case cases[] = {
        {"A1", H(24), H(144)},  {"A1", H(12), H(72)}, {"B3", H(24), H(144)},
        {"B7", H(10.5), H(63)}, {"RDO", H(24), H(0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group);
        UserProfile profile;
        profile.group = c.group;
        const auto periods = PayPeriodsOfYear({}, profile, c.shiftLength, 2024);
        ASSERT_FALSE(periods.empty());
        EXPECT_EQ(periods.front().scheduled, c.scheduled);
    }
}

TEST(PayPeriodTotals, NoneBeforeThePayPeriodStart)
{
    UserProfile profile;
    profile.payPeriodStart = Day(2024, 3, 3);
    EXPECT_TRUE(PayPeriodsOfYear({}, profile, DefaultShiftLength, 2023).empty());
    const auto periods = PayPeriodsOfYear({}, profile, DefaultShiftLength, 2024);
    ASSERT_FALSE(periods.empty());
    EXPECT_EQ(periods.front().first, Day(2024, 3, 3));
    EXPECT_EQ(periods.front().number, 1);
}

} // namespace
} // namespace tenvik::records
