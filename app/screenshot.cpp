// Draws the Calendar page offscreen on a fixed day, in US English, with group A2 and every
// display switch on, and saves the window as a PNG: the picture in the documentation.
// Usage: tenvik_screenshot OUTPUT.png
#include "core/Clock.h"
#include "settings/FileStore.h"
#include "settings/LocaleDate.h"
#include "ui/Main.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr tenvik::CivilDate ShownDay{2026, 12, 10};

bool WriteSettings(const QString& base)
{
    const QString folder = base + QStringLiteral("/Quorvell/Tenvik");
    if (!QDir().mkpath(folder))
        return false;
    QFile file(folder + QStringLiteral("/Tenvik.ini"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream(&file) << "[Config]\nRDO=A2\nShowPaydays=1\nShowDebit=1\nShowPayPeriods=1\n";
    return file.error() == QFile::NoError;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);

    const QTemporaryDir config;
    if (!config.isValid() || !WriteSettings(config.path())) {
        std::fprintf(stderr, "cannot write the settings into a temporary folder\n");
        return 1;
    }

    tenvik::StartupEnvironment environment;
    environment.clock = std::make_shared<tenvik::FixedClock>(ShownDay);
    environment.locale = tenvik::UsEnglishFormatSettings();
    environment.configBase = config.path().toStdString();
    environment.fileStore = std::make_shared<tenvik::DiskFileStore>();
    environment.reportError = [](QWidget*, const QString& message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    };

    tenvik::TMainForm window(std::move(environment));
    window.show();
    QApplication::processEvents();
    const QString output = QString::fromLocal8Bit(argv[1]);
    if (!window.grab().save(output, "PNG")) {
        std::fprintf(stderr, "cannot save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
