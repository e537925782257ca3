#pragma once

#include <QAccessible>

#include <vector>

namespace tenvik::test {

struct AccessibleNotice {
    QAccessible::Event type;
    QObject* object; // compared only: it may be gone by the time a test looks
};

// Every notification the program sends towards screen readers, oldest first, as the
// platform's screen-reader bridge receives it. Tests clear it before what they watch.
std::vector<AccessibleNotice>& AccessibleNotices();

} // namespace tenvik::test
