#pragma once

namespace tenvik::Main {

// The About page's links keep this much room from the page's sides; the smallest window
// leaves them that much beside their captions.
inline constexpr int LinkSideMargin = 16;

} // namespace tenvik::Main
