#include "ui/widgets/AfterFirstFrame.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace tenvik {
namespace {

// Waits for the first paint of any widget of the window. The whole frame is painted and
// flushed to the screen in that one pass, so a call queued from it runs after the flush.
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget& window, std::function<void()> action)
        : QObject(&window), m_window(&window), m_action(std::move(action))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == m_window) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_action();
                deleteLater();
            });
        }
        return false;
    }

private:
    const QWidget* m_window;
    std::function<void()> m_action;
};

} // namespace

void AfterFirstFrame(QWidget& window, std::function<void()> action)
{
    new FirstFrameWatch(window, std::move(action)); // owned by the window; goes once done
}

} // namespace tenvik
