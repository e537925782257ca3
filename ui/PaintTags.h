#pragma once

#include "core/MonthGrid.h"

// What the tag of a rectangle or text of the window tells the refresh pass. (The colour
// buttons' tags are in ColorButtonTags.h.)
namespace tenvik::Main {

// Rectangles that are no grid cell.
inline constexpr int WhiteBackground = -3;
inline constexpr int BackgroundNoBorder = -2;
inline constexpr int BackgroundWithBorder = -1;

// Grid cells 0 … 41 carry their index; the last two hold the legend, not days.
inline constexpr int LegendA = GridCellCount - 2; // 40
inline constexpr int LegendB = GridCellCount - 1; // 41
inline constexpr int LastDayCell = LegendA - 1;   // 39

// The small label of cell n has tag CellLabelTagBase + n.
inline constexpr int CellLabelTagBase = 100;
inline constexpr int LastDayLabelTag = CellLabelTagBase + LastDayCell; // the legend cells show no label

} // namespace tenvik::Main
