#pragma once

class QWidget;

namespace tenvik {

// The variable a start-up measurer (bench/startup) sets to the number of a file descriptor
// it reads from.
inline constexpr char FirstFrameReportVariable[] = "TENVIK_FIRST_FRAME_FD";

// When the variable is set, writes "frame" and a line end to that descriptor, and closes
// it, once the window's first frame has been painted and handed to the screen. Without it
// nothing is installed: a start costs one look at the environment.
void ReportFirstFrameWhenAsked(QWidget& window);

} // namespace tenvik
