#pragma once

#include "core/Profile.h"
#include "records/Entry.h"
#include "records/LeaveAccount.h"

#include <array>
#include <span>
#include <string>
#include <vector>

// What the entries add up to, as pure functions of the entries and the schedule rules:
// the trade balance with each colleague, leave taken and left, and the hours of each pay
// period. The window's summary, the CSV and the tests ask these and nothing else.
namespace tenvik::records {

struct ColleagueBalance {
    std::string colleague;
    // Positive: the colleague owes me these hours; negative: I owe them.
    Hours owedToMe;
    // The trades not (fully) settled by a later trade that pays them back, oldest first.
    // A trade that pays another back is settled by its nature and never listed.
    std::vector<Entry> openTrades;
};

// One balance per colleague a trade names, in the order of their names; a colleague
// whose trades are all settled is listed with a balance of 0 and no open trades.
std::vector<ColleagueBalance> TradeBalances(std::span<const Entry> entries);

// Hours of leave of each kind on the days of a calendar year, indexed by LeaveKind.
using LeaveByKind = std::array<Hours, AllLeaveKinds.size()>;
LeaveByKind LeaveTakenIn(std::span<const Entry> entries, int year);

struct LeaveBalance {
    Hours today;   // after the leave taken up to and including today
    Hours yearEnd; // after all the leave recorded in the year
};
// The balance of one kind of leave in a year: the starting balance, plus the accrual of
// every pay period that begins from 1 January to the day, minus the leave of that kind
// up to the day. Compensatory time also gains the extra hours banked. A today before
// the year gives its starting balance, after the year its end.
LeaveBalance LeaveBalanceOf(std::span<const Entry> entries, LeaveKind kind, const LeaveAccount& account, int year,
                            int today, const UserProfile& profile);

struct PayPeriodTotals {
    int number = 0; // 1 … 26, as the calendar labels it
    int first = 0;  // its first and last day
    int last = 0;
    Hours scheduled; // the user's duty days by the rotation, own RDOs excluded, × the shift length
    Hours tradesIn;  // shifts worked for colleagues
    Hours tradesOut; // shifts colleagues worked for the user
    Hours leave;
    Hours extra; // overtime and callbacks, paid or banked
    // The hours worked: scheduled + traded in − traded out − leave + extra.
    Hours Total() const { return scheduled + tradesIn - tradesOut - leave + extra; }
    friend bool operator==(const PayPeriodTotals&, const PayPeriodTotals&) = default;
};

// Every pay period that has a day in the calendar year, whole (so one crossing the
// year's end is in both years' lists, with the days of both years), in order. None
// before the profile's pay-period start.
std::vector<PayPeriodTotals> PayPeriodsOfYear(std::span<const Entry> entries, const UserProfile& profile,
                                              Hours shiftLength, int year);

} // namespace tenvik::records
