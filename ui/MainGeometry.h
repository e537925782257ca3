#pragma once

#include <QMarginsF>

namespace tenvik::Main {

// A day cell's texts keep off its edges: the number, when a label shares the cell, in the
// top left corner (4 from the left, raised by 2), and the small label in the bottom right
// corner (4 from the right, 2 from the bottom). The layout and the refresh pass place them
// so, and the sizing fits their fonts to what is left.
inline constexpr QMarginsF CornerNumberMargins(4, -2, 0, 0);
inline constexpr QMarginsF CellLabelMargins(0, 0, 4, 2);

// The About page's links keep this much room from the page's sides; the smallest window
// leaves them that much beside their captions.
inline constexpr int LinkSideMargin = 16;

} // namespace tenvik::Main
