#include "records/Summary.h"

#include "core/DayMarks.h"
#include "core/Payday.h"

#include <algorithm>
#include <map>

namespace tenvik::records {
namespace {

int FirstDayOf(int year)
{
    return static_cast<int>(WholeDay(EncodeDate(year, 1, 1)));
}

int LastDayOf(int year)
{
    return static_cast<int>(WholeDay(EncodeDate(year, 12, 31)));
}

Hours SignedTradeHours(const Entry& trade)
{
    return trade.direction == TradeDirection::IWorkedForThem ? trade.hours : -trade.hours;
}

// The number of pay periods that begin on the days first to last.
int PayPeriodStartsBetween(int first, int last, int payPeriodStart)
{
    first = std::max(first, payPeriodStart);
    if (last < first)
        return 0;
    // Starts fall on payPeriodStart + 14k; count the k with first <= start <= last.
    const auto startsUpTo = [&](int day) {
        return day < payPeriodStart ? 0 : (day - payPeriodStart) / PayPeriodLength + 1;
    };
    return startsUpTo(last) - startsUpTo(first - 1);
}

} // namespace

std::vector<ColleagueBalance> TradeBalances(std::span<const Entry> entries)
{
    std::map<std::int64_t, Hours> settled; // hours paid back, by the trade they settle
    for (const Entry& entry : entries) {
        if (entry.kind == EntryKind::Trade && entry.paysBack)
            settled[*entry.paysBack] += entry.hours;
    }
    std::map<std::string, ColleagueBalance> byName;
    for (const Entry& entry : entries) {
        if (entry.kind != EntryKind::Trade)
            continue;
        ColleagueBalance& balance = byName[entry.colleague];
        balance.colleague = entry.colleague;
        balance.owedToMe += SignedTradeHours(entry);
        const auto paid = settled.find(entry.id);
        if (!entry.paysBack && (paid == settled.end() || paid->second < entry.hours))
            balance.openTrades.push_back(entry);
    }
    std::vector<ColleagueBalance> balances;
    for (auto& [name, balance] : byName) {
        std::stable_sort(balance.openTrades.begin(), balance.openTrades.end(),
                         [](const Entry& a, const Entry& b) { return a.day < b.day; });
        balances.push_back(std::move(balance));
    }
    return balances;
}

LeaveByKind LeaveTakenIn(std::span<const Entry> entries, int year)
{
    LeaveByKind taken{};
    const int first = FirstDayOf(year);
    const int last = LastDayOf(year);
    for (const Entry& entry : entries) {
        if (entry.kind == EntryKind::Leave && entry.day >= first && entry.day <= last)
            taken[static_cast<std::size_t>(entry.leave)] += entry.hours;
    }
    return taken;
}

LeaveBalance LeaveBalanceOf(std::span<const Entry> entries, LeaveKind kind, const LeaveAccount& account, int year,
                            int today, const UserProfile& profile)
{
    const int first = FirstDayOf(year);
    const int last = LastDayOf(year);
    const int payPeriodStart = static_cast<int>(WholeDay(profile.payPeriodStart));
    const auto balanceOn = [&](int day) {
        Hours balance = account.startingBalance;
        if (day < first)
            return balance;
        day = std::min(day, last);
        balance += account.accrualPerPayPeriod * PayPeriodStartsBetween(first, day, payPeriodStart);
        for (const Entry& entry : entries) {
            if (entry.day < first || entry.day > day)
                continue;
            if (entry.kind == EntryKind::Leave && entry.leave == kind)
                balance -= entry.hours;
            else if (kind == LeaveKind::Compensatory && entry.kind == EntryKind::Extra && entry.pay == ExtraPay::Banked)
                balance += entry.hours;
        }
        return balance;
    };
    return {balanceOn(today), balanceOn(last)};
}

std::vector<PayPeriodTotals> PayPeriodsOfYear(std::span<const Entry> entries, const UserProfile& profile,
                                              Hours shiftLength, int year)
{
    const int payPeriodStart = static_cast<int>(WholeDay(profile.payPeriodStart));
    const int yearFirst = FirstDayOf(year);
    const int yearLast = LastDayOf(year);
    if (yearLast < payPeriodStart)
        return {};
    // The period that holds the year's first day (or the very first period), then on.
    const int from = std::max(yearFirst, payPeriodStart);
    int periodFirst = from - (from - payPeriodStart) % PayPeriodLength;

    std::vector<PayPeriodTotals> periods;
    for (; periodFirst <= yearLast; periodFirst += PayPeriodLength) {
        PayPeriodTotals period;
        period.first = periodFirst;
        period.last = periodFirst + PayPeriodLength - 1;
        period.number = PayPeriodNumber(periodFirst, profile.payPeriodStart);
        // The duty days as the grid paints them: the user's platoon, not on an own RDO.
        for (int day = period.first; day <= period.last; ++day) {
            if (MarksFor(day, profile).onDuty)
                period.scheduled += shiftLength;
        }
        periods.push_back(period);
    }
    const int spanFirst = periods.front().first;
    for (const Entry& entry : entries) {
        if (entry.day < spanFirst || entry.day > periods.back().last)
            continue;
        PayPeriodTotals& period = periods[static_cast<std::size_t>((entry.day - spanFirst) / PayPeriodLength)];
        switch (entry.kind) {
        case EntryKind::Trade:
            (entry.direction == TradeDirection::IWorkedForThem ? period.tradesIn : period.tradesOut) += entry.hours;
            break;
        case EntryKind::Leave:
            period.leave += entry.hours;
            break;
        case EntryKind::Extra:
            period.extra += entry.hours;
            break;
        case EntryKind::Note:
            break;
        }
    }
    return periods;
}

} // namespace tenvik::records
