#include "app/FirstFrameReport.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace tenvik {
namespace {

// Waits for the first paint of any widget of the window. The whole frame is painted and
// flushed to the screen in that one pass, so a call queued from it runs after the flush.
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget& window, int descriptor) : QObject(&window), m_window(&window), m_descriptor(descriptor)
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
                report();
                deleteLater();
            });
        }
        return false;
    }

private:
    void report() const
    {
        QFile out;
        if (out.open(m_descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
            out.write("frame\n");
    }

    QPointer<QWidget> m_window;
    int m_descriptor;
};

} // namespace

void ReportFirstFrameWhenAsked(QWidget& window)
{
    bool ok = false;
    const int descriptor = qEnvironmentVariableIntValue(FirstFrameReportVariable, &ok);
    if (ok && descriptor >= 0)
        new FirstFrameWatch(window, descriptor);
}

} // namespace tenvik
