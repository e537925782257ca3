#include "tools/ShowcaseWindow.h"

#include "bridge/FilePath.h"
#include "bridge/LocaleCapture.h"
#include "core/Clock.h"
#include "records/RecordsFile.h"
#include "settings/FileStore.h"
#include "settings/LocaleDate.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTextStream>

#include <cstdio>

namespace tenvik {
namespace {

bool WriteShowcaseSettings(const QString& base)
{
    const QString folder = base + QStringLiteral("/Quorvell/Tenvik");
    if (!QDir().mkpath(folder))
        return false;
    QFile file(folder + QStringLiteral("/Tenvik.ini"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    // Every label on, so the cells' corners hold text too.
    QTextStream(&file) << "[Config]\nRDO=A2\nShowPaydays=1\nShowDebit=1\nShowPayPeriods=1\n";
    return file.error() == QFile::NoError;
}

} // namespace

bool ShowcaseWindow::recordEntries(const std::vector<records::Entry>& entries)
{
    const std::filesystem::path path = FilePathOf(m_config.path()) / "Quorvell" / "Tenvik" / "Tenvik.db";
    try {
        const records::OpenedRecords opened = records::OpenRecords(path, records::Moment{ShownDay, 8, 0, 0});
        if (!opened.store || opened.store->AddAll(entries)) {
            std::fprintf(stderr, "cannot record the showcase's entries\n");
            return false;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "cannot record the showcase's entries: %s\n", error.what());
        return false;
    }
    m_window->readRecordsFromNowOn();
    return true;
}

std::unique_ptr<ShowcaseWindow> ShowcaseWindow::Open(const QLocale& locale, const QString& language)
{
    std::unique_ptr<ShowcaseWindow> showcase(new ShowcaseWindow);
    if (!showcase->m_config.isValid() || !WriteShowcaseSettings(showcase->m_config.path())) {
        std::fprintf(stderr, "cannot write the settings into a temporary folder\n");
        return nullptr;
    }

    StartupEnvironment environment;
    environment.clock = std::make_shared<FixedClock>(ShownDay);
    environment.locale = CaptureLocaleFormats(locale);
    environment.longDateLocale = locale;
    environment.language = language;
    environment.configBase = FilePathOf(showcase->m_config.path());
    environment.fileStore = std::make_shared<DiskFileStore>();
    environment.reportError = [](QWidget*, const QString& message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    };
    showcase->m_window = std::make_unique<TMainForm>(std::move(environment));
    return showcase;
}

} // namespace tenvik
