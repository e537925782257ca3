#include "ui/AppIdentity.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>

// The icons are compiled into a static library; naming them here keeps the linker from
// dropping them.
static void InitIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace tenvik {

namespace {

constexpr std::array IconSizeList = {16, 24, 32, 48, 64, 128, 256};
constexpr int LargestTaskBarSize = 64;

// Waits for the first paint of any widget of the window: the whole frame is painted and
// flushed in that one pass, so a call queued from it runs after the frame is shown.
class FirstFrameIcon : public QObject {
public:
    explicit FirstFrameIcon(QWidget& window) : QObject(&window), m_window(&window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == m_window) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(ApplicationIcon(IconSizes::All));
                deleteLater();
            });
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
};

} // namespace

QIcon ApplicationIcon(IconSizes sizes)
{
    static const bool registered = (InitIconResources(), true);
    Q_UNUSED(registered);
    QIcon icon;
    for (int size : IconSizeList) {
        if (sizes == IconSizes::TaskBar && size > LargestTaskBarSize)
            break;
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/tenvik.png").arg(size), QSize(size, size));
    }
    return icon;
}

void CompleteIconAfterFirstFrame(QWidget& window)
{
    new FirstFrameIcon(window); // owned by the window; deletes itself once done
}

void SetApplicationIdentity()
{
    QApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QApplication::setOrganizationName(QString::fromLatin1(OrganizationName));
    QApplication::setApplicationDisplayName(QString::fromUtf8(ApplicationDisplayName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopFileId));
    QApplication::setWindowIcon(ApplicationIcon(IconSizes::TaskBar));
}

} // namespace tenvik
