#pragma once

#include <functional>

class QWidget;

namespace tenvik {

// Runs `action` once, from the event loop, after the window's first frame has been painted
// and handed to the screen: work that the first sight of the window need not wait for.
// Nothing runs if the window goes first.
void AfterFirstFrame(QWidget& window, std::function<void()> action);

} // namespace tenvik
