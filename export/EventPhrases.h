#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The words of a calendar file's events, all in one place. Each is a pattern in which %1,
// %2 … stand for the values its comment names; English unless the program passes the
// patterns of the user's language.
namespace tenvik {

struct EventPhrases {
    std::string dutySummary = "On duty - %1";                          // group
    std::string dutyDescription = "%1, group %2: %3 platoon on duty."; // agency, group, platoon letter
    std::string rdoSummary = "RDO - %1";                               // group
    std::string rdoDescription = "%1, group %2: Regular Day Off.";     // agency, group
    // A phone calendar may hold the paydays of more than one employer; the agency tells
    // them apart.
    std::string paydaySummary = "Payday - %1";                                             // agency
    std::string paydayDescription = "%1: payday.";                                         // agency
    std::string payPeriodSummary = "%1 begins - %2";                                       // pay-period label, agency
    std::string payPeriodDescription = "%1: pay period %2 begins today and runs %3 days."; // agency, label, days
    // A platoon's feed: every day the platoon works, whoever of it has an RDO.
    std::string platoonSummary = "%1 platoon on duty";          // platoon letter
    std::string platoonDescription = "%1: %2 platoon on duty."; // agency, platoon letter
    // The categories a calendar program files the events under, one per kind.
    std::string dutyCategory = "Duty";
    std::string rdoCategory = "RDO";
    std::string paydayCategory = "Payday";
    std::string payPeriodCategory = "Pay period";
};

// The pattern with %1 … %9 replaced by the values in order. A value is put in as it is,
// never read for further marks; a mark without a value, and every other "%", stay.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace tenvik
