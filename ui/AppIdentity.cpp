#include "ui/AppIdentity.h"

#include <QApplication>

#include <array>

// The icons are compiled into a static library; naming them here keeps the linker from
// dropping them.
static void InitIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace tenvik {

QIcon ApplicationIcon()
{
    static const bool registered = (InitIconResources(), true);
    Q_UNUSED(registered);
    static constexpr std::array Sizes = {16, 24, 32, 48, 64, 128, 256};
    QIcon icon;
    for (int size : Sizes)
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/tenvik.png").arg(size), QSize(size, size));
    return icon;
}

void SetApplicationIdentity()
{
    QApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QApplication::setOrganizationName(QString::fromLatin1(OrganizationName));
    QApplication::setApplicationDisplayName(QString::fromUtf8(ApplicationDisplayName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopFileId));
    QApplication::setWindowIcon(ApplicationIcon());
}

} // namespace tenvik
