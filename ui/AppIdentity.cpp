#include "ui/AppIdentity.h"

#include "ui/widgets/AfterFirstFrame.h"

#include <QApplication>
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
    AfterFirstFrame(window, [] { QApplication::setWindowIcon(ApplicationIcon(IconSizes::All)); });
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
