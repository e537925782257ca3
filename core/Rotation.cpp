#include "core/Rotation.h"

#include <cstddef>

namespace tenvik {

// Read across, fourteen days to a line. Each group's RDOs are 16 days apart except for
// one gap of 3 and one of 1 per cycle, and every RDO falls on a day its platoon works.
const std::array<std::string_view, RdoCycleLength> RdoTable = {
    "A1", "B1", "B2", "A2", "A3", "B3", "B4", "A4", "A5", "B5", "B6", "A6", "A6", "B6", // 0
    "B7", "A7", "A1", "B1", "B2", "A2", "A3", "B3", "B4", "A4", "A5", "B5", "B5", "A5", // 14
    "A6", "B6", "B7", "A7", "A1", "B1", "B2", "A2", "A3", "B3", "B4", "A4", "A4", "B4", // 28
    "B5", "A5", "A6", "B6", "B7", "A7", "A1", "B1", "B2", "A2", "A3", "B3", "B3", "A3", // 42
    "A4", "B4", "B5", "A5", "A6", "B6", "B7", "A7", "A1", "B1", "B2", "A2", "A2", "B2", // 56
    "B3", "A3", "A4", "B4", "B5", "A5", "A6", "B6", "B7", "A7", "A1", "B1", "B1", "A1", // 70
    "A2", "B2", "B3", "A3", "A4", "B4", "B5", "A5", "A6", "B6", "B7", "A7", "A7", "B7", // 84
    "B1", "A1", "A2", "B2", "B3", "A3", "A4", "B4", "B5", "A5", "A6", "B6", "B6", "A6", // 98
    "A7", "B7", "B1", "A1", "A2", "B2", "B3", "A3", "A4", "B4", "B5", "A5", "A5", "B5", // 112
    "B6", "A6", "A7", "B7", "B1", "A1", "A2", "B2", "B3", "A3", "A4", "B4", "B4", "A4", // 126
    "A5", "B5", "B6", "A6", "A7", "B7", "B1", "A1", "A2", "B2", "B3", "A3", "A3", "B3", // 140
    "B4", "A4", "A5", "B5", "B6", "A6", "A7", "B7", "B1", "A1", "A2", "B2", "B2", "A2", // 154
    "A3", "B3", "B4", "A4", "A5", "B5", "B6", "A6", "A7", "B7", "B1", "A1", "A1", "B1", // 168
    "B2", "A2", "A3", "B3", "B4", "A4", "A5", "B5", "B6", "A6", "A7", "B7", "B7", "A7", // 182
};

namespace {

// Where d falls in a cycle of the given length that repeats from anchor on; d is a
// day of the encodable range not before anchor, so the remainder is never negative.
std::size_t CyclePosition(DayNumber d, DayNumber anchor, std::int64_t cycleLength)
{
    return static_cast<std::size_t>(WholeDay(d - anchor) % cycleLength);
}

std::string_view RdoTableEntry(DayNumber d)
{
    return RdoTable[CyclePosition(d, RdoAnchor, RdoCycleLength)];
}

} // namespace

ShiftCode ShiftCodeFor(DayNumber d, std::string_view ownGroup)
{
    const DayNumber day = EncodableDay(d);
    // The rotation runs from RotationAnchor but is shown only once the RDO schedule has begun.
    if (day < RdoAnchor)
        return ShiftCode::Z;
    if (RdoTableEntry(day) == ownGroup)
        return ShiftCode::X;
    const char platoon = RotationPattern[CyclePosition(day, RotationAnchor, std::ssize(RotationPattern))];
    return platoon == 'A' ? ShiftCode::A : ShiftCode::B;
}

std::string_view RdoLabelFor(DayNumber d)
{
    const DayNumber day = EncodableDay(d);
    // The first day of the schedule is labelled like the first day of every later cycle,
    // so the label always agrees with the 'X' that ShiftCodeFor shows the group.
    if (day < RdoAnchor)
        return {};
    return RdoTableEntry(day);
}

} // namespace tenvik
