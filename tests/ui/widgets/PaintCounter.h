#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTest>
#include <QWidget>

namespace tenvik::test {

// Counts the paint events a widget receives, to tell whether a setter repainted it.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
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

} // namespace tenvik::test
