#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <vector>

namespace tenvik::test {

// Counts the paint events an object receives, to tell whether a setter repainted it; on the
// application (*qApp) it counts the paints of every widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QObject& watched) { watched.installEventFilter(this); }
    int count() const { return m_count; }
    void reset() { m_count = 0; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_count;
        return false;
    }

private:
    int m_count = 0;
};

// Shows a widget as its own window and waits until its first paint has happened.
inline bool ShowAndSettle(QWidget& widget)
{
    widget.show();
    if (!QTest::qWaitForWindowExposed(&widget))
        return false;
    QCoreApplication::processEvents();
    return true;
}

// Lets every repaint that an update() scheduled take place.
inline void FlushRepaints()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// How often the first call of a setter may repaint: once, or more where the change also
// moves or resizes what the widget draws.
enum class FirstRepaint { Once, AtLeastOnce };

// A setter called again with the value it already holds must not repaint: the refresh pass
// writes every property of every cell on each event. Calls `set` twice on a shown widget
// that `paints` watches: the first call must repaint it, the second not at all.
inline void ExpectRepaintsOnceThenNever(PaintCounter& paints, const std::function<void()>& set,
                                        FirstRepaint first = FirstRepaint::Once)
{
    paints.reset();
    set();
    FlushRepaints();
    if (first == FirstRepaint::Once)
        EXPECT_EQ(paints.count(), 1);
    else
        EXPECT_GE(paints.count(), 1);

    paints.reset();
    set();
    FlushRepaints();
    EXPECT_EQ(paints.count(), 0);
}

inline void ExpectRepaintsOnceThenNever(PaintCounter& paints, const std::vector<std::function<void()>>& setters,
                                        FirstRepaint first = FirstRepaint::Once)
{
    for (std::size_t i = 0; i < setters.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "setter " << i);
        ExpectRepaintsOnceThenNever(paints, setters[i], first);
    }
}

} // namespace tenvik::test
