#pragma once

#include "core/DayNumber.h"

#include <array>
#include <string_view>

// The two-platoon rotation (two days A, two days B) and the 196-day RDO schedule of the
// fourteen assignment groups.
namespace tenvik {

inline constexpr DayNumber RotationAnchor = 40908; // Saturday 31 December 2011, first day of an AABB block
inline constexpr DayNumber RdoAnchor = 40925;      // Tuesday 17 January 2012, day 0 of every RDO cycle
inline constexpr std::string_view RotationPattern = "AABB";
inline constexpr int RdoCycleLength = 196;

// The group whose RDO falls on day i of the cycle.
extern const std::array<std::string_view, RdoCycleLength> RdoTable;

// The items of the assignment box in order; "RDO" means the user is in no group.
inline constexpr std::array<std::string_view, 15> AssignmentCodes = {"RDO", "A1", "A2", "A3", "A4", "A5", "A6", "A7",
                                                                     "B1",  "B2", "B3", "B4", "B5", "B6", "B7"};

enum class ShiftCode : char16_t {
    A = u'A', // platoon A on duty
    B = u'B', // platoon B on duty
    X = u'X', // the RDO of the user's own group
    Z = u'Z', // before the RDO schedule begins
};

// ownGroup is the user's assignment ("RDO" or "A1" … "B7"), matched exactly.
ShiftCode ShiftCodeFor(DayNumber d, std::string_view ownGroup);
// The group whose RDO falls on d; empty before the schedule.
std::string_view RdoLabelFor(DayNumber d);

} // namespace tenvik
