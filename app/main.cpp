// The calendar program: takes no arguments, opens the one window and runs until it closes.
#include "core/Clock.h"
#include "settings/FileStore.h"
#include "settings/SettingsFolder.h"
#include "ui/AppIdentity.h"
#include "ui/LocaleCapture.h"
#include "ui/Main.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tenvik::SetApplicationIdentity();

    const QLocale userLocale = QLocale::system();
    tenvik::StartupEnvironment environment;
    environment.clock = std::make_shared<tenvik::SystemClock>();
    environment.locale = tenvik::CaptureLocaleFormats(userLocale);
    environment.longDateLocale = userLocale;
    environment.configBase = tenvik::RoamingConfigBase();
    environment.fileStore = std::make_shared<tenvik::DiskFileStore>();
    environment.reportError = [](QWidget* parent, const QString& message) {
        QMessageBox::critical(parent, QApplication::applicationDisplayName(), message);
    };

    tenvik::TMainForm window(std::move(environment));
    window.show();
    return QApplication::exec();
}
