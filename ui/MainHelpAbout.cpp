// The Help and About pages: the two links.
#include "ui/AboutText.h"
#include "ui/Main.h"
#include "ui/MainUnit.h"

#include <QDesktopServices>
#include <QUrl>

namespace tenvik {

using namespace Main;

namespace {

// The caption names "/issues.htm"; the page for this platform is "/win-issues.htm".
QString IssuesUrl()
{
    return QStringLiteral("http://") + QString::fromLatin1(WebHost) + QStringLiteral("/win-issues.htm");
}

QString SupportUrl()
{
    return QStringLiteral("mailto:") + QString::fromLatin1(SupportAddress)
        + QStringLiteral("?subject=Support%20Request");
}

} // namespace

void TMainForm::sbHelp1Click()
{
    OpenURL(IssuesUrl());
}

void TMainForm::sbHelp2Click()
{
    OpenURL(SupportUrl());
}

void Main::OpenURL(const QString& url)
{
    // The address is already encoded ("%20"): taken as it stands, not encoded again.
    QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
}

} // namespace tenvik
